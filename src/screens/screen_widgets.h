// The pieces the menu and the screens share: the mouse pointer, its hit test against a button,
// and text with its shadow.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/pictures.h"
#include "core/sounds.h"
#include "gfx/images.h"

// The menu plays HOVER_SOUND; every button and key the screens take plays CLICK_SOUND.

// The pointer picture centred on the pointer, clipped to the screen.
void drawPointer();
// Whether the pointer's hit image, at (cursor - 4, cursor - 4), touches image placed at (x, y).
bool pointerOn(const ImageEntry& image, int x, int y);
// The shadow at (x, y), the text one pixel up and to the left; both centred on x.
void drawShadowedText(int x, int y, std::string_view text, std::uint32_t shadowColour,
                      std::uint32_t textColour);
