#include "battle/turns.h"

#include <cmath>

#include "weapons_test_support.h"

namespace {

class Turns : public WeaponsWorld {
protected:
    void SetUp() override {
        WeaponsWorld::SetUp();
        players[0].x = 100;
        players[0].y = 400;  // launch point (140, 410)
        setSolidImage(15, 8, 8);
        setSolidImage(104, 20, 20);
    }

    // Fires weapon w at full power toward the screen point (cx, cy).
    const Projectile& fireFull(int weapon, int cx, int cy) {
        selectedWeapon = static_cast<std::int16_t>(weapon);
        cursorPos = {cx, cy};
        shotPower = 100;
        inputState.leftButton = 0;
        humanTurnStep(battle);
        return projectiles[0];
    }
};

TEST_F(Turns, LaunchSpeedIsThePowerOverTheWeaponsDivisor) {
    const std::pair<int, float> examples[] = {
        {0, 16}, {1, 14}, {2, 14}, {8, 12}};  // top speeds 15, 13, 14, 12
    for (const auto& [weapon, speed] : examples) {
        clearProjectiles();
        players[0].ammo[weapon] = 5;
        const Projectile& shot = fireFull(weapon, 540, 410);
        EXPECT_EQ(shot.kind, weapon + 1);
        EXPECT_EQ(shot.program, weapon);
        EXPECT_FLOAT_EQ(shot.vx, speed) << "weapon " << weapon;
        EXPECT_FLOAT_EQ(shot.vy, 0.0f);
        EXPECT_FLOAT_EQ(shot.x, 140.0f);
        EXPECT_FLOAT_EQ(shot.y, 410.0f);
        EXPECT_EQ(shot.graceTicks, 10);
        EXPECT_EQ(players[0].ammo[weapon], 4);
        EXPECT_EQ(shotPower, 0);
        EXPECT_EQ(battleState.shotFired, 1);
    }
}

TEST_F(Turns, AimingStraightUpLeftAndWithTheCameraScrolled) {
    EXPECT_NEAR(fireFull(0, 140, 100).vx, 0.0f, 1e-4f);
    EXPECT_FLOAT_EQ(projectiles[0].vy, -16.0f);
    clearProjectiles();
    EXPECT_NEAR(fireFull(0, 40, 410).vx, -16.0f, 1e-4f);
    EXPECT_NEAR(projectiles[0].vy, 0.0f, 1e-3f);
    clearProjectiles();
    battle.camera.scrollX = 400;
    battle.camera.scrollY = 300;
    EXPECT_NEAR(fireFull(0, 140 - 400, 410 - 300 + 100).vy, 16.0f, 1e-4f);  // straight down in the world
    EXPECT_EQ(players[0].ammo[0], UNLIMITED_AMMO);
}

TEST_F(Turns, HoldingTheButtonFiresByItselfAtFullPower) {
    cursorPos = {540, 410};
    inputState.leftButton = 1;
    for (int f = 0; f < 99; ++f) humanTurnStep(battle);
    EXPECT_EQ(shotPower, 99);
    EXPECT_EQ(activeProjectileCount(), 0);
    humanTurnStep(battle);
    EXPECT_EQ(activeProjectileCount(), 1);
    EXPECT_FLOAT_EQ(projectiles[0].vx, 16.0f);
    EXPECT_EQ(inputState.leftButton, 0);
}

TEST_F(Turns, FirstClickWithTheDirectMissileMarksTheTargetWithoutCharging) {
    selectedWeapon = 4;
    players[0].ammo[4] = 1;
    battle.camera.scrollX = 100;
    battle.camera.scrollY = 50;
    cursorPos = {300, 200};
    inputState.leftButton = 1;
    humanTurnStep(battle);
    EXPECT_EQ(directTargetSet, 1);
    EXPECT_FLOAT_EQ(homingTargetX, 400.0f);
    EXPECT_FLOAT_EQ(homingTargetY, 250.0f);
    EXPECT_EQ(shotPower, 0);
    EXPECT_EQ(inputState.leftButton, 0);
    inputState.leftButton = 1;
    humanTurnStep(battle);
    EXPECT_EQ(shotPower, 1);
    EXPECT_FLOAT_EQ(homingTargetX, 400.0f);
}

TEST_F(Turns, ClickingASlotChoosesAWeaponOnlyWhenItHasAmmunition) {
    players[0].ammo[2] = 1;
    const int slotX = 24 * 2 + 10;
    const int slotY = screenHeight - 30;
    cursorPos = {slotX + 10, slotY + 10};
    inputState.leftButton = 1;
    humanTurnStep(battle);
    EXPECT_EQ(selectedWeapon, 2);
    EXPECT_EQ(shotPower, 0);
    EXPECT_EQ(inputState.leftButton, 0);

    cursorPos = {24 * 5 + 10 + 10, slotY + 10};  // HYPER TUBE: none left
    inputState.leftButton = 1;
    humanTurnStep(battle);
    EXPECT_EQ(selectedWeapon, 2);
    EXPECT_EQ(inputState.leftButton, 0);
    EXPECT_EQ(activeProjectileCount(), 0);
}

TEST_F(Turns, DefenseRaisesTheShieldInsteadOfFiring) {
    players[0].ammo[6] = 2;
    fireFull(6, 540, 410);
    EXPECT_EQ(activeProjectileCount(), 0);
    EXPECT_EQ(players[0].shieldHits, 3);
    EXPECT_EQ(players[0].ammo[6], 1);
    EXPECT_EQ(battleState.shotFired, 1);
}

TEST_F(Turns, TurnPassesFortyNineFramesAfterTheLastProjectileSkippingTheDestroyed) {
    numPlayers = 3;
    players[1].isDead = 1;
    players[2].x = 900;
    players[2].isComputer = 0;
    battleState.shotFired = 1;  // a forfeited turn: nothing flies
    battleState.turnTimeLeft = 0;
    selectedWeapon = 3;
    directTargetSet = 1;
    for (int f = 0; f < 49; ++f) endTurnStep(battle);
    EXPECT_EQ(currentPlayer, 0);
    endTurnStep(battle);
    EXPECT_EQ(currentPlayer, 2);
    EXPECT_EQ(battle.camera.cameraTargetX, 940);
    EXPECT_EQ(battleState.turnTimeLeft, TURN_TIME);
    EXPECT_EQ(battleState.shotFired, 0);
    EXPECT_EQ(battleState.turnEndDelay, 0);
    EXPECT_EQ(selectedWeapon, 0);
    EXPECT_EQ(directTargetSet, 0);
}

TEST_F(Turns, TheNextPlayerGetsTheSetTurnTime) {
    for (const int ticks : {200, 20, TURN_TIME}) {
        turnTicks = ticks;
        battleState.shotFired = 1;
        battleState.turnTimeLeft = 0;
        const std::uint16_t before = currentPlayer;
        for (int f = 0; f < 50; ++f) endTurnStep(battle);
        EXPECT_NE(currentPlayer, before);
        EXPECT_EQ(battleState.turnTimeLeft, ticks);
    }
}

TEST_F(Turns, ForfeitedTurnCannotChargeAndAFlyingShotHoldsTheTurn) {
    battleState.shotFired = 1;
    inputState.leftButton = 1;
    humanTurnStep(battle);
    EXPECT_EQ(shotPower, 0);
    EXPECT_EQ(activeProjectileCount(), 0);

    spawnProjectile(1, 0, 300, -5000, 0, 0, 10);
    for (int f = 0; f < 200; ++f) endTurnStep(battle);
    EXPECT_EQ(currentPlayer, 0);
    EXPECT_EQ(battleState.turnEndDelay, 0);
}

TEST_F(Turns, WithNobodyStandingTheTurnStaysPut) {
    players[0].isDead = 1;
    players[1].isDead = 1;
    currentPlayer = 1;
    battleState.shotFired = 1;
    for (int f = 0; f < 50; ++f) endTurnStep(battle);
    EXPECT_EQ(currentPlayer, 1);
    EXPECT_EQ(battleState.shotFired, 1);
    EXPECT_EQ(battleState.turnEndDelay, 0);
}

}  // namespace
