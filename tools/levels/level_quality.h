// How good a battlefield a level makes: the measures and limits the level search selects by and
// the tests hold every shipped level to. Everything runs the game's own cut and placement.
#pragma once

#include <cstdint>
#include <vector>

#include "world/level_file.h"

// Rows counted as the sky band: no ground wanted there.
constexpr int SKY_BAND_ROWS = 96;
// Pieces thinner than this many pixels count as slivers.
constexpr int SLIVER_WIDTH = 5;
// Random tries a fortress of five may need, on every seed, for the level to pass.
constexpr int GOOD_PLACEMENT_ATTEMPTS = 100;

enum class LevelShape { Hills, Canyon, Overhangs, Islands };

struct LevelQuality {
    double ground = 0;        // share of the world that is ground
    double skyBandGround = 0; // share of the sky band that is ground
    double slivers = 0;       // share of the ground that an opening by a SLIVER_WIDTH square removes
    int islands = 0;          // pieces of ground of 1% of the world or more that do not reach the bottom
    double overhangs = 0;     // share of columns with sky under ground that lies over more ground
    int canyonDepth = 0;      // deepest notch of the skyline, in pixels below its shoulders
    int placementAttempts = 0;  // most random tries any fortress of five needed, over the seeds
    bool placementFallback = false;
};

// The terrain of a level as a mask (1 = ground), row-major 1536 x 768, cut by cutTerrain.
std::vector<std::uint8_t> terrainMask(const LevelRecord& level);

// Measures a level; placement is tried with five players from placementSeeds generator states.
LevelQuality measureLevel(const LevelRecord& level, int placementSeeds);

bool isGoodBattlefield(const LevelQuality& q);
LevelShape shapeOf(const LevelQuality& q);
const char* shapeName(LevelShape shape);
