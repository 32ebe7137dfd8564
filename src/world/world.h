// The world's geometry and the pictures that hold it.
#pragma once

#include "core/pictures.h"

constexpr int WORLD_WIDTH = 1536;
constexpr int WORLD_HEIGHT = 768;

// LANDSCAPE_IMAGE (core/pictures.h) is what the battle sees (every collision test reads it),
// TERRAIN_IMAGE the bare terrain.

// The landscape is drawn from fon 0..23: tile k = TILE_COLUMNS * row + column.
constexpr int TILE_WIDTH = 256;
constexpr int TILE_HEIGHT = 192;
constexpr int TILE_COLUMNS = WORLD_WIDTH / TILE_WIDTH;
constexpr int TILE_ROWS = WORLD_HEIGHT / TILE_HEIGHT;
