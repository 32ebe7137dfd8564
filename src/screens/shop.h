// The shop between battles, where every player in turn buys weapons with the money earned.
#pragma once

#include <array>
#include <cstdint>

#include "core/config_file.h"
#include "core/player.h"

// By weapon index; weapon 0 (MISSILE) is never sold.
extern const std::array<std::int32_t, WEAPON_COUNT> WEAPON_PRICES;

// The shelf holds every weapon but MISSILE, which is never sold.
constexpr int FIRST_ON_SHELF = weapon::MISSILE + 1;

// What one round of the shop keeps from frame to frame; shopRound holds it.
struct ShopState {
    std::uint16_t shopChoice = FIRST_ON_SHELF;  // a weapon on the shelf: FIRST_ON_SHELF..WEAPON_COUNT - 1
    std::int32_t shopDelay = 0;                 // frames the computer buyer waits
};

// True for a weapon fewer than two others cost more than: the two dearest, which easy never buys.
bool amongTwoDearest(int weapon);
// What a computer buyer with `skill` buys next with its money (draws from the game's generator).
int computerPurchase(const Player& p, ComputerSkill skill);

void drawShopScreen(const ShopState& shop);
void humanShopStep(ShopState& shop);
void computerShopStep(ShopState& shop);
