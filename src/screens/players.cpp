// The player table at start-up and at every new game.
#include <string>

#include "core/player.h"
#include "screens/screens.h"

namespace {

// What every game starts from; names and roles are not touched.
void clearForGame(Player& p, int index) {
    p.x = 0;
    p.y = 0;
    p.fallSpeed = 0;
    p.colour = static_cast<std::int16_t>(index);
    p.isDead = 0;
    p.damage = 0;
    p.shieldHits = 0;
    p.money = 0;
    p.wins = 0;
}

}  // namespace

void initPlayers() {
    for (int i = 0; i < MAX_PLAYERS; ++i) {
        Player& p = players[i];
        clearForGame(p, i);
        p.isComputer = 0;
        for (std::int16_t& stock : p.ammo) stock = 0;
        p.ammo[weapon::MISSILE] = UNLIMITED_AMMO;
        p.name = "NONAME 0" + std::to_string(i + 1);
    }
}

void newGameReset() {
    for (int i = 0; i < MAX_PLAYERS; ++i) {
        Player& p = players[i];
        clearForGame(p, i);
        p.remotePeer = 0;
        for (int w = 0; w < WEAPON_COUNT; ++w) p.ammo[w] = WEAPONS[static_cast<std::size_t>(w)].startAmmo;
    }
}
