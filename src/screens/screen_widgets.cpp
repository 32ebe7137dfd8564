#include "screens/screen_widgets.h"

#include "core/input.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/overlap.h"
#include "gfx/text.h"

void drawPointer() {
    const ImageEntry& picture = raznoe[POINTER_IMAGE];
    const platform::Point at = pointer();
    DrawImageClipped(backBuffer, picture, at.x - picture.width / 2, at.y - picture.height / 2);
}

bool pointerOn(const ImageEntry& image, int x, int y) {
    // The cursor's coordinates are taken as signed 16-bit values.
    return ImagesOverlap(raznoe[POINTER_HIT_IMAGE], static_cast<std::int16_t>(pointer().x - 4),
                         static_cast<std::int16_t>(pointer().y - 4), image, x, y);
}

void drawShadowedText(int x, int y, std::string_view text, std::uint32_t shadowColour,
                      std::uint32_t textColour) {
    DrawTextCentered(x, y, text, shadowColour);
    DrawTextCentered(x - 1, y - 1, text, textColour);
}
