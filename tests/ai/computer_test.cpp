#include "battle/computer.h"

#include <cmath>

#include "../battle/battle_fixture.h"
#include "battle/fortress.h"

namespace {

// The computer player 0 on turn, its enemy at x 1000 on the same flat ground.
class ComputerPlayer : public BattleTest {
protected:
    // Frames until the shot (or shield) is out; 0 when it never came.
    int playTurn() {
        for (int frame = 1; frame <= 1000; ++frame) {
            stateBeforeShot = gameRandState();
            search.computerTurnStep();
            if (battleState.shotFired) return frame;
        }
        return 0;
    }
    void newTurn() { search = ComputerSearch{}, battleState.shotFired = 0, clearProjectiles(); }
    static int dots() { return static_cast<int>(std::ranges::count(landscape().pixels, 0xFFFF)); }
    std::uint32_t stateBeforeShot = 0;
};

TEST_F(ComputerPlayer, WeaponDrawHonoursStockAndTheShieldRule) {
    const std::array<int, 4> draws[] = {// draw, damage, shield up, weapon chosen with stock (MISSILE without)
                                        {0, 0, 0, 1},     {4, 0, 0, 1},     {5, 0, 0, 2},    {14, 0, 0, 2},
                                        {15, 0, 0, 3},    {19, 0, 0, 3},    {20, 0, 0, 5},   {24, 0, 0, 5},
                                        {25, 0, 0, 8},    {29, 0, 0, 8},    {30, 0, 0, 7},   {33, 0, 0, 7},
                                        {34, 0, 0, 0},    {42, 0, 0, 0},    {45, 0, 0, 0},   {34, 1001, 0, 6},
                                        {41, 1001, 0, 6}, {34, 1000, 0, 0}, {41, 1001, 1, 0}};
    for (const int stock : {5, 0}) {
        for (const auto& [r, damage, shield, weapon] : draws) {
            std::fill_n(players[0].ammo + 1, WEAPON_COUNT - 1, static_cast<std::int16_t>(stock));
            players[0].damage = static_cast<std::int16_t>(damage),
            players[0].shieldHits = static_cast<std::int16_t>(shield);
            newTurn();
            seedWhere([r] { return randScaled(45) == r; });
            search.chooseComputerWeapon();
            const int chosen = stock ? weapon : 0;
            EXPECT_EQ(Ints({selectedWeapon, search.aiSpeedStep}),
                      Ints({chosen, chosen == 3 || chosen == 5 ? 7 : 4}))
                << "draw " << r << ", stock " << stock;
        }
    }
}

TEST_F(ComputerPlayer, EqualMissesKeepTheFirstShotTried) {
    // Walled in: every trial lands one step from the launch point, and the enemies stand mirrored.
    fillLand(0, 0, WORLD_WIDTH, WORLD_HEIGHT);
    numPlayers = 3;
    players[0].x = 700, players[0].y = 400;
    landscape().row(410)[740] = 0;
    for (const int right : {1, 2}) {
        players[right].x = 800, players[right].y = players[3 - right].y = 400, players[3 - right].x = 600;
        newTurn();
        search.searchShots(4);
        EXPECT_EQ(search.aiBestMiss, 96.0f);
        EXPECT_GT(search.aiVx, 0) << "the first shot of the fan (to the right) keeps the place";
    }
}

TEST_F(ComputerPlayer, FanOfTrialShotsShownWithTheRightButton) {
    search.searchShots(10);
    EXPECT_EQ(dots(), 0);
    fillLand(0, 0, WORLD_WIDTH, WORLD_HEIGHT);  // walled in: each trial lands one step of 100 away
    players[0].x = 700, players[0].y = 400, players[1].x = 100, players[1].y = 100;
    inputState.rightButton = 1;
    search.searchShots(100);
    EXPECT_EQ(dots(), 75);
    // From 17 degrees below the horizontal on the right round to 15 below it on the left.
    EXPECT_EQ(landscape().row(439)[835] & landscape().row(310)[742] & landscape().row(435)[643], 0xFFFF);
    fillLand(0, 0, WORLD_WIDTH, WORLD_HEIGHT);
    computerSkills[0] = ComputerSkill::Hard;
    search.searchShots(100);
    EXPECT_EQ(dots(), 150) << "hard: 0.3 down to -3.44 in steps of 0.025";
}

TEST_F(ComputerPlayer, OnlyOpaqueFortressPixelsOfLivingEnemiesStopTrials) {
    players[1].x = 400;
    search.searchShots(8);
    EXPECT_LT(search.aiBestMiss, 30.0f);
    setImage(FORTRESS_PICTURE + 1, 80, 50, 0);  // hollow: shots pass to the ground below
    newTurn();
    search.searchShots(8);
    EXPECT_GE(search.aiBestMiss, 38.0f);
    players[1].isDead = 1;  // the only enemy dead: nothing scores
    newTurn();
    for (int speed = 4; speed <= 15; ++speed) search.searchShots(speed);
    EXPECT_EQ(search.aiBestMiss, 1000000.0f);
    EXPECT_EQ(search.aiBestSpeed, 0);
    ASSERT_EQ(playTurn(), 12) << "twelve search frames, no charge";
    EXPECT_LE(std::fabs(projectiles[0].vx) + std::fabs(projectiles[0].vy), 1.5f)
        << "(0, 0) and the aiming error";
    raznoe[LANDSCAPE_IMAGE].surface.reset();  // unreadable: the step is skipped, the search goes on
    newTurn();
    search.computerTurnStep();
    EXPECT_EQ(search.aiBestMiss, 1000000.0f);
    EXPECT_EQ(search.aiSpeedStep, 5);
}

// --- The skills ---

TEST_F(ComputerPlayer, EasyMisjudgesTheSpeedByTheDrawnPercent) {
    ASSERT_GT(playTurn(), 0);
    const ComputerSearch normal = search;
    const std::uint32_t afterNormal = gameRandState();
    const int percent = 100 + randScaled(80) - 40;
    ASSERT_NE(percent, 100) << "pick another start: this draw changes nothing";
    SetUp();
    computerSkills[0] = ComputerSkill::Easy;
    newTurn();
    ASSERT_GT(playTurn(), 0);
    EXPECT_EQ(search.aiBestMiss, normal.aiBestMiss) << "easy searches as designed";
    EXPECT_FLOAT_EQ(search.aiVx, normal.aiVx * static_cast<float>(percent) / 100.0f);
    EXPECT_FLOAT_EQ(search.aiVy, normal.aiVy * static_cast<float>(percent) / 100.0f);
    const std::uint32_t afterEasy = gameRandState();
    setGameRandState(afterNormal);
    randScaled(80);
    EXPECT_EQ(gameRandState(), afterEasy) << "one draw more than normal";
}

TEST_F(ComputerPlayer, HardAimsAtTheLeaderTheLivingEnemyWithMostWinsThenMoney) {
    numPlayers = 4;
    players[1].wins = 1, players[2].wins = players[3].wins = 2, players[3].money = 10;
    players[0].wins = 9;  // the shooter is never its own target
    EXPECT_EQ(leaderFor(0), 3);
    players[2].money = 10;
    EXPECT_EQ(leaderFor(0), 2) << "a full tie goes to the first";
    players[2].isDead = players[3].isDead = 1;
    EXPECT_EQ(Ints({leaderFor(0), leaderFor(1)}), Ints({1, 0}));
    numPlayers = 3, players[2].isDead = 0;
    standAt(1, 500), standAt(2, 1200);
    computerSkills[0] = ComputerSkill::Hard;
    for (const int leader : {1, 2}) {
        players[leader].wins = 5, players[3 - leader].wins = 0;
        newTurn();
        for (int i = 0; i < 40 && search.aiAimed == 0; ++i) search.computerTurnStep();
        // Where the chosen velocity comes down to the fortresses' tops, as the trials fly.
        float x = players[0].x + LAUNCH_DX, y = players[0].y + LAUNCH_DY, vy = search.aiVy;
        while (y < STANDING_Y || vy < 0) x += search.aiVx, y += vy, vy = std::min(vy + 0.1f, 15.0f);
        EXPECT_LT(std::abs(x - (players[leader].x + 40)), 60) << leader;
    }
}

TEST_F(ComputerPlayer, HardTakesTheWeaponWithTheMostExpectedDamage) {
    const auto lastPicture = [](int w) {
        return WEAPONS[w].kind.explosionImage + WEAPONS[w].kind.explosionTicks - 1;
    };
    for (int w = 0; w < WEAPON_COUNT; ++w)
        if (WEAPONS[w].kind.explosionTicks > 0) setImage(lastPicture(w), 10, 10);
    setImage(lastPicture(weapon::GRENADE), 30, 30);
    EXPECT_EQ(Ints({expectedDamage(weapon::MISSILE), expectedDamage(weapon::GRENADE),
                    expectedDamage(weapon::SUPER_GRENADE), expectedDamage(weapon::GIMLET),
                    expectedDamage(weapon::GROUND_DEFENSE), expectedDamage(weapon::DEFENSE)}),
              Ints({100, 900, 100 + 3 * 900, 0, 0, 0}));  // itself and three grenades
    computerSkills[0] = ComputerSkill::Hard;
    Player& p = players[0];
    p.ammo[weapon::GRENADE] = p.ammo[weapon::BIG_MISSILE] = p.ammo[weapon::GIMLET] = 1;
    const std::uint32_t state = gameRandState();
    search.chooseComputerWeapon();
    EXPECT_EQ(selectedWeapon, weapon::GRENADE);
    EXPECT_EQ(gameRandState(), state) << "hard draws nothing";
    p.ammo[weapon::SUPER_GRENADE] = 1;
    search.chooseComputerWeapon();
    EXPECT_EQ(Ints({selectedWeapon, search.aiSpeedStep}), Ints({weapon::SUPER_GRENADE, 7}));
    p.ammo[weapon::DEFENSE] = 1, p.damage = 1001;
    search.chooseComputerWeapon();
    EXPECT_EQ(selectedWeapon, weapon::DEFENSE) << "hurt and bare: the shield, as designed";
}

}  // namespace
