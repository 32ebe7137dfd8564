// The game font: a bold sans-serif face drawn into 16-bit pixels with a transparent background.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

class FontRenderer {
public:
    virtual ~FontRenderer() = default;
    // Opens the face at the size whose cell height (ascent + descent) is cellHeight pixels;
    // 0 means the face's default size. False when no face could be found.
    virtual bool open(int cellHeight) = 0;
    // Draws text with the top of its cells at y and its left edge at x (or centred on x), only the
    // glyph pixels; colour is 0x00BBGGRR, pixelFormat 1 = 5-5-5, 2 = 5-6-5. Nothing outside
    // the surface is touched.
    virtual void draw(std::uint16_t* pixels, int width, int height, int pitch, int pixelFormat,
                      int x, int y, std::string_view text, std::uint32_t color, bool centered) = 0;
};

// SDL2_ttf with the face found through fontconfig ("Arial" bold, then DejaVu Sans Bold, then
// whatever bold sans face fontconfig offers).
std::unique_ptr<FontRenderer> createTtfFont();
// The file of that face; empty when there is none.
std::string gameFontFile();

}  // namespace platform
