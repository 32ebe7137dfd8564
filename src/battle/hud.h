// The battle's HUD: the weapon bar, the power bar and the text lines.
#pragma once

#include <cstdint>

#include "core/pictures.h"

// The weapon bar: slot k's WEAPON_SLOT_IMAGE stands at (weaponSlotX(k), screen height - WEAPON_BAR_RISE).
constexpr int WEAPON_SLOT_STEP = 24;
constexpr int WEAPON_BAR_RISE = 30;
constexpr int weaponSlotX(int k) { return WEAPON_SLOT_STEP * k + 10; }

// PackColor of a player's colour, components of 60 passed as they stand.
std::uint32_t playerColourPixel(int colour);
// The player's colour at full strength (the aids' traces, arrows and bars).
std::uint32_t playerBrightPixel(int colour);
// The power bar's top-left corner.
int powerBarX();
int powerBarY();
void drawWeaponBar();
void drawHudTexts();
// Text drawn as the HUD draws it: the dark copy at (x, y), the white one a pixel left and lower;
// with the aids, dark copies all round the white one.
void drawShadowedText(int x, int y, const char* text, bool centred);
