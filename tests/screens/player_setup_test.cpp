#include "screens/player_setup.h"

#include "battle/battle_state.h"
#include "core/input.h"
#include "core/online.h"
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
    void draw() { machine.drawn.clear(), drawSetupScreen(setupDone); }
    std::int32_t setupDone = 0;
    static constexpr int PLAY_X = W / 4 - 20, NEXT_X = 3 * (W / 4) - 20, BUTTON_Y = 9 * T - 5, TEXT_Y = 9 * T - F - 5;
    static const ImageEntry& play() { return raznoe[440]; }
    static const ImageEntry& next() { return raznoe[455]; }
};

}  // namespace

TEST_F(PlayerSetup, ColourStepsAtLeastOnceToOneNoEarlierPlayerHas) {
    const std::tuple<std::vector<std::int16_t>, std::int16_t, std::int16_t> cases[] = {
        {{}, 0, 1}, {{}, 4, 0}, {{0}, 1, 2}, {{0}, 3, 4}, {{1, 2}, 0, 3}, {{4, 0}, 3, 1}, {{0, 1, 2, 3}, 4, 4}};
    for (const auto& [earlier, from, to] : cases) {
        const int k = static_cast<int>(earlier.size());
        for (int j = 0; j < k; ++j) players[j].colour = earlier[static_cast<std::size_t>(j)];
        players[k].colour = from;
        if (k + 1 < MAX_PLAYERS) players[k + 1].colour = to;  // a later player does not count
        stepPlayerColour(k);
        EXPECT_EQ(players[k].colour, to) << "player " << k << " from " << from;
    }
}

TEST_F(PlayerSetup, TextsInTheirPlacesAndColoursWithPlayGameFromTwoAndNextOpponentUpToFour) {
    // Players set up, whether the one edited is a computer, whether PLAY GAME and NEXT OPPONENT show.
    const std::tuple<int, std::int16_t, bool, bool> cases[] = {{2, 0, true, true}, {1, 1, false, true},
                                                               {5, 0, true, false}};
    for (const auto& [count, computer, playShown, nextShown] : cases) {
        SCOPED_TRACE(count);
        numPlayers = static_cast<std::uint16_t>(count);
        players[count - 1].isComputer = computer;
        draw();
        const auto& t = machine.drawn;
        const char *role = computer ? "COMPUTER" : "HUMAN", *otherRole = computer ? "HUMAN" : "COMPUTER";
        EXPECT_TRUE(drawnAt(t, "YOUR NAME:", W / 2, 2 * T + 55, 0x00000F, 0x0FFFFF));
        EXPECT_TRUE(drawnAt(t, "NONAME 0" + std::to_string(count), W / 2, 2 * T + 55 + F, 0x00000F, 0xFFFFFF));
        EXPECT_TRUE(drawnAt(t, role, W / 2, 6 * T + 40, 0x00000F, 0xFFFFFF));
        EXPECT_FALSE(drawnAt(t, otherRole, W / 2, 6 * T + 40, 0x00000F, 0xFFFFFF));
        EXPECT_EQ(drawnAt(t, "PLAY GAME", W / 4, TEXT_Y, 0x00000F, 0x000FFF), playShown);
        EXPECT_EQ(shownAt(play(), PLAY_X, BUTTON_Y), playShown);
        EXPECT_EQ(drawnAt(t, "NEXT OPPONENT", 3 * (W / 4), TEXT_Y, 0x00000F, 0x000FFF), nextShown);
        EXPECT_EQ(shownAt(next(), NEXT_X, BUTTON_Y), nextShown);
        EXPECT_TRUE(shownAt(raznoe[439 - computer], W / 2 - 20, 6 * T)) << "the role's button";
        // The banner in the player's colour; its foot stands behind the colour button.
        EXPECT_TRUE(shownAt(raznoe[37 + 10 * players[count - 1].colour], W / 2 + 20, 2 * T - 40, 40));
    }
}

TEST_F(PlayerSetup, NameKeysOfThePlayerBeingEdited) {
    numPlayers = 2;
    // A refused key (no name after it) is left waiting, unused and silent.
    const std::tuple<const char*, std::int32_t, const char*> cases[] = {
        {"AB", 'Z', "ABZ"}, {"", '0', "0"}, {"A", '9', "A9"}, {"A", VK_SPACE, "A "}, {"NONAME 02", VK_BACK, ""},
        {"ABCDEFGHIJK", 'L', "ABCDEFGHIJKL"}, {"ABCDEFGHIJKL", VK_BACK, ""}, {"ABCDEFGHIJKL", 'M', nullptr},
        {"AB", 'a', nullptr}, {"AB", 0x0D, nullptr}, {"AB", 0x2F, nullptr}, {"AB", 0x3A, nullptr},
        {"AB", 0x40, nullptr}, {"AB", 0x5B, nullptr}, {"AB", VK_ESCAPE, nullptr}, {"AB", 0x60, nullptr}};
    for (const auto& [before, key, after] : cases) {
        SCOPED_TRACE(std::string(before) + " + " + std::to_string(key));
        const int clicks = machine.played(18);
        players[1].name = before;
        inputState.lastKeyDown = key;
        handleSetupKey();
        EXPECT_EQ(players[1].name, after ? after : before);
        EXPECT_EQ(inputState.lastKeyDown, after ? 0 : key);
        EXPECT_EQ(machine.played(18), clicks + (after != nullptr));
    }
    EXPECT_EQ(players[0].name, "NONAME 01");
}

TEST_F(PlayerSetup, NextOpponentAddsAPlayerOnceAtRestUpToFive) {
    std::vector<int> colours{players[0].colour};
    for (int added = 2; added <= 5; ++added) {
        animCounters.shopFrame = 455;
        clickOn(next(), NEXT_X, BUTTON_Y);
        draw();
        ASSERT_EQ(numPlayers, added);
        colours.push_back(players[added - 1].colour);
        EXPECT_EQ(animCounters.shopFrame, 456);
        EXPECT_EQ(inputState.leftButton + machine.played(18), added - 1);
    }
    EXPECT_EQ(colours, (std::vector<int>{0, 2, 3, 4, 1})) << "untouched colours come in this order";

    clickOn(next(), NEXT_X, BUTTON_Y);
    animCounters.shopFrame = 455;
    draw();
    EXPECT_EQ(numPlayers, 5) << "five players: no NEXT OPPONENT";
    numPlayers = 2, animCounters.shopFrame = 456;
    draw();
    EXPECT_EQ(numPlayers, 2) << "no click while the button animates";
    EXPECT_EQ(inputState.leftButton, 1);
}

TEST_F(PlayerSetup, ColourAndRoleButtonsActOnTheEditedPlayer) {
    numPlayers = 2;
    players[1].colour = 2;
    clickOn(raznoe[2], W / 2 - 40, 2 * T);
    draw();
    EXPECT_EQ(players[1].colour, 3);
    EXPECT_EQ(players[0].colour + inputState.leftButton, 0);
    for (const std::int16_t role : {1, 0}) {
        clickOn(raznoe[438 + role], W / 2 - 20, 6 * T);  // the human's button, then the computer's
        draw();
        EXPECT_EQ(players[1].isComputer, role);
    }
    EXPECT_EQ(machine.played(18), 3);
}

// Online: REMOTE comes after COMPUTER only while a joined machine has no player; the machine that
// leaves hands its player to the computer (mid-turn too), and only the player on turn's machine acts.
TEST_F(PlayerSetup, TheRoleButtonBindsJoinedMachinesWhichHandTheirPlayersToTheComputerOnLeaving) {
    const auto role = [](int k) { return std::pair<int, int>(players[k].isComputer, players[k].remotePeer); };
    forgetPeers();
    stepPlayerRole(0);
    stepPlayerRole(0);
    EXPECT_EQ(role(0), (std::pair{0, 0}));
    peerJoined(2, "ANN");
    peerJoined(3, "BOB");
    stepPlayerRole(0);
    stepPlayerRole(0);
    EXPECT_EQ(role(0), (std::pair{0, 2}));
    EXPECT_EQ(players[0].name, "ANN");
    EXPECT_EQ(freePeer(1), 3);
    players[1].isComputer = 1;
    stepPlayerRole(1);
    EXPECT_EQ(players[1].remotePeer, 3);
    EXPECT_EQ(freePeer(2), 0);

    currentPlayer = 1;
    EXPECT_EQ(actingPeer(), 0) << "outside a turn the host acts";
    playerOnTurnActs = true;
    EXPECT_EQ(actingPeer(), 3);
    yesNoAsked = true;
    EXPECT_EQ(actingPeer(), 0) << "the question is the host's";
    yesNoAsked = false;
    computerTakesOver = false;
    peerLeft(3);
    EXPECT_TRUE(computerTakesOver);
    EXPECT_EQ(role(1), (std::pair{1, 0}));
    EXPECT_EQ(actingPeer(), 0);
    stepPlayerRole(0);
    EXPECT_EQ(players[0].remotePeer, 0) << "REMOTE steps back to HUMAN";
    forgetPeers();
    EXPECT_FALSE(playerOnTurnActs || onlinePeers[2].present);
}
