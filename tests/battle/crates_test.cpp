#include "battle_fixture.h"

namespace {

// A generator state from which spawnCrate drops a crate well inside the world.
std::uint32_t spawningState() {
    for (std::int32_t value = 0;; ++value) {  // randScaled(5000) < 3 up to 19
        setGameRandState(stateBeforeRand(value));
        gameRand();
        const double x = 60.0 + gameRand() * 0.042725913;
        if (x > 100 && x < 1400) return stateBeforeRand(value);
    }
}

class CrateTest : public BattleTest {
protected:
    // The x the crate of spawningState() takes.
    float spawnedX() {
        setGameRandState(spawningState());
        clearCrates(crates);
        spawnCrate(crates);
        const float x = crates[0].x;
        clearCrates(crates);
        return x;
    }
};

TEST_F(CrateTest, CrateDropsFromAboveTheWorld) {
    players[0].x = players[1].x = -500;
    setGameRandState(spawningState());
    spawnCrate(crates);
    EXPECT_NE(crates[0].kind, 0);
    EXPECT_GE(crates[0].x, 60.0f);
    EXPECT_LE(crates[0].x, 1460.0f);
    EXPECT_FLOAT_EQ(crates[0].y, -24.0f);
    const int before =
        std::count_if(std::begin(crates), std::end(crates), [](const Crate& c) { return c.kind; });
    setGameRandState(stateBeforeRand(30));  // randScaled(5000) = 4: does not
    spawnCrate(crates);
    EXPECT_EQ(std::count_if(std::begin(crates), std::end(crates), [](const Crate& c) { return c.kind; }),
              before);
}

TEST_F(CrateTest, NoCrateOverAFortressOrNextToAnotherCrate) {
    players[0].x = players[1].x = -500;
    const float x = spawnedX();
    ASSERT_GT(x, 100.0f);

    players[0].x = x - 86.0f;  // the crate's x at the fortress's right limit
    setGameRandState(spawningState());
    spawnCrate(crates);
    EXPECT_EQ(crates[0].kind, 0);
    EXPECT_EQ(crates[0].x, 0.0f);

    players[0].x = -500;
    crates[0] = {x + 30.0f, 300.0f, 0.0f, 1};
    setGameRandState(spawningState());
    spawnCrate(crates);
    EXPECT_EQ(crates[1].kind, 0);

    crates[0] = {x + 31.0f, 300.0f, 0.0f, 1};
    setGameRandState(spawningState());
    spawnCrate(crates);
    EXPECT_NE(crates[1].kind, 0);
}

TEST_F(CrateTest, FullTableDropsNothing) {
    players[0].x = players[1].x = -500;
    for (int i = 0; i < MAX_CRATES; ++i) crates[i] = {100.0f * i, 0.0f, 0.0f, 1};
    setGameRandState(spawningState());
    spawnCrate(crates);
    for (int i = 0; i < MAX_CRATES; ++i) EXPECT_FLOAT_EQ(crates[i].x, 100.0f * i);
}

TEST_F(CrateTest, CratesFallFasterUntilTheyRestOnTheGround) {
    crates[0] = {300.0f, 100.0f, 0.0f, 2};
    crateFall(crates);
    crateFall(crates);
    EXPECT_FLOAT_EQ(crates[0].fallSpeed, 0.2f);
    EXPECT_NEAR(crates[0].y, 100.3f, 1e-4);
    crates[0].y = GROUND_Y - 22.0f;
    crates[0].fallSpeed = 5;
    crateFall(crates);
    EXPECT_EQ(crates[0].fallSpeed, 0.0f);
    EXPECT_FLOAT_EQ(crates[0].y, GROUND_Y - 22.0f);
}

TEST_F(CrateTest, MoneyCrateShowsTheShootersLine) {
    players[0].money = 100;
    setGameRandState(stateBeforeRand(16400));  // randScaled(1000) = 500
    giveCrateReward(1);
    EXPECT_EQ(players[0].money, 1600);
    EXPECT_EQ(battleState.message, "NONAME 01 : 1500$");
    EXPECT_EQ(battleState.messageTime, 100);
}

TEST_F(CrateTest, WeaponCrateGivesOneByTheTable) {
    struct Case {
        int r;
        int weapon;
    };
    for (const Case c : {Case{0, 1},
                         {5, 1},
                         {6, 2},
                         {16, 3},
                         {21, 4},
                         {28, 5},
                         {29, 6},
                         {36, 7},
                         {37, 8},
                         {40, 9},
                         {50, 9}}) {
        players[0] = Player{};
        players[0].name = "NONAME 01";
        // The smallest rand() value that scales to r.
        std::int32_t value = (c.r * 32767 + 49) / 50;
        setGameRandState(stateBeforeRand(value));
        giveCrateReward(2);
        EXPECT_EQ(players[0].ammo[c.weapon], 1) << "r = " << c.r;
        EXPECT_EQ(battleState.message, "NONAME 01 : " + weaponNames[c.weapon]);
    }
}

TEST_F(CrateTest, EmptyCrateGivesNothing) {
    giveCrateReward(3);
    EXPECT_EQ(players[0].money, 0);
    EXPECT_TRUE(battleState.message.empty());
}

}  // namespace
