// Copies between 16-bit surfaces: whole or part images, keyed (pixel 0 transparent) or opaque,
// all-or-nothing or clipped to fixed bounds; the scaled copy and the framed panel.
#pragma once

#include <cstdint>

#include "gfx/images.h"

// All-or-nothing: x, y and the source edges are taken as unsigned 16-bit values; nothing is drawn
// unless the rectangle lies wholly inside dest.
void DrawImage(Surface* dest, const ImageEntry& image, int x, int y);
void DrawImageOpaque(Surface* dest, const ImageEntry& image, int x, int y);
void DrawImagePart(Surface* dest, const ImageEntry& image, int x, int y, int srcLeft, int srcTop, int srcRight,
                   int srcBottom);
void DrawImagePartOpaque(Surface* dest, const ImageEntry& image, int x, int y, int srcLeft, int srcTop,
                         int srcRight, int srcBottom);

// Keyed, clipped to 0..screenWidth x 0..screenHeight, 0..1536 x 0..768 and 0..1024 x 0..768;
// x and y are taken as signed 16-bit values.
void DrawImageClipped(Surface* dest, const ImageEntry& image, int x, int y);
void DrawImageClippedWorld(Surface* dest, const ImageEntry& image, int x, int y);
void DrawImageClipped1024(Surface* dest, const ImageEntry& image, int x, int y);

// The whole source onto the whole dest, nearest pixel, no key.
void StretchImage(Surface* dest, const Surface* src);

void DrawPanel(Surface* dest, int x, int y, int width, int height);
void BuildPanelTexture();
