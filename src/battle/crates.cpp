#include "battle/crates.h"

#include <cmath>
#include <cstdio>

#include "battle/battle_state.h"
#include "battle/placement.h"
#include "core/globals.h"
#include "core/player.h"
#include "core/random.h"
#include "core/settings.h"
#include "gfx/overlap.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"

namespace {

constexpr int MESSAGE_TICKS = 100;

// A new crate must not fall onto a fortress nor next to another crate's x (free slots count
// with their cleared x of 0).
bool crateSpotTaken(const Crates& crates, int slot) {
    const float x = crates[slot].x;
    for (int other = 0; other < MAX_CRATES; ++other)
        if (other != slot && std::fabs(crates[other].x - x) <= 30.0f) return true;
    for (int i = 0; i < numPlayers; ++i)
        if (x >= players[i].x - 30.0f && x <= players[i].x + 86.0f) return true;
    return false;
}

void showRewardMessage(const Player& p, const char* what) {
    battleState.message = p.name + " : " + what;
    battleState.messageTime = MESSAGE_TICKS;
}

}  // namespace

void clearCrates(Crates& crates) {
    for (Crate& crate : crates) crate = Crate{};
}

int crateImage(const Crate& crate) { return animCounters.crateFrame + CRATE_FRAMES * (crate.kind - 1); }

void spawnCrate(Crates& crates) {
    if (randScaled(5000) >= 3) return;
    int slot = 0;
    while (slot < MAX_CRATES && crates[slot].kind != 0) ++slot;
    if (slot == MAX_CRATES) return;
    Crate& crate = crates[slot];
    crate.x = static_cast<float>(60.0 + gameRand() * 0.042725913);
    crate.y = -24.0f;
    crate.fallSpeed = 0;
    crate.kind = static_cast<std::int8_t>(randScaled(2) + 1);
    if (crateSpotTaken(crates, slot)) crate = Crate{};
}

void crateFall(Crates& crates) {
    const ImageEntry& probe = raznoe[CRATE_PROBE_IMAGE];
    for (Crate& crate : crates) {
        if (crate.kind == 0) continue;
        crate.fallSpeed += 0.1f;
        if (ImagesOverlap(probe, static_cast<int>(crate.x), static_cast<int>(crate.y) + 22,
                          raznoe[LANDSCAPE_IMAGE], 0, 0))
            crate.fallSpeed = 0;
        crate.y += crate.fallSpeed;
    }
}

void giveCrateReward(int kind) {
    Player& p = players[currentPlayer];
    if (kind == 1) {
        const int amount = randScaled(1000) + 1000;
        p.money += amount;
        char text[16];
        std::snprintf(text, sizeof text, "%i$", amount);
        showRewardMessage(p, text);
    } else if (kind == 2) {
        // The weapon whose crateDraws hold the draw.
        const int r = randScaled(CRATE_DRAW_SCALE);
        for (int w = 0; w < WEAPON_COUNT; ++w) {
            if (!WEAPONS[static_cast<std::size_t>(w)].crateDraws.has(r)) continue;
            ++p.ammo[w];
            showRewardMessage(p, weaponNames[static_cast<std::size_t>(w)].c_str());
            break;
        }
    }
}
