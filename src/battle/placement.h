// Where the fortresses stand at a battle's start: the search of placeFortresses, shared by the
// battle and the level search tool.
#pragma once

#include "core/player.h"
#include "gfx/images.h"

// Random tries per fortress before the fallback scan takes over. Every shipped level places five
// fortresses within a fifth of it; the limit only matters on a landscape with no valid spot,
// where the search used to run for ever.
constexpr int PLACEMENT_ATTEMPTS = 500;

struct FortressProbes {
    const ImageEntry* top = nullptr;               // tested at (x, y + 2): ground there means buried
    const ImageEntry* ground[4] = {};              // tested at (x, y + 44): two touching means standing
};

struct FortressSpot {
    float x = 0;
    float y = 0;
};

struct FortressPlacement {
    FortressSpot spots[MAX_PLAYERS];
    int attempts[MAX_PLAYERS] = {};  // random tries each fortress took (the last one found it)
    bool usedFallback = false;       // some fortress was placed by the fallback scan
};

// The probes of the fortress picture: raznoe 4..8.
FortressProbes gameFortressProbes();

// Places playerCount (1..5) fortresses on landscape. Each fortress first tries random spots
// drawn with gameRand(), settling down in steps of 10 until two ground probes touch, at least
// 80 pixels from every earlier fortress in x and 1000 / playerCount apart. After attemptLimit
// failed tries it takes the spot of a fixed scan that keeps those rules best (the farthest from
// the fortresses already standing), and if the landscape has no spot to stand on at all it
// spreads the fortresses evenly across the top of the world. Every fortress is placed.
FortressPlacement searchFortressSpots(const ImageEntry& landscape, const FortressProbes& probes, int playerCount,
                                      int attemptLimit = PLACEMENT_ATTEMPTS);
