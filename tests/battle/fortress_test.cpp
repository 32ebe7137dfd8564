#include <cmath>
#include <cstdlib>

#include "battle_fixture.h"

namespace {

using FortressTest = BattleTest;

TEST_F(FortressTest, PlacementKeepsItsDistancesForEveryPlayerCount) {
    for (int n = 2; n <= 5; ++n) {
        numPlayers = static_cast<std::uint16_t>(n);
        players[0].damage = 900;
        players[0].isDead = 1;
        players[0].shieldHits = 2;
        standFortresses();
        EXPECT_EQ(players[0].damage, 0);
        EXPECT_EQ(players[0].isDead, 0);
        EXPECT_EQ(players[0].shieldHits, 0);
        for (int i = 0; i < n; ++i) {
            EXPECT_NE(static_cast<int>(players[i].y), 0) << n << " players, fortress " << i;
            for (int j = 0; j < i; ++j) {
                const int xi = static_cast<int>(players[i].x), yi = static_cast<int>(players[i].y);
                const int xj = static_cast<int>(players[j].x), yj = static_cast<int>(players[j].y);
                EXPECT_GE(std::fabs(players[i].x - players[j].x), 80.0f);
                const int d =
                    static_cast<int>(std::sqrt(double((xi - xj) * (xi - xj) + (yi - yj) * (yi - yj))));
                EXPECT_GE(d, 1000 / n) << n << " players, fortresses " << j << " and " << i;
            }
        }
    }
}

TEST_F(FortressTest, FallSpeedClimbsAndStartsOverAtFifteen) {
    players[0].x = 100;
    players[0].y = 100;  // hanging in the air
    std::vector<float> speeds;
    for (int f = 0; f < 80; ++f) {
        fortressFallSpeed();
        speeds.push_back(players[0].fallSpeed);
    }
    EXPECT_FLOAT_EQ(speeds[0], 0.2f);
    EXPECT_NEAR(speeds[9], 2.0f, 1e-4);
    int restart = -1;
    for (int f = 1; f < 80 && restart < 0; ++f)
        if (speeds[f] == 0.0f) restart = f;
    ASSERT_GT(restart, 0);
    EXPECT_GE(speeds[restart - 1], 15.0f);
    EXPECT_NEAR(speeds[restart - 1], 15.0f, 0.21f);
    EXPECT_FLOAT_EQ(speeds[restart + 1], 0.2f);
}

TEST_F(FortressTest, StandingFortressDoesNotFallAndAFallingOneMoves) {
    standAt(0, 200);
    players[0].fallSpeed = 3;
    players[1].x = 600;
    players[1].y = 100;
    players[1].fallSpeed = 4;
    fortressFallSpeed();
    EXPECT_EQ(players[0].fallSpeed, 0.0f);
    fortressFall();
    EXPECT_FLOAT_EQ(players[0].y, GROUND_Y - 48);
    EXPECT_FLOAT_EQ(players[1].y, 104.2f);
}

TEST_F(FortressTest, DamageAboveTheLimitDestroysOnceWithItsSound) {
    players[0].damage = 2500;
    players[1].damage = 2501;
    checkDeaths();
    checkDeaths();
    EXPECT_EQ(players[0].isDead, 0);
    EXPECT_EQ(players[1].isDead, 1);
    EXPECT_EQ(plays(22), 1);
}

TEST_F(FortressTest, RestoringSkipsFortressesNotPlaced) {
    setImage(FORTRESS_PICTURE + 0, 80, 50, 0);
    setImage(FORTRESS_PICTURE + 1, 80, 50, 0);
    standAt(0, 200);
    players[1].y = 0.5f;  // truncates to 0: not placed
    restoreFortressImages();
    EXPECT_EQ(raznoe[FORTRESS_PICTURE].surface->pixels[0], 0x1234);
    EXPECT_EQ(raznoe[FORTRESS_PICTURE + 1].surface->pixels[0], 0);
}

}  // namespace
