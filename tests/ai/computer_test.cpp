#include "battle/computer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "../test_platform.h"
#include "battle/battle_state.h"
#include "battle/fortress.h"
#include "core/input.h"
#include "core/player.h"
#include "core/random.h"
#include "core/settings.h"
#include "gfx/images.h"
#include "weapons/projectile.h"
#include "world/world.h"

namespace {

constexpr std::uint16_t GROUND = 0x1234;
constexpr int GROUND_TOP = 600;

void setImage(int index, int width, int height, std::uint16_t value) {
    ImageEntry& entry = raznoe[index];
    entry.surface = std::make_unique<Surface>(width, height);
    std::fill(entry.surface->pixels.begin(), entry.surface->pixels.end(), value);
    entry.width = static_cast<std::uint16_t>(width);
    entry.height = static_cast<std::uint16_t>(height);
}

Surface& land() { return *raznoe[LANDSCAPE_IMAGE].surface; }

void fillLand(int left, int top, int right, int bottom, std::uint16_t value) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) land().row(y)[x] = value;
}

int countLand(std::uint16_t value) {
    return static_cast<int>(std::count(land().pixels.begin(), land().pixels.end(), value));
}

// Flat ground from GROUND_TOP down; fortresses stand on it; the computer player 0 is on turn.
class ComputerPlayer : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(AllocateImageTables());
        setImage(LANDSCAPE_IMAGE, WORLD_WIDTH, WORLD_HEIGHT, 0);
        fillLand(0, GROUND_TOP, WORLD_WIDTH, WORLD_HEIGHT, GROUND);
        for (int q = 0; q < MAX_PLAYERS; ++q) {
            setImage(9 + q, 80, 50, 0x7777);
            players[q] = Player{};
            players[q].isComputer = 1;
            players[q].ammo[0] = UNLIMITED_AMMO;
        }
        numPlayers = 2;
        place(0, 200, GROUND_TOP - 50);
        place(1, 1000, GROUND_TOP - 50);
        currentPlayer = 0;
        selectedWeapon = 0;
        shotPower = 0;
        battleState.shotFired = 0;
        inputState.rightButton = 0;
        clearProjectiles();
        setGameRandState(1);
        computerSkills = DESIGNED_SKILLS;
    }
    void TearDown() override { computerSkills = DESIGNED_SKILLS; }

    static void place(int q, float x, float y) {
        players[q].x = x;
        players[q].y = y;
    }

    // Frames until the shot (or shield) is out; 0 when it never came.
    int playTurn(int frameLimit = 1000) {
        for (int frame = 1; frame <= frameLimit; ++frame) {
            search.computerTurnStep();
            if (battleState.shotFired) return frame;
        }
        return 0;
    }

    void searchToTheEnd() {
        for (int i = 0; i < 40 && search.aiAimed == 0; ++i) search.computerTurnStep();
    }

    static const Projectile* firedShot() {
        for (const Projectile& p : projectiles)
            if (p.kind != 0) return &p;
        return nullptr;
    }

    TestPlatform platform;
    ComputerSearch search;  // fresh for every test
};

// What randScaled(45) yields next, without taking it.
int peekDraw() {
    const std::uint32_t state = gameRandState();
    const int r = randScaled(45);
    setGameRandState(state);
    return r;
}

int weaponForDraw(int r, bool shieldWanted) {
    if (r <= 4) return 1;
    if (r <= 14) return 2;
    if (r <= 19) return 3;
    if (r <= 24) return 5;
    if (r <= 29) return 8;
    if (r <= 33) return 7;
    if (r <= 41) return shieldWanted ? 6 : 0;
    return 0;
}

TEST_F(ComputerPlayer, WeaponDrawFollowsTheWeightTable) {
    for (std::int16_t& stock : players[0].ammo) stock = 5;
    for (const bool hurt : {false, true}) {
        players[0].damage = hurt ? 1001 : 1000;
        int seen[WEAPON_COUNT] = {};
        for (int i = 0; i < 3000; ++i) {
            search.aiSpeedStep = 4;
            const int r = peekDraw();
            search.chooseComputerWeapon();
            const int weapon = selectedWeapon;
            ASSERT_EQ(weapon, weaponForDraw(r, hurt)) << "draw " << r;
            EXPECT_EQ(search.aiSpeedStep, weapon == 3 || weapon == 5 ? 7 : 4) << "weapon " << weapon;
            ++seen[weapon];
        }
        EXPECT_EQ(seen[4], 0) << "never the DIRECT MISSILE";
        EXPECT_EQ(seen[9], 0) << "GIMLET is never drawn";
        EXPECT_EQ(seen[6] > 0, hurt) << "DEFENSE only above 1000 damage";
    }
}

TEST_F(ComputerPlayer, ShieldNeedsNoShieldUpAndStockFallsBackToMissile) {
    for (std::int16_t& stock : players[0].ammo) stock = 5;
    players[0].damage = 3000;
    players[0].shieldHits = 1;
    for (int i = 0; i < 2000; ++i) {
        search.chooseComputerWeapon();
        ASSERT_NE(selectedWeapon, 6);
    }
    // Out of everything but MISSILE: always MISSILE, searched from speed 4.
    for (std::int16_t& stock : players[0].ammo) stock = 0;
    players[0].ammo[0] = UNLIMITED_AMMO;
    players[0].shieldHits = 0;
    for (int i = 0; i < 2000; ++i) {
        search.aiSpeedStep = 4;
        search.chooseComputerWeapon();
        ASSERT_EQ(selectedWeapon, 0);
        ASSERT_EQ(search.aiSpeedStep, 4);
    }
}

TEST_F(ComputerPlayer, TurnWithoutWeaponDrawFiresMissileNearTheEnemy) {
    for (std::int16_t& stock : players[0].ammo) stock = 3;
    players[0].ammo[0] = UNLIMITED_AMMO;
    // Search: one speed per frame, 4..15, then the charge to the matching power.
    for (int speed = 4; speed <= 15; ++speed) {
        EXPECT_EQ(search.aiSpeedStep, speed);
        search.computerTurnStep();
    }
    ASSERT_EQ(search.aiAimed, 1);
    EXPECT_LT(search.aiBestMiss, 20.0f);
    const int power = search.aiBestSpeed;
    EXPECT_GT(power, 4 * 100 / 15);
    EXPECT_LE(power, 100);
    const float vx = search.aiVx;
    const float vy = search.aiVy;
    EXPECT_GT(vx, 0) << "the enemy is to the right";

    const int frames = playTurn();
    EXPECT_EQ(frames, power)
        << "one power unit per frame (the first came with the last search), then the shot";
    const Projectile* shot = firedShot();
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(shot->kind, 1) << "MISSILE: the battle's reset leaves weapon 0 selected";
    EXPECT_EQ(shot->x, 240.0f);
    EXPECT_EQ(shot->y, GROUND_TOP - 40.0f);
    EXPECT_NEAR(shot->vx, vx, 0.75f);
    EXPECT_NEAR(shot->vy, vy, 0.75f);
    EXPECT_TRUE(shot->vx != vx || shot->vy != vy) << "an aiming error is added";
    EXPECT_EQ(shotPower, 0);
    EXPECT_EQ(players[0].ammo[9], 3) << "a close MISSILE shot stays a MISSILE";
    EXPECT_EQ(players[0].ammo[0], UNLIMITED_AMMO);
}

TEST_F(ComputerPlayer, SpecialWeaponOutOfReachFallsBackToMissile) {
    players[0].ammo[1] = 2;
    place(1, 1400, GROUND_TOP - 50);  // beyond a BIG MISSILE's range
    selectedWeapon = 1;
    for (int speed = 4; speed <= 13; ++speed) search.computerTurnStep();
    EXPECT_EQ(selectedWeapon, 0);
    EXPECT_EQ(search.aiSpeedStep, 4) << "the MISSILE search starts over";
    EXPECT_EQ(search.aiAimed, 0);
    EXPECT_GT(search.aiBestMiss, 60.0f);
    searchToTheEnd();
    EXPECT_LT(search.aiBestMiss, 20.0f) << "the MISSILE reaches";
    ASSERT_GT(playTurn(), 0);
    EXPECT_EQ(firedShot()->kind, 1);
    EXPECT_EQ(players[0].ammo[1], 2);
}

TEST_F(ComputerPlayer, SpecialWeaponWithinReachIsKept) {
    players[0].ammo[2] = 2;
    selectedWeapon = 2;
    searchToTheEnd();
    EXPECT_EQ(selectedWeapon, 2);
    EXPECT_LE(search.aiBestMiss, 60.0f);
    ASSERT_GT(playTurn(), 0);
    EXPECT_EQ(firedShot()->kind, 3);
    EXPECT_EQ(players[0].ammo[2], 1);
}

TEST_F(ComputerPlayer, FarMissileBecomesGimletWhenInStock) {
    for (const int gimlets : {0, 4}) {
        SetUp();
        // A roof over the shooter and a wall beside it: nothing lands far from it.
        fillLand(0, 0, WORLD_WIDTH, GROUND_TOP - 120, GROUND);
        fillLand(300, 0, 330, GROUND_TOP, GROUND);  // thicker than a step
        players[0].ammo[9] = static_cast<std::int16_t>(gimlets);
        ASSERT_GT(playTurn(), 0);
        EXPECT_GT(search.aiBestMiss, 40.0f);
        EXPECT_EQ(firedShot()->kind, gimlets ? 10 : 1);
        EXPECT_EQ(players[0].ammo[9], gimlets ? gimlets - 1 : 0);
    }
}

TEST_F(ComputerPlayer, EqualMissesKeepTheFirstShotTried) {
    // Walled in: every trial lands one step from the launch point, on a circle, and the two
    // enemies stand mirrored left and right of it.
    fillLand(0, 0, WORLD_WIDTH, WORLD_HEIGHT, GROUND);
    numPlayers = 3;
    place(0, 700, 400);
    land().row(410)[740] = 0;
    place(1, 700 - 100, 400);
    place(2, 700 + 100, 400);
    search.searchShots(4);
    EXPECT_EQ(search.aiBestMiss, 96.0f);
    EXPECT_GT(search.aiVx, 0) << "the first shot of the fan (to the right) keeps the place";
    std::swap(players[1], players[2]);
    search.resetComputerSearch();
    search.searchShots(4);
    EXPECT_GT(search.aiVx, 0);
}

TEST_F(ComputerPlayer, RightButtonLeavesWhiteDotsAtTheImpacts) {
    search.searchShots(10);
    EXPECT_EQ(countLand(0xFFFF), 0);
    inputState.rightButton = 1;
    search.searchShots(10);
    const int dots = countLand(0xFFFF);
    EXPECT_GT(dots, 10);
    EXPECT_LE(dots, 75);
}

TEST_F(ComputerPlayer, FanOfSeventyFiveAngles) {
    // Walled in with a hollow around the launch point: each trial lands one step away, on a
    // circle wide enough to give every angle its own dot.
    fillLand(0, 0, WORLD_WIDTH, WORLD_HEIGHT, GROUND);
    place(0, 700, 400);
    place(1, 100, 100);
    inputState.rightButton = 1;
    search.searchShots(100);
    EXPECT_EQ(countLand(0xFFFF), 75);
    // From 17 degrees below the horizontal on the right round to 15 below it on the left.
    EXPECT_EQ(land().row(439)[835], 0xFFFF) << "0.3";
    EXPECT_EQ(land().row(310)[742], 0xFFFF) << "-1.55, nearly straight up";
    EXPECT_EQ(land().row(435)[643], 0xFFFF) << "-3.4";
}

TEST_F(ComputerPlayer, FortressPixelsStopTrials) {
    // A hollow fortress lets shots through its empty pixels; a solid one stops them.
    place(1, 400, GROUND_TOP - 50);
    search.searchShots(8);
    const float solidMiss = search.aiBestMiss;
    EXPECT_LT(solidMiss, 30.0f);
    setImage(10, 80, 50, 0);
    search.resetComputerSearch();
    search.searchShots(8);
    EXPECT_GE(search.aiBestMiss, 40.0f) << "only the ground below the fortress point is left";
}

TEST_F(ComputerPlayer, NothingLandsNothingCharged) {
    fillLand(0, 0, WORLD_WIDTH, WORLD_HEIGHT, 0);
    setImage(10, 80, 50, 0);
    ASSERT_EQ(playTurn(), 12) << "twelve search frames, no charge";
    EXPECT_EQ(search.aiBestSpeed, 0);
    const Projectile* shot = firedShot();
    ASSERT_NE(shot, nullptr);
    EXPECT_LE(std::fabs(shot->vx), 0.75f);
    EXPECT_LE(std::fabs(shot->vy), 0.75f);
}

TEST_F(ComputerPlayer, UnreadableLandscapeSkipsTheStep) {
    raznoe[LANDSCAPE_IMAGE].surface.reset();
    search.searchShots(10);
    EXPECT_EQ(search.aiBestMiss, 1000000.0f);
    search.computerTurnStep();
    EXPECT_EQ(search.aiSpeedStep, 5) << "the search goes on with the next speed";
}

TEST_F(ComputerPlayer, DefenseRaisesTheShieldWithoutAShot) {
    players[0].ammo[6] = 1;
    selectedWeapon = 6;
    ASSERT_GT(playTurn(), 0);
    EXPECT_EQ(players[0].shieldHits, 3);
    EXPECT_EQ(firedShot(), nullptr);
    EXPECT_EQ(players[0].ammo[6], 0);
}

TEST_F(ComputerPlayer, DeadEnemiesAreNeitherTargetsNorObstacles) {
    numPlayers = 3;
    place(1, 400, GROUND_TOP - 50);
    place(2, 1300, GROUND_TOP - 50);
    players[2].isDead = 1;
    searchToTheEnd();
    EXPECT_LT(search.aiBestMiss, 20.0f);
    // The only enemy left is dead: nothing scores and nothing is charged.
    players[1].isDead = 1;
    search.resetComputerSearch();
    for (int speed = 4; speed <= 15; ++speed) search.searchShots(speed);
    EXPECT_EQ(search.aiBestMiss, 1000000.0f);
    EXPECT_EQ(search.aiBestSpeed, 0);
}

}  // namespace

// --- The skills ---

TEST_F(ComputerPlayer, HardFansTwiceAsManyAngles) {
    fillLand(0, 0, WORLD_WIDTH, WORLD_HEIGHT, GROUND);
    place(0, 700, 400);
    place(1, 100, 100);
    inputState.rightButton = 1;
    computerSkills[0] = ComputerSkill::Hard;
    search.searchShots(100);
    EXPECT_EQ(countLand(0xFFFF), 150) << "0.3 down to -3.44 in steps of 0.025";
}

TEST_F(ComputerPlayer, EasyMisjudgesTheSpeedByTheDrawnPercent) {
    ComputerSearch normal;
    for (int frame = 0; frame < 1000 && !battleState.shotFired; ++frame) normal.computerTurnStep();
    ASSERT_TRUE(battleState.shotFired);
    const std::uint32_t afterNormal = gameRandState();
    const int percent = 100 + randScaled(2 * EASY_SPEED_ERROR_PERCENT) - EASY_SPEED_ERROR_PERCENT;
    ASSERT_EQ(EASY_SPEED_ERROR_PERCENT, 40);
    ASSERT_NE(percent, 100) << "pick another start: this draw changes nothing";

    SetUp();
    computerSkills[0] = ComputerSkill::Easy;
    ASSERT_GT(playTurn(), 0);
    EXPECT_EQ(search.aiBestMiss, normal.aiBestMiss) << "easy searches as designed";
    EXPECT_FLOAT_EQ(search.aiVx, normal.aiVx * static_cast<float>(percent) / 100.0f);
    EXPECT_FLOAT_EQ(search.aiVy, normal.aiVy * static_cast<float>(percent) / 100.0f);
    const std::uint32_t afterEasy = gameRandState();
    setGameRandState(afterNormal);
    randScaled(80);
    EXPECT_EQ(gameRandState(), afterEasy) << "one draw more than normal";
}

TEST_F(ComputerPlayer, HardRefinesSlowerOrFasterAroundTheBestShot) {
    computerSkills[0] = ComputerSkill::Hard;
    const float angle = -0.8f;
    // From a shot that flies too far the refinement slows down; from one too short it speeds up.
    for (const float speed : {9.6f, 8.4f}) {
        search.resetComputerSearch();
        search.aiVx = std::cos(angle) * speed;
        search.aiVy = std::sin(angle) * speed;
        search.aiBestAngle = angle;
        search.aiBestMiss = 999999.0f;
        search.refineAim();
        const float refined = std::hypot(search.aiVx, search.aiVy);
        const float turned = std::atan2(search.aiVy, search.aiVx);
        EXPECT_LT(search.aiBestMiss, 999999.0f);
        EXPECT_LE(std::abs(refined - speed), 1.0f + 1e-4f) << "ten steps of 0.1 each way";
        EXPECT_LE(std::abs(turned - angle), 0.05f + 1e-4f) << "ten steps of 0.005 each way";
        if (speed > 9.0f) EXPECT_LT(refined, speed - 0.05f);
        else EXPECT_GT(refined, speed + 0.05f);
    }
}

TEST_F(ComputerPlayer, LeaderHasMostWinsThenMostMoney) {
    numPlayers = 4;
    players[1].wins = 1;
    players[2].wins = 2;
    players[3].wins = 2;
    players[3].money = 10;
    players[0].wins = 9;  // the shooter is never its own target
    EXPECT_EQ(leaderFor(0), 3);
    players[2].money = 10;
    EXPECT_EQ(leaderFor(0), 2) << "a full tie goes to the first";
    players[2].isDead = players[3].isDead = 1;
    EXPECT_EQ(leaderFor(0), 1);
    EXPECT_EQ(leaderFor(1), 0);
}

TEST_F(ComputerPlayer, HardAimsAtTheLeaderAlone) {
    numPlayers = 3;
    place(1, 500, GROUND_TOP - 50);
    place(2, 1200, GROUND_TOP - 50);
    // Where a velocity comes down to the fortresses' tops, as the trials fly.
    const auto landingX = [](float vx, float vy) {
        float x = players[0].x + LAUNCH_DX;
        float y = players[0].y + LAUNCH_DY;
        while (y < GROUND_TOP - 50 || vy < 0) x += vx, y += vy, vy = std::min(vy + 0.1f, 15.0f);
        return x;
    };
    searchToTheEnd();
    EXPECT_LT(std::abs(landingX(search.aiVx, search.aiVy) - 1240), 60) << "normal: the nearest miss of all";
    players[1].wins = 1;
    search.resetComputerSearch();
    computerSkills[0] = ComputerSkill::Hard;
    searchToTheEnd();
    EXPECT_LT(std::abs(landingX(search.aiVx, search.aiVy) - 540), 60) << "hard: the leader";
}

TEST_F(ComputerPlayer, HardTakesTheWeaponWithTheMostExpectedDamage) {
    // Blast areas: every last explosion picture 10 x 10, the GRENADE's 30 x 30.
    const auto lastPicture = [](int weapon) {
        return WEAPONS[weapon].kind.explosionImage + WEAPONS[weapon].kind.explosionTicks - 1;
    };
    for (int w = 0; w < WEAPON_COUNT; ++w)
        if (WEAPONS[w].kind.explosionTicks > 0) setImage(lastPicture(w), 10, 10, 1);
    setImage(lastPicture(weapon::GRENADE), 30, 30, 1);
    EXPECT_EQ(expectedDamage(weapon::MISSILE), 100);
    EXPECT_EQ(expectedDamage(weapon::GRENADE), 900);
    EXPECT_EQ(expectedDamage(weapon::SUPER_GRENADE), 100 + 3 * 900) << "itself and three grenades";
    EXPECT_EQ(expectedDamage(weapon::GIMLET), 0) << "passes fortresses";
    EXPECT_EQ(expectedDamage(weapon::GROUND_DEFENSE), 0) << "builds a wall";
    EXPECT_EQ(expectedDamage(weapon::DEFENSE), 0);

    computerSkills[0] = ComputerSkill::Hard;
    Player& p = players[0];
    p.ammo[weapon::GRENADE] = p.ammo[weapon::BIG_MISSILE] = p.ammo[weapon::GIMLET] = 1;
    const std::uint32_t state = gameRandState();
    search.chooseComputerWeapon();
    EXPECT_EQ(selectedWeapon, weapon::GRENADE);
    EXPECT_EQ(gameRandState(), state) << "hard draws nothing";
    p.ammo[weapon::SUPER_GRENADE] = 1;
    search.chooseComputerWeapon();
    EXPECT_EQ(selectedWeapon, weapon::SUPER_GRENADE);
    EXPECT_EQ(search.aiSpeedStep, 7) << "the SUPER GRENADE's search starts faster";
    p.ammo[weapon::DEFENSE] = 1;
    p.damage = 1001;
    search.chooseComputerWeapon();
    EXPECT_EQ(selectedWeapon, weapon::DEFENSE) << "hurt and bare: the shield, as designed";
}
