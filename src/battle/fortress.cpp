#include "battle/fortress.h"

#include "audio/sound_system.h"
#include "battle/battle_state.h"
#include "battle/placement.h"
#include "core/player.h"
#include "core/random.h"
#include "core/settings.h"
#include "core/sounds.h"
#include "gfx/draw.h"
#include "gfx/overlap.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"

namespace {

constexpr int GROUND_PROBE_DY = 44;
constexpr float FALL_STEP = 0.2f;
constexpr float FALL_RESTART = 15.0f;

}  // namespace

int groundProbesTouching(float x, float y) {
    const int ix = static_cast<int>(x);
    const int iy = static_cast<int>(y) + GROUND_PROBE_DY;
    int touching = 0;
    for (int k = 0; k < 4; ++k)
        touching += ImagesOverlap(raznoe[FORTRESS_GROUND_PROBE + k], ix, iy, raznoe[LANDSCAPE_IMAGE], 0, 0);
    return touching;
}

void placeFortresses() {
    buildLandscape(levelRecords.record(battleState.levelIndex), battleState.scenery);
    standFortresses();
}

void standFortresses() {
    for (int i = 0; i < numPlayers; ++i) {
        Player& p = players[i];
        p.x = p.y = p.fallSpeed = 0;
        p.isDead = p.damage = p.shieldHits = 0;
    }
    // The search gives up its random tries after a bound and then still places every fortress.
    const FortressPlacement placement =
        searchFortressSpots(raznoe[LANDSCAPE_IMAGE], gameFortressProbes(), numPlayers);
    for (int i = 0; i < numPlayers; ++i) {
        players[i].x = placement.spots[i].x;
        players[i].y = placement.spots[i].y;
    }
}

void restoreFortressImages() {
    for (int i = 0; i < numPlayers; ++i) {
        if (static_cast<int>(players[i].y) == 0) continue;
        DrawImage(raznoe[FORTRESS_PICTURE + i].surface.get(), raznoe[FORTRESS_IMAGE], 0, 0);
    }
}

void fortressFallSpeed() {
    for (int i = 0; i < numPlayers; ++i) {
        Player& p = players[i];
        if (groundProbesTouching(p.x, p.y) >= 2)
            p.fallSpeed = 0;
        else if (p.fallSpeed < FALL_RESTART)
            p.fallSpeed += FALL_STEP;
        else
            p.fallSpeed = 0;
    }
}

void fortressFall() {
    for (int i = 0; i < numPlayers; ++i) players[i].y += players[i].fallSpeed;
}

void checkDeaths() {
    for (int i = 0; i < numPlayers; ++i) {
        Player& p = players[i];
        if (p.isDead != 0 || p.damage <= DESTROYING_DAMAGE) continue;
        p.isDead = 1;
        playSoundEffect(DESTRUCTION_SOUND);
    }
}
