#include <string>

#include "battle/battle_loop.h"
#include "battle_fixture.h"

namespace {

std::vector<std::string> calls;

template <const char* name>
void record(Battle&) {
    calls.push_back(name);
}

#define STEP(n)                    \
    constexpr char n##Name[] = #n; \
    constexpr auto n##Spy = record<n##Name>;
STEP(present)
STEP(cursor)
STEP(restore)
STEP(draw)
STEP(deaths)
STEP(human)
STEP(computer)
STEP(follow)
STEP(weather)
STEP(endTurn)
STEP(fallSpeed)
STEP(fall)
STEP(edge)
STEP(onProjectiles)
STEP(spawnCrate)
STEP(crateFall)
STEP(hits)
STEP(projectiles)
STEP(tick)
#undef STEP

constexpr FrameSteps SPY_STEPS{presentSpy,   cursorSpy,   restoreSpy,     drawSpy,          deathsSpy,
                               humanSpy,     computerSpy, followSpy,      weatherSpy,       endTurnSpy,
                               fallSpeedSpy, fallSpy,     edgeSpy,        onProjectilesSpy, spawnCrateSpy,
                               crateFallSpy, hitsSpy,     projectilesSpy, tickSpy};

class FrameTest : public BattleTest {
protected:
    void SetUp() override {
        BattleTest::SetUp();
        calls.clear();
    }
};

TEST_F(FrameTest, OneFrameCallsEveryStepInOrder) {
    battleState.frameThird = 2;
    EXPECT_EQ(battleFrame(battle, SPY_STEPS), FrameOutcome::Continue);
    const std::vector<std::string> expected{
        "present",       "cursor",     "restore",   "draw",      "deaths",      "human",
        "follow",        "weather",    "endTurn",   "fallSpeed", "fall",        "edge",
        "onProjectiles", "spawnCrate", "crateFall", "hits",      "projectiles", "tick"};
    EXPECT_EQ(calls, expected);
}

TEST_F(FrameTest, ComputerOnTurnTakesTheComputerStep) {
    players[1].isComputer = 1;
    currentPlayer = 1;
    battleFrame(battle, SPY_STEPS);
    EXPECT_EQ(calls[5], "computer");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "human"), 0);
}

TEST_F(FrameTest, AnimationTickRunsEveryThirdFrame) {
    for (int f = 0; f < 9; ++f) battleFrame(battle, SPY_STEPS);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "tick"), 3);
    EXPECT_EQ(battleState.frameThird, 0);
    EXPECT_EQ(calls.back(), "tick");
}

TEST_F(FrameTest, BattleEndedByTimeAwardsNobody) {
    battleState.battleTimeLeft = 0;
    EXPECT_EQ(battleFrame(battle, SPY_STEPS), FrameOutcome::Finished);
    EXPECT_EQ(players[0].wins, 0);
    EXPECT_EQ(players[1].wins, 0);
}

TEST_F(FrameTest, RealTickEndsTheBattleAfterItsTime) {
    FrameSteps steps = SPY_STEPS;
    steps.animationTick = [](Battle&) { animationTick(); };
    battleState.battleTimeLeft = 2;
    int frames = 0;
    while (battleFrame(battle, steps) == FrameOutcome::Continue) ++frames;
    EXPECT_EQ(frames + 1, 6);  // two ticks of three frames
    EXPECT_EQ(players[0].money, 0);
}

TEST_F(FrameTest, DecidedBattleEndsOnlyWhenThePauseHandsOn) {
    players[1].isDead = 1;
    battleState.turnEndDelay = 2;
    EXPECT_EQ(battleFrame(battle, SPY_STEPS), FrameOutcome::Continue);
    battleState.turnEndDelay = 1;
    EXPECT_EQ(battleFrame(battle, SPY_STEPS), FrameOutcome::Finished);
    EXPECT_EQ(players[0].wins, 1);
    EXPECT_EQ(players[0].money, 5000);
}

TEST_F(FrameTest, LastShotAtTheEndOfTimeStillDecidesWithoutAward) {
    players[1].isDead = 1;
    battleState.battleTimeLeft = 0;
    EXPECT_EQ(battleFrame(battle, SPY_STEPS), FrameOutcome::Finished);
    EXPECT_EQ(players[0].wins, 0);
}

TEST_F(FrameTest, EscapeEndsTheFrameWithTheQuestionForTheGameFlow) {
    inputState.lastKeyDown = VK_ESCAPE;
    EXPECT_EQ(battleFrame(battle, SPY_STEPS), FrameOutcome::Escape);
    EXPECT_EQ(calls.size(), 17u) << "after every step of the frame";
    inputState.lastKeyDown = 'A';
    EXPECT_EQ(battleFrame(battle, SPY_STEPS), FrameOutcome::Continue);
    players[1].isDead = 1;
    inputState.lastKeyDown = VK_ESCAPE;
    EXPECT_EQ(battleFrame(battle, SPY_STEPS), FrameOutcome::Finished) << "a decided battle ends first";
}

}  // namespace
