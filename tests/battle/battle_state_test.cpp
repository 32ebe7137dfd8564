#include "battle_fixture.h"

namespace {

using BattleStateTest = BattleTest;

TEST_F(BattleStateTest, AnimationCountersCycleThroughTheirImages) {
    std::vector<int> flags, crates;
    for (int t = 0; t < 21; ++t) {
        animationTick();
        flags.push_back(animCounters.flagFrame);
        crates.push_back(animCounters.crateFrame);
    }
    EXPECT_EQ(flags[0], 38);
    EXPECT_EQ(flags[8], 46);
    EXPECT_EQ(flags[9], 37);
    EXPECT_EQ(crates[18], 404);
    EXPECT_EQ(crates[19], 385);
    EXPECT_EQ(animCounters.thinkFrame, 450 + 21 % 5);
    EXPECT_EQ(animCounters.shieldFrame, 239 + 21 % 10);
    EXPECT_EQ(animCounters.markerFrame, 347 + 21 % 10);
    // Resting values of a battle.
    EXPECT_EQ(animCounters.shopFrame, 455);
    EXPECT_EQ(animCounters.powerBarImage, 93);
}

TEST_F(BattleStateTest, ShopFrameRunsOnceFromAScreensStart) {
    animCounters.shopFrame = 456;
    std::vector<int> seen;
    for (int t = 0; t < 11; ++t) {
        animationTick();
        seen.push_back(animCounters.shopFrame);
    }
    EXPECT_EQ(seen[7], 464);
    EXPECT_EQ(seen[8], 455);
    EXPECT_EQ(seen[10], 455);
}

TEST_F(BattleStateTest, TurnTimeForfeitsOnlyWhenNothingIsCharging) {
    battleState.turnTimeLeft = 2;
    animationTick();
    EXPECT_EQ(battleState.shotFired, 0);
    shotPower = 40;
    animationTick();
    EXPECT_EQ(battleState.turnTimeLeft, 0);
    EXPECT_EQ(battleState.shotFired, 0);  // charging: the shot is released by the player
    shotPower = 0;
    animationTick();
    EXPECT_EQ(battleState.turnTimeLeft, 0);
    EXPECT_EQ(battleState.shotFired, 1);
}

TEST_F(BattleStateTest, BattleClockAndMessageRunDownToZero) {
    battleState.battleTimeLeft = 1;
    battleState.message = "NONAME 01 : 1500$";
    battleState.messageTime = 2;
    animationTick();
    EXPECT_EQ(battleState.battleTimeLeft, 0);
    EXPECT_EQ(battleState.message, "NONAME 01 : 1500$");
    animationTick();
    EXPECT_EQ(battleState.battleTimeLeft, 0);
    EXPECT_TRUE(battleState.message.empty());
}

TEST_F(BattleStateTest, FlightProgramsFollowTheList) {
    homingTargetX = 77;  // an old target must not survive
    buildFlightPrograms();
    for (int k : {0, 1, 2, 6, 7, 8, 9}) {
        EXPECT_EQ(flightPrograms[k][0].count, 1) << k;
        EXPECT_EQ(flightPrograms[k][1].count, 10000) << k;
        EXPECT_EQ(flightPrograms[k][2].cmd, FLIGHT_END) << k;
    }
    const FlightRow* super = flightPrograms[3];
    EXPECT_EQ(super[0].count, 100);
    EXPECT_EQ(super[1].cmd, 4);
    EXPECT_FLOAT_EQ(super[3].p1, 12.0f);
    EXPECT_EQ(super[4].cmd, 7);
    EXPECT_EQ(super[5].cmd, FLIGHT_END);
    const FlightRow* direct = flightPrograms[4];
    EXPECT_EQ(direct[1].cmd, 3);
    EXPECT_EQ(direct[1].count, 400);
    EXPECT_FLOAT_EQ(homingTargetX, 0.0f);
    EXPECT_EQ(direct[2].cmd, 255);
    EXPECT_FLOAT_EQ(direct[2].p1, 3.0f);
    EXPECT_FLOAT_EQ(direct[2].p2, 1.4f);
    EXPECT_EQ(flightPrograms[5][3].cmd, 257);
    EXPECT_EQ(flightPrograms[5][3].count, 2);
    EXPECT_EQ(flightPrograms[5][4].cmd, FLIGHT_END);
    EXPECT_FLOAT_EQ(flightPrograms[10][0].p1, -1.0f);
    EXPECT_FLOAT_EQ(flightPrograms[11][0].p1, 1.0f);
    EXPECT_FLOAT_EQ(flightPrograms[12][0].p2, -7.0f);
    EXPECT_EQ(flightPrograms[13][0].count, 10000);
    EXPECT_EQ(flightPrograms[13][1].cmd, FLIGHT_END);
}

TEST_F(BattleStateTest, BattleDecidedByTheLastShotWaitsForNothingInFlight) {
    players[1].isDead = 1;
    projectiles[7].kind = 1;
    EXPECT_FALSE(battleOver());
    projectiles[7].kind = 0;
    EXPECT_TRUE(battleOver());
    awardSurvivors();
    EXPECT_EQ(players[0].money, 5000);
    EXPECT_EQ(players[0].wins, 1);
    EXPECT_EQ(players[1].money, 0);
}

TEST_F(BattleStateTest, LastTwoFortressesFallingTogetherAwardNobody) {
    numPlayers = 3;
    players[0].isDead = players[1].isDead = players[2].isDead = 1;
    EXPECT_TRUE(battleOver());
    awardSurvivors();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(players[i].wins, 0);
}

TEST_F(BattleStateTest, TwoStandingFortressesKeepTheBattleGoing) {
    numPlayers = 3;
    players[1].isDead = 1;
    EXPECT_FALSE(battleOver());
}

TEST_F(BattleStateTest, ASetTurnTimeStartsTheTurnsAndScalesTheBattlesLimit) {
    // turn ticks -> the battle's limit; 500 is the designed game.
    const std::pair<int, int> cases[] = {{500, 8000}, {200, 3200}, {20, 320}, {72000, 1152000}};
    for (const auto& [ticks, limit] : cases) {
        turnTicks = ticks;
        resetBattleState(battle);
        EXPECT_EQ(battleState.turnTimeLeft, ticks);
        EXPECT_EQ(battleTime(), limit) << ticks;
    }
    turnTicks = TURN_TIME;
}

TEST_F(BattleStateTest, ResetStartsTheTurnAndClearsTheBattle) {
    numPlayers = 3;
    crates[4].kind = 2;
    weather.frontDrops[9].active = 1;
    weather.clouds[2].active = 1;
    projectiles[3].kind = 5;
    battleState.message = "OLD";
    battleState.messageTime = 40;
    selectedWeapon = 5;
    shotPower = 30;
    camera.scrollX = 300;
    animCounters.flagFrame = 44;
    battleState.frameThird = 2;
    battleState.weatherTick = 7;
    inputState.lastKeyDown = 'Y';
    resetBattleState(battle);
    EXPECT_LT(currentPlayer, 3);
    EXPECT_EQ(crates[4].kind, 0);
    EXPECT_EQ(weather.frontDrops[9].active, 0);
    EXPECT_EQ(weather.clouds[2].active, 0);
    EXPECT_EQ(projectiles[3].kind, 0);
    EXPECT_TRUE(battleState.message.empty());
    EXPECT_EQ(battleState.messageTime, 0);
    EXPECT_EQ(selectedWeapon, 0);
    EXPECT_EQ(shotPower, 0);
    EXPECT_EQ(camera.scrollX, 0);
    EXPECT_EQ(animCounters.flagFrame, 37);
    EXPECT_EQ(battleState.frameThird, 0);
    EXPECT_EQ(battleState.weatherTick, 0);
    EXPECT_EQ(battleState.turnTimeLeft, TURN_TIME);
    EXPECT_EQ(inputState.lastKeyDown, 0);
    EXPECT_EQ(flightPrograms[0][2].cmd, FLIGHT_END);
}

TEST_F(BattleStateTest, StartingPlayerFromTheTopRandomValueNamesAPlayer) {
    numPlayers = 4;
    setGameRandState(stateBeforeRand(32767));
    EXPECT_EQ(randScaled(4), 4);  // the value that names no player
    setGameRandState(stateBeforeRand(32767));
    resetBattleState(battle);
    EXPECT_EQ(currentPlayer, 0);
}

}  // namespace
