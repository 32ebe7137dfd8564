#include "battle/battle_loop.h"
#include "battle/placement.h"
#include "battle_fixture.h"

namespace {

using BattleStateTest = BattleTest;

TEST_F(BattleStateTest, TickRunsTheTurnClockTheBattleClockAndTheMessage) {
    battleState.turnTimeLeft = 2, battleState.battleTimeLeft = 1;
    battleState.message = "NONAME 01 : 1500$", battleState.messageTime = 2;
    animationTick();
    EXPECT_EQ(battleState.message, "NONAME 01 : 1500$");
    shotPower = 40;
    animationTick();
    EXPECT_EQ(battleState.turnTimeLeft + battleState.battleTimeLeft, 0);
    EXPECT_EQ(battleState.shotFired, 0) << "a charging shot is the player's to release";
    EXPECT_TRUE(battleState.message.empty());
    shotPower = 0;
    animationTick();
    EXPECT_EQ(battleState.shotFired, 1);
    EXPECT_EQ(battleState.turnTimeLeft + battleState.battleTimeLeft, 0);
}

TEST_F(BattleStateTest, TopDrawForTheStartingPlayerFoldsOntoTheFirst) {
    numPlayers = 4;
    seedWhere([] { return gameRand() == 32767; });  // randScaled(4) = 4 names no player
    resetBattleState(battle);
    EXPECT_EQ(currentPlayer, 0);
}

// Set-up draws: starting player, scenery, level, weather; the fortresses; then the sky colours.
TEST_F(BattleStateTest, SetUpTakesItsDrawsInOrder) {
    numPlayers = 3, turnTicks = 200;  // a set turn time scales the battle's time: 500 ticks to 8000
    const std::pair<int, int> weathers[] = {{1, 23}, {2, 24}, {3, 0}};  // draw, sound: 3 is no rain or snow
    for (const auto& [draw, sound] : weathers) {
        const std::uint32_t seed = seedWhere([draw] {
            randScaled(3), randScaled(5), randScaled(64);
            return randScaled(4) == draw && (randScaled(2), randScaled(3)) != 0;
        });
        const int rain = plays(23), snow = plays(24);
        setUpBattle(battle);
        setGameRandState(seed);
        const int first = randScaled(3), scenery = randScaled(5), level = randScaled(64),
                  precipitation = randScaled(4);
        const int wind = randScaled(2), clouds = randScaled(3);
        EXPECT_EQ(Ints({currentPlayer, battleState.scenery, battleState.levelIndex, weather.precipitation,
                        weather.windDirection, weather.cloudType}),
                  Ints({first, scenery, level, precipitation % 3, wind, clouds}));
        EXPECT_EQ(Ints({plays(23) - rain, plays(24) - snow}),
                  Ints({sound == 23 ? 1 : 0, sound == 24 ? 1 : 0}));
        const FortressPlacement placed =
            searchFortressSpots(raznoe[LANDSCAPE_IMAGE], gameFortressProbes(), 3);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(players[i].x, placed.spots[i].x) << i;
        const int red = randScaled(32), blue = randScaled(32), green = randScaled(32);
        ASSERT_TRUE(red < 7 || red > 24 || blue < 7 || blue > 24 || green < 7 || green > 24);
        EXPECT_EQ((Ints{weather.skyColour[0], weather.skyColour[1], weather.skyColour[2]}),
                  (Ints{red, green, blue}));
        EXPECT_EQ(Ints({battleState.turnTimeLeft, battleState.battleTimeLeft}), Ints({200, 3200}));
        EXPECT_EQ(camera.cameraTargetX, static_cast<int>(players[first].x) + 40);
    }
}

TEST_F(BattleStateTest, BattleOutOfTimeEndsWithoutAward) {
    battleState.battleTimeLeft = 2;
    int frame = 1;
    while (battleFrame(battle) == FrameOutcome::Continue && frame < 100) ++frame;
    EXPECT_EQ(frame, 6) << "two ticks of three frames";
    EXPECT_EQ(battleState.turnTimeLeft, TURN_TIME - 2);
    players[1].isDead = 1;  // decided in the last frame of time: still no award
    EXPECT_EQ(battleFrame(battle), FrameOutcome::Finished);
    EXPECT_EQ(players[0].wins + players[0].money, 0);
}

}  // namespace
