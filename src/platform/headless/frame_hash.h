// Hashes of presented frames, the determinism guard of headless runs: the same script must give
// the same hashes on every run (each pixel layout has its own).
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace platform {

// A 64-bit hash of the frame's visible pixels (its size included, the padding of its rows not).
std::uint64_t frameHash(PixelView frame);

// Folds one frame's hash into the hash of all frames before it, in order (0 before the first).
std::uint64_t chainFrameHash(std::uint64_t running, std::uint64_t frame);

}  // namespace platform
