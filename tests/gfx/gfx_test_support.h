// Small images, sprite files in a scratch directory, and a platform whose font is the real one.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "../test_platform.h"
#include "gfx/images.h"
#include "gfx/sprite_writer.h"

inline ImageEntry makeImage(int width, int height, const std::vector<std::uint16_t>& pixels) {
    ImageEntry entry;
    entry.surface = std::make_unique<Surface>(width, height);
    entry.surface->pixels = pixels;
    entry.width = static_cast<std::uint16_t>(width);
    entry.height = static_cast<std::uint16_t>(height);
    return entry;
}

inline ImageEntry solidImage(int width, int height, std::uint16_t value) {
    return makeImage(width, height,
                     std::vector<std::uint16_t>(static_cast<std::size_t>(width) * height, value));
}

// Image number n of a 1-row-per-pixel pattern: every pixel differs from every other image's.
inline SpriteImage patternSprite(int width, int height, std::uint16_t seed) {
    SpriteImage image{static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height), {}};
    for (int i = 0; i < width * height; ++i)
        image.pixels.push_back(static_cast<std::uint16_t>((seed * 37 + i) % 0x7FFF + 1));
    return image;
}

inline SpriteImage solidSprite(int width, int height, std::uint16_t value) {
    return {static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height),
            std::vector<std::uint16_t>(static_cast<std::size_t>(width) * height, value)};
}

// A fresh directory made the working directory for the test's life.
class ScratchDir {
public:
    ScratchDir() : previous_(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "ramparo_gfx_XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no scratch directory");
        dir_ = pattern;
        std::filesystem::current_path(dir_);
    }
    ~ScratchDir() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    static void writeBytes(const char* name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static void writeSprites(const char* name, std::span<const SpriteImage> images) {
        writeBytes(name, encodeSpriteFile(images));
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path dir_;
};
