#include "gfx/text.h"

#include "core/settings.h"
#include "gfx/display.h"
#include "platform/font.h"

namespace {

void drawLine(int x, int y, std::string_view text, std::uint32_t color, bool centered) {
    if (!backBuffer) return;
    Surface& target = *backBuffer;
    platform::get().font().draw(target.pixels.data(), target.width, target.height, target.pitch, pixelFormat,
                                static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y), text, color,
                                centered);
}

}  // namespace

void DrawText(int x, int y, std::string_view text, std::uint32_t color) {
    drawLine(x, y, text, color, false);
}

void DrawTextCentered(int x, int y, std::string_view text, std::uint32_t color) {
    drawLine(x, y, text, color, true);
}
