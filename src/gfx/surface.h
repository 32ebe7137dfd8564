// One pixel store for everything: images, canvases and the two display buffers.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/platform.h"

struct Surface {
    int width = 0;
    int height = 0;
    int pitch = 0;  // pixels per row
    std::vector<std::uint16_t> pixels;

    Surface() = default;
    Surface(int w, int h) : width(w), height(h), pitch(w), pixels(static_cast<std::size_t>(w) * h, 0) {}

    std::uint16_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * pitch; }
    const std::uint16_t* row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * pitch; }
    platform::PixelView view() const { return {pixels.data(), width, height, pitch}; }
};
