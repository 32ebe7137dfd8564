#include "battle/hits.h"

#include "battle/battle_state.h"
#include "battle/crates.h"
#include "battle/fortress.h"
#include "battle/placement.h"
#include "core/player.h"
#include "core/random.h"
#include "core/settings.h"
#include "gfx/overlap.h"
#include "weapons/projectile.h"
#include "weapons/weapon_specs.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"

namespace {

// The picture a pass tests with, fixed at the start of the pass even when a test explodes it.
struct Probe {
    const ImageEntry& image;
    int x;  // top-left
    int y;

    bool touches(const ImageEntry& other, int ox, int oy) const {
        return ImagesOverlap(image, x, y, other, ox, oy);
    }
};

void explode(Projectile& p) {
    p.state = HIT;
    p.frame = 0;
    p.imageBase = weaponSpecs[p.kind].explosionImage;
}

bool passesEverything(const Projectile& p) { return weaponSpecs[p.kind].passesFortresses; }

// The shield and fortress tests against player i; the fortress of the player on turn is spared
// while `spareShooter`.
void testPlayer(Projectile& p, const Probe& probe, int i, bool spareShooter) {
    Player& target = players[i];
    const int x = static_cast<int>(target.x);
    const int y = static_cast<int>(target.y);
    if (target.shieldHits > 0 && i != currentPlayer &&
        probe.touches(raznoe[animCounters.shieldFrame], x - 20, y - 35)) {
        --target.shieldHits;
        explode(p);
    }
    if (spareShooter && i == currentPlayer) return;
    if (probe.touches(raznoe[FORTRESS_PICTURE + i], x, y)) explode(p);
}

void testCrates(Crates& crates, Projectile& p, const Probe& probe) {
    for (Crate& crate : crates) {
        if (crate.kind == 0) continue;
        if (!probe.touches(raznoe[crateImage(crate)], static_cast<int>(crate.x), static_cast<int>(crate.y)))
            continue;
        explode(p);
        giveCrateReward(crate.kind);
        crate = Crate{};
    }
}

void resolveFlying(Crates& crates, Projectile& p, const Probe& probe) {
    if (probe.touches(raznoe[LANDSCAPE_IMAGE], 0, 0) && weaponSpecs[p.kind].bounceRadius == 0) explode(p);
    if (passesEverything(p)) return;
    for (int i = 0; i < numPlayers; ++i) testPlayer(p, probe, i, p.graceTicks != 0);
    testCrates(crates, p, probe);
}

void resolveLaunching(Projectile& p, const Probe& probe) {
    if (probe.touches(raznoe[LANDSCAPE_IMAGE], 0, 0)) explode(p);
    if (passesEverything(p)) return;
    for (int i = 0; i < numPlayers; ++i)
        if (i != currentPlayer) testPlayer(p, probe, i, false);
}

}  // namespace

void resolveHits(Crates& crates) {
    for (Projectile& p : projectiles) {
        if (p.kind == 0 || (p.state != FLYING && p.state != LAUNCHING)) continue;
        const ImageEntry& image = raznoe[projectileImage(p)];
        const Probe probe{image, static_cast<int>(p.x) - image.width / 2,
                          static_cast<int>(p.y) - image.height / 2};
        if (p.state == FLYING)
            resolveFlying(crates, p, probe);
        else
            resolveLaunching(p, probe);
    }
}
