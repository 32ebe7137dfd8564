// A small battle world built by hand: an empty or partly solid landscape, solid fortresses and
// solid test pictures, the flight programs and an empty pool. No generated art is needed.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "../test_platform.h"
#include "battle/battle_state.h"
#include "battle/battle.h"
#include "core/input.h"
#include "core/player.h"
#include "core/settings.h"
#include "gfx/images.h"
#include "weapons/flight_program.h"
#include "weapons/projectile.h"
#include "weapons/weapon_specs.h"
#include "world/damage.h"
#include "world/world.h"

inline void setSolidImage(int index, int width, int height, std::uint16_t value = 0x7FFF) {
    ImageEntry& entry = raznoe[index];
    entry.surface = std::make_unique<Surface>(width, height);
    std::fill(entry.surface->pixels.begin(), entry.surface->pixels.end(), value);
    entry.width = static_cast<std::uint16_t>(width);
    entry.height = static_cast<std::uint16_t>(height);
}

inline Surface& landscape() { return *raznoe[LANDSCAPE_IMAGE].surface; }

// Ground in rows top..bottom-1 over the whole width.
inline void fillGround(int top, int bottom, std::uint16_t value = 0x2222) {
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < WORLD_WIDTH; ++x) landscape().row(y)[x] = value;
}

// One frame of the battle loop as far as the projectiles go.
inline void frame() {
    stepProjectiles(battleState.frameThird);
    battleState.frameThird = static_cast<std::uint8_t>((battleState.frameThird + 1) % 3);
}
inline void frames(int n) {
    for (int i = 0; i < n; ++i) frame();
}

class WeaponsWorld : public ::testing::Test {
protected:
    void SetUp() override {
        if (!raznoe) {
            ASSERT_TRUE(AllocateImageTables());
        }
        setSolidImage(LANDSCAPE_IMAGE, WORLD_WIDTH, WORLD_HEIGHT, 0);
        for (int i = 0; i < MAX_PLAYERS; ++i) {
            players[i] = Player{};
            players[i].ammo[0] = UNLIMITED_AMMO;
            setSolidImage(9 + i, 80, 40);
        }
        numPlayers = 2;
        currentPlayer = 0;
        selectedWeapon = 0;
        directTargetSet = 0;
        shotPower = 0;
        inputState.leftButton = 0;
        screenHeight = 480;
        battleState.shotFired = 0;
        battleState.turnEndDelay = 0;
        battleState.frameThird = 0;
        buildFlightPrograms();
        clearProjectiles();
    }

    TestPlatform platform;
    Battle battle;  // fresh for every test
};
