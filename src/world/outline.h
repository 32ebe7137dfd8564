// The edge line around the cut terrain.
#pragma once

#include <cstdint>

#include "gfx/surface.h"

// Paints every ground pixel next to sky, and its left and upper neighbours, in colour. Works in
// place, row by row, so later tests see earlier paint; reads only the low byte of each pixel.
// A surface smaller than the world is left alone.
void outlineTerrain(Surface& terrain, std::uint16_t colour);

// The battle's outline, on TERRAIN_IMAGE, in the edge colour of scenery.
void outlineTerrain(int scenery);
