#include "screens/game_flow.h"

#include "core/player.h"
#include "screen_test_support.h"
#include "screens/screens.h"

using GameFlow = ScreenTest;

TEST_F(GameFlow, ClicksActOnTheItemUnderThePointerAndSpaceStartsANewGame) {
    constexpr int STARTUP = 5;  // the start-up's presents before the wait for the first input
    const auto item = [](int i) -> platform::Point {  // the middle of menu item i
        return {W / 10 + raznoe[446 + i].width / 2, H / 3 + 50 * i + raznoe[446 + i].height / 2};
    };
    bool inSetUp = false;
    machine.onSleep = [this](int) { machine.presents == STARTUP ? OnLButtonDown() : void(); };  // ends the wait
    machine.atPresent = {{STARTUP + 1, [this] { OnLButtonUp(), machine.cursor = {320, 470}; }},  // on no item
                         {STARTUP + 2, [] { OnLButtonDown(); }},
                         {STARTUP + 3, [&] { OnLButtonUp(), machine.cursor = item(1); }},
                         {STARTUP + 5, [] { OnLButtonDown(); }},  // the title screen
                         {STARTUP + 9, [] { OnKeyDown('K'); }},   // closes it
                         {STARTUP + 11, [] { OnKeyDown(VK_SPACE); }},
                         {STARTUP + 12, [&] { inSetUp = numPlayers == 1, OnKeyDown('Z'); }},
                         {STARTUP + 13, [] { OnKeyDown(VK_ESCAPE); }},
                         {STARTUP + 14, [&] { machine.cursor = item(2); }},
                         {STARTUP + 16, [] { OnLButtonDown(); }}};
    players[0].isComputer = 1;
    gameFlowMain(nullptr);
    EXPECT_TRUE(inSetUp);
    EXPECT_EQ(machine.presents, STARTUP + 16);
    EXPECT_EQ(players[0].name, "NONAME 01Z") << "the name typed in set-up is kept";
    EXPECT_EQ(players[0].isComputer, 0) << "start-up made every player human";
    EXPECT_EQ(players[0].ammo[9], 10) << "the new game's stock";
    EXPECT_EQ(machine.played(17), 2) << "onto the title item, onto the exit item";
    EXPECT_EQ(machine.played(18), 5) << "title item, leaving the title screen, Z, Escape in set-up, exit item";
}

TEST_F(GameFlow, TitleScreenClosesOnTheFirstKeyOrClickAndSwallowsIt) {
    for (const auto& press : {+[] { OnKeyDown('X'); }, +[] { OnLButtonDown(); }}) {
        machine.atPresent[machine.presents + 2] = press;
        const int from = machine.presents;
        showTitleScreen();
        EXPECT_EQ(machine.presents, from + 2);
        EXPECT_EQ(inputState.lastKeyDown + inputState.leftButton, 0);
    }
    EXPECT_EQ(machine.played(18), 2);
}

TEST_F(GameFlow, ConfirmationAsksInItsColours) {
    machine.atPresent[2] = [] { OnKeyDown('N'); };
    EXPECT_EQ(confirmQuit(2), 0);
    EXPECT_TRUE(drawnAt(machine.lastFrame, "ARE YOU SURE (Yes/No) ?", W / 2, H / 2 - 10, 0x0F0F0F, 0xFF0FFF));
}
