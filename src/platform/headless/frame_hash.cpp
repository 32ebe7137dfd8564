#include "platform/headless/frame_hash.h"

#include <cstddef>

namespace platform {

namespace {

// FNV-1a's offset basis and prime, applied to 64-bit words (four pixels) rather than bytes so that
// hashing every frame of a long run stays cheap; the xor-shift after each multiply carries the
// high bits of a word down, which the multiply alone never does.
constexpr std::uint64_t BASIS = 0xcbf29ce484222325u;
constexpr std::uint64_t PRIME = 0x100000001b3u;

std::uint64_t mix(std::uint64_t hash, std::uint64_t word) {
    hash = (hash ^ word) * PRIME;
    return hash ^ (hash >> 29);
}

}  // namespace

std::uint64_t frameHash(PixelView frame) {
    std::uint64_t hash = mix(BASIS, static_cast<std::uint64_t>(static_cast<std::uint32_t>(frame.width)) << 32 |
                                        static_cast<std::uint32_t>(frame.height));
    if (!frame.pixels) return hash;
    for (int y = 0; y < frame.height; ++y) {
        const std::uint16_t* row = frame.pixels + static_cast<std::ptrdiff_t>(y) * frame.pitch;
        int x = 0;
        for (; x + 4 <= frame.width; x += 4)
            hash = mix(hash, std::uint64_t{row[x]} | std::uint64_t{row[x + 1]} << 16 |
                                 std::uint64_t{row[x + 2]} << 32 | std::uint64_t{row[x + 3]} << 48);
        for (; x < frame.width; ++x) hash = mix(hash, row[x]);
    }
    return hash;
}

std::uint64_t chainFrameHash(std::uint64_t running, std::uint64_t frame) { return mix(running, frame); }

}  // namespace platform
