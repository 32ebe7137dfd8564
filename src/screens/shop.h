// The shop between battles, where every player in turn buys weapons with the money earned.
#pragma once

#include <array>
#include <cstdint>

#include "core/player.h"

// By weapon index; weapon 0 (MISSILE) is never sold.
extern const std::array<std::int32_t, WEAPON_COUNT> WEAPON_PRICES;

extern std::uint16_t shopChoice;  // a weapon on the shelf: 1..WEAPON_COUNT - 1
extern std::int32_t shopDelay;    // frames the computer buyer waits

void drawShopScreen();
void humanShopStep();
void computerShopStep();
