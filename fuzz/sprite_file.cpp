// libFuzzer target for the sprite-file decoder: any bytes, both pixel layouts. Beyond the
// sanitizers' own checks it traps when an image the table loader would copy reaches past the
// decoded pixels.
#include "gfx/sprite_file.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SpriteSheet sheet;
    sheet.widths.assign(SPRITE_FILE_MAX_IMAGES, 0);
    sheet.heights.assign(SPRITE_FILE_MAX_IMAGES, 0);
    sheet.offsets.assign(SPRITE_FILE_MAX_IMAGES, 0);
    for (int pixelFormat : {1, 2}) {
        decodeSpriteFile(std::span<const std::uint8_t>(data, size), "fuzz.spr", pixelFormat, sheet);
        for (int i = 0; i < SPRITE_FILE_MAX_IMAGES && sheet.widths[i] != 0; ++i) {
            const std::uint64_t end =
                std::uint64_t{sheet.offsets[i]} + std::uint64_t{sheet.widths[i]} * sheet.heights[i];
            if (end > sheet.pixels.size()) __builtin_trap();
        }
        for (std::uint16_t pixel : sheet.pixels)
            if (pixelFormat == 1 && (pixel & 0x8000) != 0) __builtin_trap();
    }
    return 0;
}
