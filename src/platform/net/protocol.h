// The messages of an online game and their bytes. Every message is one ENet packet: a type byte,
// then fixed-size little-endian fields and length-prefixed strings. decode trusts nothing: every
// length and value is checked against the limits below before it is used.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "platform/script.h"

namespace platform::net {

// Raised whenever a message changes its meaning; peers of different protocols refuse each other.
constexpr std::uint32_t PROTOCOL_VERSION = 2;
constexpr std::size_t MAX_MESSAGE_BYTES = 64 * 1024;
constexpr std::size_t MAX_TEXT_BYTES = 4096;           // the host's settings, a refusal
constexpr std::size_t MAX_EVENTS_PER_MESSAGE = 2048;   // a joiner's catch-up comes in several
constexpr std::int32_t MAX_COORDINATE = 1 << 20;       // pointer positions, far beyond any screen
constexpr std::int64_t MAX_FRAME = 1'000'000'000'000;  // as scripts have it

// Joiner to host, first: what must be the same on both machines for the games to stay in step.
struct Hello {
    std::uint32_t protocol = PROTOCOL_VERSION;
    std::string gameVersion;
    std::string architecture;
    std::uint64_t dataDigest = 0;  // the sprite, sound and level files
    std::uint64_t fontDigest = 0;  // the font file (text's pixels depend on it)
    std::string name;
};

// Host to joiner: accepted as peer `peer`, with the host's settings (recorded-settings lines).
struct Welcome {
    std::uint8_t peer = 0;
    std::string settings;
};

// Host to joiner: refused, and why.
struct Refuse {
    std::string reason;
};

// Peer to host: one local input (key, move, press or release) and the peer's frame when it was
// made; the host gives it the frame it takes effect in.
struct Input {
    ScriptEvent event;
};

// Host to every peer: the events of frames after the last such message, in order; every frame up
// to `upTo` is closed (nothing more will come for it).
struct Frames {
    std::int64_t upTo = 0;
    std::vector<ScriptEvent> events;
};

// Peer to host: the chained hash of its first `presents` frames.
struct FrameHash {
    std::int64_t presents = 0;
    std::uint64_t hash = 0;
};

// Host to every peer: the games differ from frame `presents` on; the session is over.
struct Desync {
    std::int64_t presents = 0;
};

// Host to every peer, after its last frames: it is leaving. A peer that has taken this in has every
// frame the host closed, and hangs up itself (ENet throws away what a machine has received but not
// yet handed over when the other end hangs up).
struct Bye {};

using Message = std::variant<Hello, Welcome, Refuse, Input, Frames, FrameHash, Desync, Bye>;

std::vector<std::uint8_t> encode(const Message& message);
// The message, or nothing with what is wrong in error.
std::optional<Message> decode(std::span<const std::uint8_t> bytes, std::string& error);

}  // namespace platform::net
