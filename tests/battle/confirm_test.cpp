#include "battle_fixture.h"
#include "screens/screens.h"

namespace {

using ConfirmTest = BattleTest;

TEST_F(ConfirmTest, OnlyYesOrNoAnswersAndNoInABattleBringsTheRainOrSnowBack) {
    weather.precipitation = 2;
    platform.keys = {{2, VK_ESCAPE}, {3, 'A'}, {5, 'N'}, {6, 'Y'}};
    inputState.leftButton = 1;
    EXPECT_EQ(confirmQuit(1, &battle), 0);
    EXPECT_EQ(platform.presents, 5);
    EXPECT_EQ(inputState.lastKeyDown + inputState.leftButton, 0) << "a charging shot is released on return";
    EXPECT_EQ(plays(24), 1);
    weather.precipitation = 1;
    EXPECT_EQ(confirmQuit(1, &battle), 1);
    EXPECT_EQ(plays(18), 4);
    EXPECT_EQ(plays(23), 0);
}

}  // namespace
