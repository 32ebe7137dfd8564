// Text on the back buffer in the game font, transparent background. Colour is 0x00BBGGRR;
// x and y are taken as unsigned 16-bit values.
#pragma once

#include <cstdint>
#include <string_view>

extern int fontHeight;

void DrawText(int x, int y, std::string_view text, std::uint32_t color);
void DrawTextCentered(int x, int y, std::string_view text, std::uint32_t color);
