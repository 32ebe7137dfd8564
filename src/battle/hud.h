// The battle's HUD: the weapon bar, the power bar and the text lines.
#pragma once

#include <cstdint>

constexpr int WEAPON_SLOT_IMAGE = 104;

// PackColor of a player's colour, components of 60 passed as they stand.
std::uint32_t playerColourPixel(int colour);
void drawWeaponBar();
void drawHudTexts();
// Text drawn as the HUD draws it: the dark copy at (x, y), the white one a pixel left and lower.
void drawShadowedText(int x, int y, const char* text, bool centred);
