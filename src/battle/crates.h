// The bonus crates that drop from the sky during a battle.
#pragma once

#include <cstdint>

#include "core/pictures.h"

struct Crate {
    float x = 0;  // left edge
    float y = 0;  // top edge
    float fallSpeed = 0;
    std::int8_t kind = 0;  // 0 free, 1 money, 2 weapon, 3 nothing
};

constexpr int MAX_CRATES = 20;
using Crates = Crate[MAX_CRATES];

void clearCrates(Crates& crates);
void spawnCrate(Crates& crates);
void crateFall(Crates& crates);
// The raznoe picture a crate shows now.
int crateImage(const Crate& crate);
// The reward of a crate hit by the projectile of `currentPlayer`, with its message line.
void giveCrateReward(int kind);
