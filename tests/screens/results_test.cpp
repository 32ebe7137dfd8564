#include "screens/results.h"

#include <gtest/gtest.h>

#include "battle/battle.h"
#include "battle/battle_state.h"
#include "core/player.h"
#include "frame_driver.h"
#include "screens/screens.h"

namespace {

class Results : public ::testing::Test {
protected:
    void SetUp() override {
        openTestDisplay();
        numPlayers = 4;
        const char* names[] = {"ANNA", "BORIS", "CLARA", "DIMA"};
        const std::int32_t wins[] = {2, 5, 5, 0};
        for (int i = 0; i < MAX_PLAYERS; ++i) players[i] = Player{};
        for (int i = 0; i < 4; ++i) {
            players[i].name = names[i];
            players[i].wins = wins[i];
            players[i].money = 1000 * i;
        }
        battleState.battleTimeLeft = 100;
    }

    // Shows the screen with a click in its first frame; the frames it took.
    int showWithEarlyClick() {
        platform.betweenFrames = [](int frame) {
            if (frame == 1) inputState.leftButton = 1;
        };
        showResults(battle);
        return platform.presents;
    }

    FrameDriver platform;
    Battle battle;
};

TEST_F(Results, RankingByWinsEqualWinsInPlayerOrder) {
    const Ranking ranking = rankByWins();
    ASSERT_EQ(ranking.count, 4);
    EXPECT_EQ(ranking.order[0], 1);
    EXPECT_EQ(ranking.order[1], 2);
    EXPECT_EQ(ranking.order[2], 0);
    EXPECT_EQ(ranking.order[3], 3);

    showWithEarlyClick();
    const auto& texts = platform.lastFrame;
    int lastY = 0;
    for (const char* line : {"BORIS : 1000$", "CLARA : 2000$", "ANNA : 0$", "DIMA : 3000$"}) {
        const DrawnText* t = platform.find(line, texts);
        ASSERT_NE(t, nullptr) << line;
        EXPECT_GT(t->y, lastY) << line;
        EXPECT_EQ(t->x, 640 / 2 - 1);
        lastY = t->y;
    }
    // Row r at H/4 + 10 + F * (r + 3), the text one pixel up.
    EXPECT_EQ(platform.find("BORIS : 1000$", texts)->y, 480 / 4 + 10 + 18 * 4 - 1);
}

TEST_F(Results, DecidedBattleShowsSurvivorsInTheirColour) {
    players[0].isDead = 1;
    players[3].isDead = 1;
    showWithEarlyClick();
    const auto& texts = platform.lastFrame;
    const DrawnText* title = platform.find("CONGRATULATION!!!", texts);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->colour, 0x0FFF0Fu);
    EXPECT_EQ(platform.find("BORIS : 1000$", texts)->colour, 0x000FFFu);
    EXPECT_EQ(platform.find("ANNA : 0$", texts)->colour, 0x0FFF0Fu);
    EXPECT_EQ(platform.find("DIMA : 3000$", texts)->colour, 0x0FFF0Fu);
    EXPECT_EQ(platform.find("END OF TIME", texts), nullptr);
}

TEST_F(Results, TimeRanOutShowsEveryRowGreen) {
    battleState.battleTimeLeft = 0;
    showWithEarlyClick();
    const auto& texts = platform.lastFrame;
    const DrawnText* title = platform.find("END OF TIME", texts);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->colour, 0x0FFFFFu);
    for (const DrawnText& t : texts) {
        if (t.text.find('$') == std::string::npos || t.colour == 0x0F0F0F) continue;
        EXPECT_EQ(t.colour, 0x0FFF0Fu) << t.text;
    }
}

TEST_F(Results, WinsAsFourDigits) {
    players[0].wins = 7;
    players[1].wins = 42;
    players[2].wins = 123;
    players[3].wins = 1234;
    showWithEarlyClick();
    for (const char* wins : {"0007", "0042", "0123", "1234"})
        EXPECT_NE(platform.find(wins, platform.lastFrame), nullptr) << wins;
}

TEST_F(Results, EarlyInputWaitsForTheHoldAndIsTaken) {
    EXPECT_EQ(showWithEarlyClick(), 100) << "the click counts in the frame the hold ends";
    EXPECT_EQ(inputState.leftButton, 0);
    EXPECT_EQ(inputState.lastKeyDown, 0);
}

TEST_F(Results, KeyAfterTheHoldEndsTheScreenAtOnce) {
    platform.betweenFrames = [](int frame) {
        if (frame == 150) inputState.lastKeyDown = 'A';
    };
    inputState.lastKeyDown = 'B';  // pressed before the screen: cleared, not taken
    showResults(battle);
    EXPECT_EQ(platform.presents, 150) << "taken in the frame it came";
    EXPECT_EQ(inputState.lastKeyDown, 0);
}

}  // namespace
