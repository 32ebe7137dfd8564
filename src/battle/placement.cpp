#include "battle/placement.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "core/random.h"
#include "gfx/overlap.h"

namespace {

constexpr float RAND_FACTOR = 3.051851e-05f;  // the 32-bit float nearest to 1/32767
constexpr int X_BASE = 40;
constexpr int X_RANGE = 1375;
constexpr int Y_BASE = 10;
constexpr int Y_RANGE = 680;
constexpr int LOWEST_Y = 768;
constexpr float SETTLE_STEP = 10.0f;
constexpr int TOP_PROBE_DY = 2;
constexpr int GROUND_PROBE_DY = 44;
constexpr int MIN_X_GAP = 80;
constexpr int FALLBACK_X_STEP = 5;

struct Context {
    const ImageEntry& landscape;
    const FortressProbes& probes;
    int playerCount;
};

bool touches(const Context& c, const ImageEntry* probe, int x, int y) {
    return probe && ImagesOverlap(*probe, x, y, c.landscape, 0, 0);
}

enum class Footing { Standing, Buried, Hanging };

Footing footingAt(const Context& c, float x, float y) {
    const int ix = static_cast<int>(x);
    const int iy = static_cast<int>(y);
    if (touches(c, c.probes.top, ix, iy + TOP_PROBE_DY)) return Footing::Buried;
    int touching = 0;
    for (const ImageEntry* probe : c.probes.ground) touching += touches(c, probe, ix, iy + GROUND_PROBE_DY);
    return touching >= 2 ? Footing::Standing : Footing::Hanging;
}

int truncatedDistance(const FortressSpot& a, const FortressSpot& b) {
    const double dx = static_cast<int>(a.x) - static_cast<int>(b.x);
    const double dy = static_cast<int>(a.y) - static_cast<int>(b.y);
    return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

bool xGapKept(const FortressSpot* placed, int count, float x) {
    for (int j = 0; j < count; ++j)
        if (std::fabs(x - placed[j].x) < MIN_X_GAP) return false;
    return true;
}

// The distance to the nearest placed fortress; a large value when none stands yet.
int nearestDistance(const FortressSpot* placed, int count, const FortressSpot& spot) {
    int nearest = std::numeric_limits<int>::max();
    for (int j = 0; j < count; ++j) nearest = std::min(nearest, truncatedDistance(spot, placed[j]));
    return nearest;
}

// One try of the game's search: a random spot, settled downwards. True when it is valid.
bool tryRandomSpot(const Context& c, const FortressSpot* placed, int count, FortressSpot& spot) {
    spot.x = X_BASE + static_cast<float>(gameRand() * X_RANGE) * RAND_FACTOR;
    spot.y = Y_BASE + static_cast<float>(gameRand() * Y_RANGE) * RAND_FACTOR;
    if (!xGapKept(placed, count, spot.x)) return false;
    for (; static_cast<int>(spot.y) <= LOWEST_Y; spot.y += SETTLE_STEP) {
        switch (footingAt(c, spot.x, spot.y)) {
            case Footing::Buried: return false;
            case Footing::Standing: return nearestDistance(placed, count, spot) >= 1000 / c.playerCount;
            case Footing::Hanging: break;
        }
    }
    return false;
}

// Every spot of a fixed grid where a fortress stands without being buried.
std::vector<FortressSpot> standingSpots(const Context& c) {
    std::vector<FortressSpot> spots;
    for (int x = X_BASE; x <= X_BASE + X_RANGE; x += FALLBACK_X_STEP)
        for (int y = Y_BASE; y <= LOWEST_Y; y += static_cast<int>(SETTLE_STEP))
            if (footingAt(c, static_cast<float>(x), static_cast<float>(y)) == Footing::Standing)
                spots.push_back({static_cast<float>(x), static_cast<float>(y)});
    return spots;
}

// The scanned spot that keeps the rules and lies farthest from the fortresses already placed;
// when none keeps them, the farthest spot regardless; with no spot at all, a place on an even
// spread over the top of the world.
FortressSpot fallbackSpot(const Context& c, const std::vector<FortressSpot>& spots, const FortressSpot* placed, int i) {
    const FortressSpot* best = nullptr;
    bool bestKeepsRules = false;
    int bestDistance = -1;
    for (const FortressSpot& spot : spots) {
        const int distance = nearestDistance(placed, i, spot);
        const bool keepsRules = xGapKept(placed, i, spot.x) && distance >= 1000 / c.playerCount;
        if ((keepsRules && !bestKeepsRules) || (keepsRules == bestKeepsRules && distance > bestDistance)) {
            best = &spot;
            bestKeepsRules = keepsRules;
            bestDistance = distance;
        }
    }
    if (best) return *best;
    const float step = c.playerCount > 1 ? static_cast<float>(X_RANGE) / (c.playerCount - 1) : 0.0f;
    return {X_BASE + step * i, static_cast<float>(Y_BASE)};
}

}  // namespace

FortressProbes gameFortressProbes() {
    FortressProbes probes;
    probes.top = &raznoe[FORTRESS_TOP_PROBE];
    for (int k = 0; k < FORTRESS_GROUND_PROBES; ++k) probes.ground[k] = &raznoe[FORTRESS_GROUND_PROBE + k];
    return probes;
}

FortressPlacement searchFortressSpots(const ImageEntry& landscape, const FortressProbes& probes, int playerCount,
                                      int attemptLimit) {
    FortressPlacement result;
    playerCount = std::clamp(playerCount, 1, MAX_PLAYERS);
    const Context c{landscape, probes, playerCount};
    std::vector<FortressSpot> scanned;
    bool scanDone = false;
    for (int i = 0; i < playerCount; ++i) {
        FortressSpot& spot = result.spots[i];
        int& attempts = result.attempts[i];
        bool found = false;
        while (!found && attempts < attemptLimit) {
            ++attempts;
            found = tryRandomSpot(c, result.spots, i, spot);
        }
        if (found) continue;
        if (!scanDone) {
            scanned = standingSpots(c);
            scanDone = true;
        }
        spot = fallbackSpot(c, scanned, result.spots, i);
        result.usedFallback = true;
    }
    return result;
}
