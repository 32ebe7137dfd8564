#include "battle_fixture.h"
#include "gfx/text.h"
#include "screens/screens.h"

namespace {

class ConfirmTest : public BattleTest {
protected:
    void SetUp() override {
        BattleTest::SetUp();
        fontHeight = 18;
    }
};

TEST_F(ConfirmTest, OnlyYesOrNoAnswers) {
    platform.keys = {{2, VK_ESCAPE}, {3, 'A'}, {5, 'Y'}};
    inputState.leftButton = 1;
    EXPECT_EQ(confirmQuit(1, &battle), 1);
    EXPECT_EQ(platform.presents, 5);
    EXPECT_EQ(inputState.lastKeyDown, 0);
    EXPECT_EQ(inputState.leftButton, 0);  // a charging shot is released on return
    EXPECT_EQ(plays(18), 2);
}

TEST_F(ConfirmTest, NoInTheRainBringsTheRainBack) {
    weather.precipitation = 1;
    platform.keys = {{1, 'N'}};
    EXPECT_EQ(confirmQuit(1, &battle), 0);
    EXPECT_EQ(plays(23), 1);
    weather.precipitation = 0;
    platform.keys = {{2, 'N'}};
    EXPECT_EQ(confirmQuit(1, &battle), 0);
    EXPECT_EQ(plays(23), 1);  // dry weather: no sound restarted
}

TEST_F(ConfirmTest, NoFromTheShopRestartsNothing) {
    weather.precipitation = 2;
    platform.keys = {{1, 'N'}};
    EXPECT_EQ(confirmQuit(2), 0);
    EXPECT_EQ(plays(24), 0);
    EXPECT_EQ(primarySurface->pixels[0], PackColor(10, 0, 10));  // the frame on screen
}

}  // namespace
