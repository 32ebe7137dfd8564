// Reading sprite files: the image table of a file and its run-length coded pixel stream, decoded
// into the loader's temporary arrays and one pixel buffer.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

constexpr int SPRITE_FILE_MAX_IMAGES = 1024;

// The loader's state for one file. widths, heights and offsets hold SPRITE_FILE_MAX_IMAGES entries;
// an image of width 0 ends the file. Every image of non-zero width lies inside pixels.
struct SpriteSheet {
    std::vector<std::uint16_t> widths;
    std::vector<std::uint16_t> heights;
    std::vector<std::uint32_t> offsets;
    std::vector<std::uint16_t> pixels;  // converted to the display layout
};

// Decodes the bytes of the sprite file fileName into sheet (whose three arrays are already
// allocated), converting pixels to pixelFormat (1 = 5-5-5, 2 = 5-6-5). Returns the message for the
// user ("no memory 1" or "bad sprite file <name>: <reason>"), or an empty string when the file is
// sound. A file that cannot be read at all leaves every width 0;
// an image that would need pixels the stream does not hold is cleared to width 0, which ends
// the file at that image.
std::string decodeSpriteFile(std::span<const std::uint8_t> bytes, const char* fileName, int pixelFormat,
                             SpriteSheet& sheet);

// Opens fileName in the working directory and decodes it; every problem is reported with errorBox
// ("no open load", "no memory 1", "bad sprite file ..."), leaving only the sound images.
void LoadSpriteFile(const char* fileName, SpriteSheet& sheet);
