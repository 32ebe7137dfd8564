#include "platform/stats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace platform {

namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// Sixteen hex digits in quotes: JSON numbers cannot hold every 64-bit value.
std::string hashText(std::uint64_t hash) {
    char text[24];
    std::snprintf(text, sizeof text, "\"%016llx\"", static_cast<unsigned long long>(hash));
    return text;
}

std::string hashAt(const std::pair<std::int64_t, std::uint64_t>& entry) {
    return "{\"frame\": " + std::to_string(entry.first) + ", \"hash\": " + hashText(entry.second) + "}";
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

template <typename T, typename Format>
std::string list(const std::vector<T>& values, Format format) {
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) out += (i ? ", " : "") + format(values[i]);
    return out + "]";
}

}  // namespace

double percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p / 100 * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

std::string statsJson(const RunStats& stats) {
    std::string sounds = "{";
    for (const auto& [id, count] : stats.soundsPlayed)
        sounds += (sounds.size() > 1 ? ", " : "") + quoted(std::to_string(id)) + ": " + std::to_string(count);
    sounds += "}";
    const std::pair<const char*, std::string> fields[] = {
        {"frames", std::to_string(stats.frames)},
        {"frame_hash", hashText(stats.frameHash)},
        {"frame_hashes", list(stats.frameHashes, hashAt)},
        {"battles", std::to_string(stats.battles)},
        {"error_boxes", list(stats.errorBoxes, quoted)},
        {"sounds_played", sounds},
        {"frame_ms_p50", number(percentile(stats.frameMs, 50))},
        {"frame_ms_p99", number(percentile(stats.frameMs, 99))},
        {"setup_ms", list(stats.setupMs, number)},
        {"exit", quoted(stats.exit)},
    };
    std::string json = "{";
    for (const auto& [name, value] : fields)
        json += std::string(json.size() > 1 ? ",\n" : "\n") + "  \"" + name + "\": " + value;
    if (!stats.winners.empty())
        json += ",\n  \"winners\": " + list(stats.winners, [](int w) { return std::to_string(w); });
    if (stats.online)
        json += ",\n  \"online\": {\"bytes_sent\": " + std::to_string(stats.bytesSent) +
                ", \"bytes_received\": " + std::to_string(stats.bytesReceived) +
                ", \"peers\": " + std::to_string(stats.peers) + "}";
    return json + "\n}\n";
}

}  // namespace platform
