// Writes sprite files: the image table followed by the run-length coded pixel stream that the
// sprite loader reads. Used by the data generator and the tests.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

struct SpriteImage {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::vector<std::uint16_t> pixels;  // 5-5-5, row by row; 0 is transparent
};

std::vector<std::uint8_t> encodeSpriteFile(std::span<const SpriteImage> images);
