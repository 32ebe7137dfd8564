#include "battle/fortress.h"

#include <cmath>

#include "battle_fixture.h"

namespace {

using FortressTest = BattleTest;

TEST_F(FortressTest, FallSpeedClimbsByAFifthAndStartsOverAtFifteen) {
    players[0].y = 100;  // hanging in the air
    std::vector<float> speeds{0};
    for (int f = 0; f < 80; ++f) fortressFallSpeed(), speeds.push_back(players[0].fallSpeed);
    const auto restart = std::find(speeds.begin() + 1, speeds.end(), 0.0f);
    ASSERT_LT(restart, speeds.end() - 1);
    EXPECT_TRUE(restart[-1] >= 15.0f && restart[-2] < 15.0f && restart[1] == 0.2f);
    players[1].y = STANDING_Y - 2;  // one row too high: the probes miss the ground
    fortressFallSpeed();
    fortressFall();
    EXPECT_FLOAT_EQ(players[1].y, STANDING_Y - 2 + 0.2f);
}

TEST_F(FortressTest, DamageAboveTheLimitDestroysOnceWithItsSound) {
    players[0].damage = 2500, players[1].damage = 2501;
    checkDeaths();
    checkDeaths();
    EXPECT_EQ(Ints({players[0].isDead, players[1].isDead}), Ints({0, 1}));
    EXPECT_EQ(plays(22), 1);
}

}  // namespace
