#include "gfx/sprite_writer.h"

#include <algorithm>
#include <stdexcept>

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> encodeSpriteFile(std::span<const SpriteImage> images) {
    std::vector<std::uint8_t> out;
    put32(out, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = 0;
    for (const SpriteImage& image : images) {
        if (image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
            throw std::invalid_argument("sprite image pixel count does not match its size");
        put16(out, image.width);
        put16(out, image.height);
        put32(out, offset);
        offset += static_cast<std::uint32_t>(image.pixels.size());
    }

    // Pixels of all images back to back, coded as literals or (0x8000 + count, value) runs. Runs
    // may cross image boundaries: the stream is one array.
    std::vector<std::uint16_t> all;
    all.reserve(offset);
    for (const SpriteImage& image : images) all.insert(all.end(), image.pixels.begin(), image.pixels.end());

    std::size_t i = 0;
    while (i < all.size()) {
        const std::uint16_t value = all[i] & 0x7FFF;
        std::size_t run = 1;
        while (i + run < all.size() && (all[i + run] & 0x7FFF) == value && run < 0x7FFF) ++run;
        if (run >= 3) {
            put16(out, static_cast<std::uint16_t>(0x8000 + run));
            put16(out, value);
        } else {
            for (std::size_t k = 0; k < run; ++k) put16(out, value);
        }
        i += run;
    }
    return out;
}
