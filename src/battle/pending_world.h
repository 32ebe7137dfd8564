// PENDING: the world branch's declarations the battle uses, repeated here until that branch is
// merged. At the merge this header is deleted and its includers take battle/random.h,
// battle/placement.h, world/world.h, world/landscape.h and world/level_file.h instead.
#pragma once

#include <cstdint>

#include "battle/player.h"
#include "gfx/images.h"

constexpr int WORLD_WIDTH = 1536;
constexpr int WORLD_HEIGHT = 768;
constexpr int LANDSCAPE_IMAGE = 1;
constexpr int TILE_WIDTH = 256;
constexpr int TILE_HEIGHT = 192;
constexpr int TILE_COLUMNS = WORLD_WIDTH / TILE_WIDTH;
constexpr int TILE_ROWS = WORLD_HEIGHT / TILE_HEIGHT;

std::int32_t gameRand();
std::int32_t randScaled(std::int32_t n);
std::uint32_t gameRandState();
void setGameRandState(std::uint32_t state);

struct LevelRecord {
    float xMin = 0;
    float yMin = 0;
    float xMax = 0;
    float yMax = 0;
    float cRe = 0;
    float cIm = 0;
    std::uint16_t maxIter = 0;
};
constexpr int LEVEL_COUNT = 1000;
struct LevelTable {
    LevelRecord record(int index) const;
};
extern LevelTable levelRecords;
void loadLevels();
void buildLandscape(const LevelRecord& level, int scenery);

struct FortressProbes {
    const ImageEntry* top = nullptr;
    const ImageEntry* ground[4] = {};
};
struct FortressSpot {
    float x = 0;
    float y = 0;
};
struct FortressPlacement {
    FortressSpot spots[MAX_PLAYERS];
    int attempts[MAX_PLAYERS] = {};
    bool usedFallback = false;
};
FortressProbes gameFortressProbes();
constexpr int PLACEMENT_ATTEMPTS = 500;
FortressPlacement searchFortressSpots(const ImageEntry& landscape, const FortressProbes& probes,
                                      int playerCount, int attemptLimit = PLACEMENT_ATTEMPTS);
