// PENDING: stand-ins for what the weapons, computer/shop and world branches bring; deleted when
// those branches are merged. Just enough for a battle to run to its end by time: turns do
// nothing, nothing ever flies, the results and the shop return at once.
#include <algorithm>

#include "battle/computer.h"
#include "battle/fortress.h"
#include "battle/pending_world.h"
#include "battle/turns.h"
#include "screens/screens.h"
#include "weapons/projectile.h"
#include "weapons/weapon_specs.h"

// --- weapons ---
Projectile projectiles[MAX_PROJECTILES];
float directTargetX = 0;
float directTargetY = 0;

void clearProjectiles() { std::fill(std::begin(projectiles), std::end(projectiles), Projectile{}); }
void stepProjectiles() {}
void humanTurnStep() {}
void endTurnStep() {}
int activeProjectileCount() {
    return static_cast<int>(std::count_if(std::begin(projectiles), std::end(projectiles),
                                          [](const Projectile& p) { return p.kind != 0; }));
}
int projectileImage(const Projectile& p) {
    const WeaponSpec& w = weaponSpecs[p.kind];
    if (p.state == FLYING) return w.flightFrames[p.imageBase] + p.frame;
    if (p.state == LAUNCHING) return w.launchImage + p.frame;
    return w.explosionImage + p.frame;
}

namespace {
constexpr WeaponSpec spec(std::uint16_t flight, std::uint16_t launch, std::uint16_t explosion,
                          std::uint16_t bounce) {
    WeaponSpec w{};
    for (std::uint16_t& f : w.flightFrames) f = flight;
    w.launchImage = launch;
    w.explosionImage = explosion;
    w.bounceRadius = bounce;
    return w;
}
}  // namespace

const std::array<WeaponSpec, KIND_COUNT> weaponSpecs{
    spec(0, 0, 0, 0),       spec(106, 106, 16, 0),  spec(147, 380, 25, 0), spec(183, 183, 22, 7),
    spec(327, 327, 30, 11), spec(203, 357, 18, 0),  spec(365, 375, 25, 0), spec(0, 0, 0, 0),
    spec(259, 249, 260, 0), spec(271, 361, 28, 13), spec(291, 291, 30, 0), spec(379, 379, 16, 0)};
const std::array<std::uint16_t, 10> WEAPON_ICONS{106, 382, 183, 327, 358, 376, 445, 250, 362, 291};

// --- computer player, results and shop ---
std::int16_t aiAimed = 0;
std::int16_t aiSpeedStep = 4;
float aiBestMiss = 1000000.0f;
std::int16_t aiBestSpeed = 0;
float aiVx = 0;
float aiVy = 0;
void resetComputerSearch() {}
void computerTurnStep() {}
void showResults() {}
int shopRound() { return 0; }

// --- world ---
namespace {
thread_local std::uint32_t randState = 1;
}
std::int32_t gameRand() {
    randState = randState * 214013u + 2531011u;
    return static_cast<std::int32_t>((randState >> 16) & 0x7FFF);
}
std::int32_t randScaled(std::int32_t n) { return gameRand() * n / 32767; }
std::uint32_t gameRandState() { return randState; }
void setGameRandState(std::uint32_t state) { randState = state; }

LevelTable levelRecords;
void loadLevels() {}
LevelRecord LevelTable::record(int) const { return {}; }
// Flat ground over the lower half of the world.
void buildLandscape(const LevelRecord&, int) {
    Surface* land = raznoe[LANDSCAPE_IMAGE].surface.get();
    if (!land || land->width != WORLD_WIDTH || land->height != WORLD_HEIGHT) {
        raznoe[LANDSCAPE_IMAGE].surface = std::make_unique<Surface>(WORLD_WIDTH, WORLD_HEIGHT);
        raznoe[LANDSCAPE_IMAGE].width = WORLD_WIDTH;
        raznoe[LANDSCAPE_IMAGE].height = WORLD_HEIGHT;
        land = raznoe[LANDSCAPE_IMAGE].surface.get();
    }
    for (int y = 0; y < WORLD_HEIGHT; ++y) std::fill_n(land->row(y), WORLD_WIDTH, y >= 500 ? 0x4208 : 0);
}
FortressProbes gameFortressProbes() {
    FortressProbes probes;
    probes.top = &raznoe[FORTRESS_TOP_PROBE];
    for (int k = 0; k < 4; ++k) probes.ground[k] = &raznoe[FORTRESS_GROUND_PROBE + k];
    return probes;
}
// Evenly spread, settled down onto the ground.
FortressPlacement searchFortressSpots(const ImageEntry&, const FortressProbes&, int playerCount, int) {
    FortressPlacement result;
    for (int i = 0; i < playerCount; ++i) {
        FortressSpot& s = result.spots[i];
        s.x = 40.0f + 1375.0f * static_cast<float>(i) / static_cast<float>(std::max(1, playerCount - 1));
        s.y = 10.0f;
        while (static_cast<int>(s.y) <= WORLD_HEIGHT && groundProbesTouching(s.x, s.y) < 2) s.y += 10.0f;
    }
    return result;
}
