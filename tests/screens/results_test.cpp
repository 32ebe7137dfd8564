#include "screens/results.h"

#include <array>

#include "battle/battle.h"
#include "battle/battle_state.h"
#include "core/player.h"
#include "screen_test_support.h"
#include "screens/screens.h"

namespace {

class Results : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        numPlayers = 4;
        const char* names[] = {"ANNA", "BORIS", "CLARA", "DIMA"};
        const std::int32_t wins[] = {2, 5, 5, 0};
        for (Player& p : players) p = Player{};
        for (int i = 0; i < 4; ++i) players[i] = Player{.name = names[i], .money = 1000 * i, .wins = wins[i]};
        battleState.battleTimeLeft = 100;
    }
    // Shows the screen with a click in its first frame; the texts of its last frame.
    const std::vector<DrawnText>& show() {
        machine.atPresent[machine.presents + 1] = [] { inputState.leftButton = 1; };
        showResults(battle);
        return machine.lastFrame;
    }
    Battle battle;
};

TEST_F(Results, RankingByWinsWithTheSurvivorsInTheirColourUnlessTimeRanOut) {
    players[0].isDead = players[3].isDead = 1;
    const char* rows[] = {"BORIS : 1000$", "CLARA : 2000$", "ANNA : 0$", "DIMA : 3000$"};  // equal wins in player order
    for (const bool timeUp : {false, true}) {
        battleState.battleTimeLeft = timeUp ? 0 : 100;
        const auto& texts = show();
        EXPECT_TRUE(drawnAt(texts, timeUp ? "END OF TIME" : "CONGRATULATION!!!", W / 2, H / 4 + 20, 0x0F0F0F,
                            timeUp ? 0x0FFFFF : 0x0FFF0F));
        for (int r = 1; r <= 4; ++r)
            EXPECT_TRUE(drawnAt(texts, rows[r - 1], W / 2, H / 4 + 10 + F * (r + 3), 0x0F0F0F,
                                !timeUp && r <= 2 ? 0x000FFF : 0x0FFF0F)) << timeUp << " " << rows[r - 1];
    }
}

TEST_F(Results, WinsAsFourDigitsAndAClickInTheFirstFrameWaitsForTheHundredth) {
    numPlayers = 5;
    for (int i = 0; i < 5; ++i) players[i].wins = std::array{9, 10, 100, 999, 1000}[static_cast<std::size_t>(i)];
    std::vector<std::string> shown;
    for (const DrawnText& t : show())
        if (t.x == W / 8 + 29) shown.push_back(t.text);
    EXPECT_EQ(shown, (std::vector<std::string>{"1000", "0999", "0100", "0010", "0009"}));
    EXPECT_EQ(machine.presents, 100);
    EXPECT_EQ(inputState.leftButton, 0);
    EXPECT_EQ(machine.played(6) + machine.played(18), 2) << "the results' sound, then the click's";
}

}  // namespace
