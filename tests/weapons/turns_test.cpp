#include "battle/turns.h"

#include "../battle/battle_fixture.h"

namespace {

class Turns : public BattleTest {
protected:
    void SetUp() override {
        BattleTest::SetUp();
        players[0].x = 100, players[0].y = 400;  // launch point (140, 410)
        setImage(POINTER_HIT_IMAGE, 8, 8);
        setImage(WEAPON_SLOT_IMAGE, 20, 20);
    }
    // One step with the button up after charging `power` with weapon w toward the screen point (cx, cy).
    const Projectile& fire(int weapon, int cx, int cy, int power = 100) {
        clearProjectiles();
        selectedWeapon = static_cast<std::int16_t>(weapon), cursorPos = {cx, cy};
        shotPower = static_cast<std::uint16_t>(power);
        humanTurnStep(battle);
        return projectiles[0];
    }
    void endTurnSteps(int n) {
        for (int f = 0; f < n; ++f) endTurnStep(battle);
    }
};

TEST_F(Turns, LaunchSpeedIsThePowerOverTheWeaponsDivisor) {
    // power, weapon -> speed: 100 / top speeds 15, 13, 14, 12 give divisors 6, 7, 7, 8.
    const std::tuple<int, int, float> shots[] = {{100, 0, 16}, {100, 1, 14}, {100, 2, 14}, {100, 8, 12},
                                                 {47, 0, 7},   {48, 0, 8},   {55, 1, 7},   {56, 1, 8}};
    for (const auto& [power, weapon, speed] : shots) {
        players[0].ammo[weapon] = weapon ? 5 : UNLIMITED_AMMO;
        const Projectile& shot = fire(weapon, 540, 410, power);
        EXPECT_FLOAT_EQ(shot.vx, speed) << "weapon " << weapon << " at " << power;
        EXPECT_FLOAT_EQ(shot.vy, 0.0f);
        EXPECT_EQ(players[0].ammo[weapon], weapon ? 4 : UNLIMITED_AMMO);
        EXPECT_EQ(Ints({shotPower, battleState.shotFired, shot.graceTicks}), Ints({0, 1, 10}));  // 10 ticks spare its fortress
    }
}

TEST_F(Turns, AimingStraightUpOrDownInTheScrolledWorld) {
    EXPECT_NEAR(fire(0, 140, 100).vx, 0.0f, 1e-4f);
    EXPECT_FLOAT_EQ(projectiles[0].vy, -16.0f);
    camera.scrollX = 400, camera.scrollY = 300;
    EXPECT_NEAR(fire(0, 140 - 400, 410 - 300 + 100).vy, 16.0f, 1e-4f);  // straight down in the world
}

TEST_F(Turns, FirstClickWithTheDirectMissileMarksTheTargetWithoutCharging) {
    selectedWeapon = 4, players[0].ammo[4] = 1;
    camera.scrollX = 100, camera.scrollY = 50;
    cursorPos = {300, 200};
    inputState.leftButton = 1;
    humanTurnStep(battle);
    EXPECT_EQ(std::vector<float>({float(directTargetSet), homingTargetX, homingTargetY, float(shotPower)}),
              std::vector<float>({1, 400, 250, 0}));
    EXPECT_EQ(inputState.leftButton, 0);
    cursorPos = {10, 10}, inputState.leftButton = 1;
    humanTurnStep(battle);
    EXPECT_EQ(shotPower, 1);
    EXPECT_EQ(homingTargetX, 400.0f);
}

TEST_F(Turns, ClickingASlotChoosesAWeaponOnlyWhenItHasAmmunition) {
    players[0].ammo[2] = 1;
    // The 8 x 8 probe at the cursor - 4 against the 20 x 20 slot frame at (24k + 10, height - 30).
    const std::tuple<int, int, int, int> clicks[] = {{68, 447, 2, 0}, {68, 446, 0, 1}, {140, 447, 0, 0}};
    for (const auto& [x, y, chosen, power] : clicks) {  // above the bar it charges; slot 5 has none
        selectedWeapon = 0, shotPower = 0, cursorPos = {x, y}, inputState.leftButton = 1;
        humanTurnStep(battle);
        EXPECT_EQ(Ints({selectedWeapon, shotPower}), Ints({chosen, power})) << x << ", " << y;
    }
}

TEST_F(Turns, DefenseRaisesTheShieldInsteadOfFiring) {
    players[0].ammo[6] = 2;
    fire(6, 540, 410);
    EXPECT_EQ(activeProjectileCount(), 0);
    EXPECT_EQ(Ints({players[0].shieldHits, players[0].ammo[6], battleState.shotFired, plays(11)}),
              Ints({3, 1, 1, 1}));
}

TEST_F(Turns, AForfeitedTurnCannotChargeAndPassesAfterThePauseUnlessAShotFliesOrNobodyStands) {
    battleState.shotFired = 1;
    inputState.leftButton = 1;
    humanTurnStep(battle);
    EXPECT_EQ(shotPower, 0);
    spawnProjectile(1, 0, 300, -5000, 0, 0, 10);
    endTurnSteps(200);
    EXPECT_EQ(Ints({currentPlayer, battleState.turnEndDelay}), Ints({0, 0}));
    clearProjectiles();
    turnTicks = 200;
    endTurnSteps(49);  // the pause: the turn passes 49 frames after the first without a projectile
    EXPECT_EQ(Ints({currentPlayer, battleState.turnEndDelay}), Ints({0, 2}));
    endTurnSteps(1);
    EXPECT_EQ(Ints({currentPlayer, battleState.turnTimeLeft, battleState.shotFired}), Ints({1, 200, 0}));
    players[0].isDead = players[1].isDead = battleState.shotFired = 1;
    endTurnSteps(50);
    EXPECT_EQ(Ints({currentPlayer, battleState.shotFired, battleState.turnEndDelay}), Ints({1, 1, 0}));
}

}  // namespace
