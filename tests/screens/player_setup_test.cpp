#include "screens/player_setup.h"

#include <set>

#include "battle/battle_state.h"
#include "battle/weather.h"
#include "core/player.h"
#include "screen_test_support.h"
#include "screens/screens.h"

namespace {

class PlayerSetup : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        initPlayers();
        newGameReset();
        numPlayers = 1;
        animCounters = AnimCounters{};
    }
    // Clicks the middle of image placed at (x, y) in the next drawn frame.
    void clickOn(const ImageEntry& image, int x, int y) {
        pointAt(x + image.width / 2, y + image.height / 2);
        inputState.leftButton = 1;
    }
    std::int32_t setupDone = 0;
    static constexpr int T = 48;
    static constexpr int PLAY_X = 640 / 4 - 20;
    static constexpr int NEXT_X = 3 * (640 / 4) - 20;
    static constexpr int BUTTON_Y = 9 * T - 5;
};

}  // namespace

TEST_F(PlayerSetup, UntouchedColoursComeInTheOrderZeroTwoThreeFourOne) {
    std::vector<int> colours{players[0].colour};
    for (int k = 1; k < MAX_PLAYERS; ++k) {
        stepPlayerColour(k);
        colours.push_back(players[k].colour);
    }
    EXPECT_EQ(colours, (std::vector<int>{0, 2, 3, 4, 1}));
}

TEST_F(PlayerSetup, ColourStepsAtLeastOnceAndNeverMatchesAnEarlierPlayer) {
    stepPlayerColour(0);
    EXPECT_EQ(players[0].colour, 1) << "the first player has no one to compare with";
    players[0].colour = 4;
    stepPlayerColour(0);
    EXPECT_EQ(players[0].colour, 0) << "wraps after 4";

    // Every arrangement of distinct earlier colours and every starting colour of the new player.
    for (int k = 1; k < MAX_PLAYERS; ++k) {
        for (int code = 0; code < 3125; ++code) {
            std::set<int> earlier;
            int c = code;
            for (int j = 0; j < k; ++j, c /= 5) {
                players[j].colour = static_cast<std::int16_t>(c % 5);
                earlier.insert(c % 5);
            }
            if (static_cast<int>(earlier.size()) != k) continue;
            const int start = c % 5;
            players[k].colour = static_cast<std::int16_t>(start);
            stepPlayerColour(k);
            int expected = (start + 1) % 5;
            while (earlier.count(expected)) expected = (expected + 1) % 5;
            ASSERT_EQ(players[k].colour, expected) << "k " << k << " code " << code;
        }
    }
}

TEST_F(PlayerSetup, NamesTakeCapitalsDigitsAndSpaceUpToTwelve) {
    players[0].name.clear();
    for (char key : std::string("AZ09 ")) {
        inputState.lastKeyDown = key;
        handleSetupKey();
        EXPECT_EQ(inputState.lastKeyDown, 0);
    }
    EXPECT_EQ(players[0].name, "AZ09 ");
    EXPECT_EQ(machine.played(18), 5);

    // Keys that are no name character stay where they are, unused.
    for (std::int32_t key : {0x61, 0x0D, 0x25, 0x2F, 0x3A, 0x40, 0x5B}) {
        inputState.lastKeyDown = key;
        handleSetupKey();
        EXPECT_EQ(inputState.lastKeyDown, key);
    }
    EXPECT_EQ(players[0].name, "AZ09 ");
    EXPECT_EQ(machine.played(18), 5);

    players[0].name = "ABCDEFGHIJKL";
    inputState.lastKeyDown = 'M';
    handleSetupKey();
    EXPECT_EQ(players[0].name, "ABCDEFGHIJKL") << "a thirteenth character is refused";
    EXPECT_EQ(inputState.lastKeyDown, 'M') << "and the key is left untaken";
    EXPECT_EQ(machine.played(18), 5);
}

TEST_F(PlayerSetup, BackspaceEmptiesTheWholeNameOfThePlayerBeingEdited) {
    numPlayers = 2;
    inputState.lastKeyDown = 0x08;
    handleSetupKey();
    EXPECT_EQ(players[1].name, "");
    EXPECT_EQ(players[0].name, "NONAME 01");
    EXPECT_EQ(inputState.lastKeyDown, 0);
    EXPECT_EQ(machine.played(18), 1);
}

TEST_F(PlayerSetup, EscapeLeavesWithAClick) {
    inputState.lastKeyDown = VK_ESCAPE;
    handleSetupKey();
    EXPECT_EQ(inputState.lastKeyDown, VK_ESCAPE) << "no name key: left for the loop's Escape";
    EXPECT_EQ(leaveSetup(), 0);
    EXPECT_EQ(inputState.lastKeyDown, 0);
    EXPECT_EQ(machine.played(18), 1);
}

TEST_F(PlayerSetup, PlayGameOnlyFromTwoPlayersOn) {
    const ImageEntry& play = raznoe[440];
    clickOn(play, PLAY_X, BUTTON_Y);
    drawSetupScreen(setupDone);
    EXPECT_EQ(setupDone, 0);
    EXPECT_EQ(inputState.leftButton, 1) << "nothing took the click";
    EXPECT_FALSE(shownAt(play, PLAY_X, BUTTON_Y));
    EXPECT_EQ(machine.played(18), 0);

    numPlayers = 2;
    drawSetupScreen(setupDone);
    EXPECT_EQ(setupDone, 1);
    EXPECT_EQ(inputState.leftButton, 0);
    EXPECT_EQ(machine.played(18), 1);
    pointAt(5, 5);
    drawSetupScreen(setupDone);
    EXPECT_TRUE(shownAt(play, PLAY_X, BUTTON_Y));
}

TEST_F(PlayerSetup, NextOpponentAddsAPlayerOnceAndAnimates) {
    const ImageEntry& next = raznoe[455];
    clickOn(next, NEXT_X, BUTTON_Y);
    drawSetupScreen(setupDone);
    EXPECT_EQ(numPlayers, 2);
    EXPECT_EQ(players[1].colour, 2) << "the new player steps past colour 1 to a free one";
    EXPECT_EQ(animCounters.shopFrame, 456);
    EXPECT_EQ(inputState.leftButton, 0);
    EXPECT_EQ(machine.played(18), 1);

    inputState.leftButton = 1;
    drawSetupScreen(setupDone);
    EXPECT_EQ(numPlayers, 2) << "no click while the button animates";
    EXPECT_EQ(inputState.leftButton, 1);
    EXPECT_EQ(machine.played(18), 1);

    animCounters.shopFrame = 455;
    numPlayers = 5;
    pointAt(5, 5);
    drawSetupScreen(setupDone);
    EXPECT_FALSE(shownAt(next, NEXT_X, BUTTON_Y)) << "five players: no NEXT OPPONENT";
    clickOn(next, NEXT_X, BUTTON_Y);
    drawSetupScreen(setupDone);
    EXPECT_EQ(numPlayers, 5);
}

TEST_F(PlayerSetup, ColourAndRoleButtonsActOnTheEditedPlayer) {
    numPlayers = 2;
    players[1].colour = 2;
    clickOn(raznoe[2], 640 / 2 - 40, 2 * T);
    drawSetupScreen(setupDone);
    EXPECT_EQ(players[1].colour, 3);
    EXPECT_EQ(players[0].colour, 0);
    EXPECT_EQ(inputState.leftButton, 0);

    clickOn(raznoe[439], 640 / 2 - 20, 6 * T);
    drawSetupScreen(setupDone);
    EXPECT_EQ(players[1].isComputer, 1);
    pointAt(5, 5);
    drawSetupScreen(setupDone);
    EXPECT_TRUE(shownAt(raznoe[438], 640 / 2 - 20, 6 * T)) << "the computer's button now";
    // The banner's foot stands behind the colour button.
    EXPECT_TRUE(shownAt(raznoe[37 + 3 * 10], 640 / 2 + 20, 2 * T - 40, 40)) << "the banner in the new colour";
    clickOn(raznoe[438], 640 / 2 - 20, 6 * T);
    drawSetupScreen(setupDone);
    EXPECT_EQ(players[1].isComputer, 0);
    EXPECT_EQ(machine.played(18), 3);
}

TEST_F(PlayerSetup, EscapeReturnsToTheMenuWithTheEnteredPlayersKept) {
    numPlayers = 4;
    const ImageEntry& next = raznoe[455];
    machine.onPresent = [&](int n) {
        switch (n) {
            case 2:
                OnKeyDown(0x08);
                break;
            case 3:
                OnKeyDown('A');
                break;
            case 4:
                OnKeyDown('L');
                break;
            case 5:
                machine.cursor = {NEXT_X + next.width / 2, BUTTON_Y + next.height / 2};
                OnLButtonDown();
                break;
            case 6:
                OnLButtonUp();
                break;
            case 7:
                OnKeyDown('B');
                break;
            case 8:
                OnKeyDown(VK_ESCAPE);
                break;
        }
    };
    EXPECT_EQ(playerSetup(), 0);
    EXPECT_EQ(machine.presents, 8);
    EXPECT_EQ(numPlayers, 2) << "entry sets one player, NEXT OPPONENT adds the second";
    EXPECT_EQ(players[0].name, "AL");
    EXPECT_EQ(players[1].name, "NONAME 02B");
    EXPECT_EQ(machine.played(18), 6);
}

TEST_F(PlayerSetup, AnimationsStartInPhaseWhateverTheBattleLeftInTheFrameCounter) {
    battleState.frameThird = 2;  // as a battle may leave it
    battleState.weatherTick = 7;
    std::vector<int> flagFrames;
    machine.onPresent = [&](int n) {
        flagFrames.push_back(animCounters.flagFrame);
        if (n == 4) OnKeyDown(VK_ESCAPE);
    };
    EXPECT_EQ(playerSetup(), 0);
    ASSERT_GE(flagFrames.size(), 4u);
    // Present, then tick every third frame: the first tick is drawn after the third present.
    EXPECT_EQ(flagFrames[1], 37);
    EXPECT_EQ(flagFrames[2], 37);
    EXPECT_EQ(flagFrames[3], 38);
    EXPECT_EQ(battleState.weatherTick, 0);
}

TEST_F(PlayerSetup, PlayGameReturnsOne) {
    const ImageEntry& next = raznoe[455];
    const ImageEntry& play = raznoe[440];
    machine.onPresent = [&](int n) {
        if (n == 2) {
            machine.cursor = {NEXT_X + next.width / 2, BUTTON_Y + next.height / 2};
            OnLButtonDown();
        } else if (n == 3) {
            OnLButtonUp();
            machine.cursor = {PLAY_X + play.width / 2, BUTTON_Y + play.height / 2};
        } else if (n == 4) {
            OnLButtonDown();
        }
    };
    EXPECT_EQ(playerSetup(), 1);
    EXPECT_EQ(machine.presents, 4);
    EXPECT_EQ(numPlayers, 2);
}
