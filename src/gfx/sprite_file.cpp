#include "gfx/sprite_file.h"

#include <algorithm>
#include <fstream>
#include <new>

#include "core/error_box.h"
#include "core/settings.h"

namespace {

// Little-endian reads that fail instead of passing the end of the bytes.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t remaining() const { return bytes_.size() - pos_; }

    bool read16(std::uint16_t& value) {
        if (remaining() < 2) return false;
        value = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
        pos_ += 2;
        return true;
    }

    bool read32(std::uint32_t& value) {
        if (remaining() < 4) return false;
        value = static_cast<std::uint32_t>(bytes_[pos_]) |
                (static_cast<std::uint32_t>(bytes_[pos_ + 1]) << 8) |
                (static_cast<std::uint32_t>(bytes_[pos_ + 2]) << 16) |
                (static_cast<std::uint32_t>(bytes_[pos_ + 3]) << 24);
        pos_ += 4;
        return true;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

constexpr std::uint32_t RUN_FLAG = 0x8000;
constexpr std::uint64_t LONGEST_RUN = 0x7FFF;

// Stored pixels are 5-5-5; bit 15 is not part of the colour.
std::uint16_t toDisplayLayout(std::uint16_t stored, int pixelFormat) {
    if (pixelFormat == 2) return static_cast<std::uint16_t>(((stored & 0x7FE0) << 1) | (stored & 0x001F));
    return static_cast<std::uint16_t>(stored & 0x7FFF);
}

// The most pixels a stream of this many bytes can describe: every token pair a longest run.
std::uint64_t mostPixelsIn(std::size_t streamBytes) {
    const std::uint64_t tokens = streamBytes / 2;
    return tokens / 2 * LONGEST_RUN + tokens % 2;
}

// Appends decoded tokens to pixels until it holds `total` pixels or the stream ends.
void decodeStream(ByteReader& in, int pixelFormat, std::size_t total, std::vector<std::uint16_t>& pixels) {
    std::uint16_t token = 0;
    while (pixels.size() < total && in.read16(token)) {
        if (token < RUN_FLAG) {
            pixels.push_back(toDisplayLayout(token, pixelFormat));
            continue;
        }
        std::uint16_t value = 0;
        if (!in.read16(value)) break;
        // A run that would pass the end of the array is cut there.
        const std::size_t count = std::min<std::size_t>(token - RUN_FLAG, total - pixels.size());
        pixels.insert(pixels.end(), count, toDisplayLayout(value, pixelFormat));
    }
}

std::string badFile(const char* fileName, const std::string& reason) {
    return std::string("bad sprite file ") + fileName + ": " + reason;
}

}  // namespace

std::string decodeSpriteFile(std::span<const std::uint8_t> bytes, const char* fileName, int pixelFormat,
                             SpriteSheet& sheet) {
    std::fill(sheet.widths.begin(), sheet.widths.end(), 0);
    std::fill(sheet.heights.begin(), sheet.heights.end(), 0);
    std::fill(sheet.offsets.begin(), sheet.offsets.end(), 0);
    sheet.pixels.clear();

    ByteReader in(bytes);
    std::uint32_t count = 0;
    if (!in.read32(count)) return badFile(fileName, "no image count");
    const std::size_t tableSize = std::min({sheet.widths.size(), sheet.heights.size(), sheet.offsets.size()});
    if (count == 0 || count > SPRITE_FILE_MAX_IMAGES || count > tableSize)
        return badFile(fileName, "image count " + std::to_string(count));
    if (in.remaining() / 8 < count) return badFile(fileName, "image table cut short");
    for (std::uint32_t i = 0; i < count; ++i) {
        in.read16(sheet.widths[i]);
        in.read16(sheet.heights[i]);
        in.read32(sheet.offsets[i]);
    }

    // The last image of the table ends the pixel array. The buffer never exceeds what the
    // stream could describe, so a forged total cannot claim memory the file does not back.
    const std::uint32_t last = count - 1;
    const std::uint64_t total =
        std::uint64_t{sheet.offsets[last]} + std::uint64_t{sheet.widths[last]} * sheet.heights[last];
    const std::uint64_t capacity = std::min(total, mostPixelsIn(in.remaining()));
    try {
        sheet.pixels.reserve(static_cast<std::size_t>(capacity));
    } catch (const std::bad_alloc&) {
        std::fill(sheet.widths.begin(), sheet.widths.end(), 0);
        return "no memory 1";
    }
    decodeStream(in, pixelFormat, static_cast<std::size_t>(capacity), sheet.pixels);
    const std::size_t decoded = sheet.pixels.size();

    std::string problem;
    if (decoded < total) problem = badFile(fileName, "pixel stream ends early");
    for (std::uint32_t i = 0; i < count && sheet.widths[i] != 0; ++i) {
        const std::uint64_t end =
            std::uint64_t{sheet.offsets[i]} + std::uint64_t{sheet.widths[i]} * sheet.heights[i];
        if (end <= decoded) continue;
        sheet.widths[i] = 0;
        if (problem.empty())
            problem = badFile(fileName, "image " + std::to_string(i) + " lies past its pixels");
        break;
    }
    return problem;
}

void LoadSpriteFile(const char* fileName, SpriteSheet& sheet) {
    std::fill(sheet.widths.begin(), sheet.widths.end(), 0);
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        errorBox("no open load", "");
        return;
    }
    std::vector<std::uint8_t> bytes;
    try {
        char chunk[1 << 16];
        while (file.read(chunk, sizeof chunk) || file.gcount() > 0)
            bytes.insert(bytes.end(), chunk, chunk + file.gcount());
    } catch (const std::bad_alloc&) {
        errorBox("no memory 1", "");
        return;
    }
    const std::string problem = decodeSpriteFile(bytes, fileName, pixelFormat, sheet);
    if (!problem.empty()) errorBox(problem, "");
}
