// libFuzzer target for the network messages (every packet from another machine): any bytes decode or
// are refused with a reason; a decoded message encodes to the very bytes it came from, and those
// decode to the same message, so what the host passes on is exactly what it was sent.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/net/protocol.h"

namespace {

using namespace platform::net;
using platform::ScriptEvent;

bool same(const ScriptEvent& a, const ScriptEvent& b) {
    return std::tie(a.frame, a.period, a.kind, a.virtualKey, a.point.x, a.point.y, a.button, a.file, a.peer, a.name) ==
           std::tie(b.frame, b.period, b.kind, b.virtualKey, b.point.x, b.point.y, b.button, b.file, b.peer, b.name);
}
bool same(const Hello& a, const Hello& b) {
    return std::tie(a.protocol, a.gameVersion, a.architecture, a.dataDigest, a.fontDigest, a.name) ==
           std::tie(b.protocol, b.gameVersion, b.architecture, b.dataDigest, b.fontDigest, b.name);
}
bool same(const Welcome& a, const Welcome& b) { return a.peer == b.peer && a.settings == b.settings; }
bool same(const Refuse& a, const Refuse& b) { return a.reason == b.reason; }
bool same(const Input& a, const Input& b) { return same(a.event, b.event); }
bool same(const Frames& a, const Frames& b) {
    if (a.upTo != b.upTo || a.events.size() != b.events.size()) return false;
    for (std::size_t i = 0; i < a.events.size(); ++i)
        if (!same(a.events[i], b.events[i])) return false;
    return true;
}
bool same(const FrameHash& a, const FrameHash& b) { return a.presents == b.presents && a.hash == b.hash; }
bool same(const Desync& a, const Desync& b) { return a.presents == b.presents; }
bool same(const Bye&, const Bye&) { return true; }

bool sameMessage(const Message& a, const Message& b) {
    return a.index() == b.index() &&
           std::visit([&b](const auto& m) { return same(m, std::get<std::decay_t<decltype(m)>>(b)); }, a);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    std::string error;
    const std::optional<Message> message = decode(bytes, error);
    if (!message) {
        if (error.empty()) __builtin_trap();
        return 0;
    }
    const std::vector<std::uint8_t> again = encode(*message);
    if (!std::equal(again.begin(), again.end(), bytes.begin(), bytes.end())) __builtin_trap();
    const std::optional<Message> back = decode(again, error);
    if (!back || !sameMessage(*message, *back)) __builtin_trap();
    return 0;
}
