// A built-in 5 x 7 bitmap font for the labels inside pictures, drawn as chunky shapes (each font
// cell a slightly rounded square) so that it takes outlines and gradients like any other shape.
#pragma once

#include <string_view>

#include "datagen/canvas.h"

namespace datagen {

// Whether cell (row 0..6, column 0..4) of a character's glyph is lit.
bool glyphCell(char c, int row, int column);
// Width in pixels of a text drawn with cells of `cell` pixels.
float textWidth(std::string_view text, float cell);
// The text as a shape, its top-left corner at (x, y).
Sdf textShape(std::string_view text, float x, float y, float cell);
// Draws the text centred on (cx, cy) with a dark outline.
void drawLabel(Canvas& canvas, std::string_view text, float cx, float cy, float cell, const Paint& paint,
               float outlineWidth = 1.0f);

}  // namespace datagen
