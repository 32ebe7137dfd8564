// The player records the whole game shares.
#pragma once

#include <cstdint>
#include <string>

#include "core/weapons.h"

constexpr int MAX_PLAYERS = 5;

struct Player {
    float x = 0;          // world x of the fortress picture's left edge
    float y = 0;          // world y of its top edge; truncated 0 means not placed
    float fallSpeed = 0;  // pixels per frame while falling
    std::int16_t colour = 0;
    std::int16_t isComputer = 0;
    std::int16_t remotePeer = 0;  // online: the joined machine that plays this player; 0 none
    std::int16_t isDead = 0;
    std::int16_t damage = 0;
    std::int16_t shieldHits = 0;
    std::int16_t ammo[WEAPON_COUNT] = {};
    std::string name;
    std::int32_t money = 0;
    std::int32_t wins = 0;
};

extern Player players[MAX_PLAYERS];
