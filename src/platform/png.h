// PNG files of 16-bit pictures: screenshots, contact sheets and golden-image fixtures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform {

// pixelFormat 1 = 5-5-5, 2 = 5-6-5. False when the file cannot be written.
bool savePng(const std::string& path, PixelView picture, int pixelFormat);

// Writes 8-bit RGBA pixels (straight alpha, pitch = width) as a PNG with transparency.
bool saveRgbaPng(const std::string& path, const std::uint8_t* rgba, int width, int height);

// Reads a PNG into 16-bit pixels of the given layout (pitch = width). False when it cannot be read.
bool loadPng(const std::string& path, int pixelFormat, std::vector<std::uint16_t>& pixels, int& width,
             int& height);

}  // namespace platform
