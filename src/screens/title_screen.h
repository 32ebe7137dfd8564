// The title screen's text and background.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

constexpr int TITLE_LINE_COUNT = 15;
extern const std::array<std::string_view, TITLE_LINE_COUNT> TITLE_LINES;

// The web page and e-mail lines stand out from the rest.
std::uint32_t titleLineColour(int line);

// Twenty bands from red at the top towards blue, and a dark strip along the bottom.
void drawTitleBackground();
