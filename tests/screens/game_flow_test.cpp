#include "screens/game_flow.h"

#include "core/player.h"
#include "core/random.h"
#include "gfx/draw.h"
#include "screen_test_support.h"
#include "screens/screens.h"
#include "world/level_file.h"

namespace {

constexpr int ITEM_X = 640 / 10;
constexpr int ITEM_Y = 480 / 3;

class GameFlow : public ScreenTest {
protected:
    std::int16_t menuChoice = MENU_NONE;
    // The middle of menu item i.
    void pointAtItem(int i) {
        const ImageEntry& item = raznoe[446 + i];
        pointAt(ITEM_X + item.width / 2, ITEM_Y + 50 * i + item.height / 2);
    }
    void drawMenuOnce() {
        FillSurface(backBuffer, 0);
        drawMenu(menuChoice);
    }
};

// The start-up shows five pictures (white, the picture, twice, and the front buffer once more)
// before it waits; the menu's frames follow.
constexpr int STARTUP_PRESENTS = 5;

// A key pressed while the game waits for the first input.
void pressAKeyWhenWaiting(ScreenPlatform& machine) {
    machine.onSleep = [&machine](int) {
        if (machine.presents == STARTUP_PRESENTS) OnKeyDown('A');
    };
}

}  // namespace

TEST_F(GameFlow, HoverSoundPlaysOncePerChangeOfItem) {
    pointAtItem(0);
    for (int i = 0; i < 3; ++i) drawMenuOnce();
    EXPECT_EQ(menuChoice, 0);
    EXPECT_EQ(machine.played(17), 1) << "resting on an item plays nothing more";

    pointAtItem(2);
    drawMenuOnce();
    drawMenuOnce();
    EXPECT_EQ(menuChoice, 2);
    EXPECT_EQ(machine.played(17), 2);

    pointAt(5, 5);
    drawMenuOnce();
    EXPECT_EQ(menuChoice, MENU_NONE);
    EXPECT_EQ(machine.played(17), 2);
    pointAtItem(2);
    drawMenuOnce();
    EXPECT_EQ(machine.played(17), 3) << "coming back after leaving is a change";
    EXPECT_EQ(machine.played(18), 0);
}

TEST_F(GameFlow, HoveredItemStandsOnTwoOffsetCopies) {
    pointAtItem(1);
    drawMenuOnce();
    const ImageEntry& item = raznoe[447];
    EXPECT_TRUE(shownAt(item, ITEM_X, ITEM_Y + 50));
    // Under the item's bottom row the +5 copy's bottom row shows, and 5 rows further the +10 copy's.
    const std::uint16_t bottom = item.surface->row(item.height - 1)[item.width / 2];
    ASSERT_NE(bottom, 0);
    const int y = ITEM_Y + 50 + item.height - 1;
    EXPECT_EQ(backBuffer->row(y + 5)[ITEM_X + item.width / 2 + 5], bottom);
    EXPECT_EQ(backBuffer->row(y + 10)[ITEM_X + item.width / 2 + 10], bottom);
    const int y0 = ITEM_Y + raznoe[446].height - 1;
    EXPECT_EQ(backBuffer->row(y0 + 5)[ITEM_X + raznoe[446].width / 2 + 5], 0)
        << "the item that is not hovered has no copies";
}

TEST_F(GameFlow, InputsMadeWhileLoadingAreDiscarded) {
    gameConfig.screenMode = 1;
    int sleepsAtLoadEnd = -1;
    int waitEndedAfter = -1;
    machine.onPresent = [&](int n) {
        if (n == STARTUP_PRESENTS) {
            // Delivered at the first wait point after loading: made while loading.
            OnKeyDown('A');
            OnLButtonDown();
            OnLButtonUp();
            OnLButtonDown();
            sleepsAtLoadEnd = machine.sleeps;
        }
        if (n == STARTUP_PRESENTS + 1) {
            waitEndedAfter = machine.sleeps - sleepsAtLoadEnd;
            OnKeyDown(VK_ESCAPE);
        }
    };
    machine.onSleep = [&](int n) {
        if (sleepsAtLoadEnd >= 0 && n == sleepsAtLoadEnd + 20) OnKeyDown('B');
    };
    gameFlowMain(nullptr);
    EXPECT_EQ(waitEndedAfter, 20) << "the wait ran until the key made after loading";
    EXPECT_EQ(machine.sleptMs, 10 + 10 + 100 + 100 + 100 + 20 * 10) << "display, start-up picture, wait";
    EXPECT_EQ(machine.presents, STARTUP_PRESENTS + 1) << "Escape at the menu ends at once";
    EXPECT_EQ(inputState.leftButton, 0) << "the button held through loading was taken";
    EXPECT_TRUE(machine.errorBoxes.empty());
    EXPECT_EQ(players[4].name, "NONAME 05") << "the players were set up while loading";
}

TEST_F(GameFlow, StartUpPictureStaysOnWhiteWithThePromptUnderIt) {
    gameConfig.screenMode = 1;
    std::vector<std::uint16_t> shown;
    machine.onPresent = [&](int n) {
        if (n == STARTUP_PRESENTS) shown = primarySurface->pixels;
        if (n == STARTUP_PRESENTS + 1) OnKeyDown(VK_ESCAPE);
    };
    pressAKeyWhenWaiting(machine);
    // The start-up picture of "mouse.spr", before the game sprites replace entry 0.
    LoadStartupImages();
    const ImageEntry& picture = raznoe[0];
    const int middleX = 320 - picture.width / 2 + picture.width / 2;
    const int middleY = 240 - picture.height / 2 + picture.height / 2;
    const std::uint16_t middle = picture.surface->row(picture.height / 2)[picture.width / 2];
    gameFlowMain(nullptr);
    ASSERT_EQ(shown.size(), 640u * 480u);
    EXPECT_EQ(shown[0], PackColor(31, 31, 31));
    EXPECT_EQ(shown[middleY * 640 + middleX], middle);
    const ImageEntry& prompt = raznoe[466];
    const int qy = 480 / 5 * 4 - prompt.height / 2;
    EXPECT_EQ(shown[(qy + prompt.height / 2) * 640 + 320],
              prompt.surface->row(prompt.height / 2)[prompt.width / 2]);
}

TEST_F(GameFlow, MenuDrawsOneRandomNumberPerFrame) {
    setGameRandState(1);
    int menuFrames = 0;
    pressAKeyWhenWaiting(machine);
    machine.onPresent = [&](int n) {
        if (n > STARTUP_PRESENTS) ++menuFrames;
        if (n == STARTUP_PRESENTS + 37) OnKeyDown(VK_ESCAPE);
    };
    gameFlowMain(nullptr);
    EXPECT_EQ(menuFrames, 37);
    std::uint32_t state = 1;
    for (int i = 0; i < menuFrames; ++i) state = state * 214013u + 2531011u;
    EXPECT_EQ(gameRandState(), state);
}

TEST_F(GameFlow, SpaceStartsANewGameAndEscapeInSetUpComesBack) {
    int menuFramesAfterSetUp = 0;
    bool inSetUp = false;
    machine.onSleep = [&](int) {
        if (machine.presents == STARTUP_PRESENTS) OnLButtonDown();  // ends the wait like a key
    };
    machine.onPresent = [&](int n) {
        const int m = n - STARTUP_PRESENTS;
        if (m == 1) OnLButtonUp();
        if (m == 3) OnKeyDown(0x20);
        if (m == 4) {
            inSetUp = numPlayers == 1;
            OnKeyDown('Z');
        }
        if (m == 5) OnKeyDown(VK_ESCAPE);
        if (m > 5) ++menuFramesAfterSetUp;
        if (m == 8) OnKeyDown(VK_ESCAPE);
    };
    players[0].isComputer = 1;
    gameFlowMain(nullptr);
    EXPECT_TRUE(inSetUp);
    EXPECT_EQ(players[0].name, "NONAME 01Z") << "the name typed in set-up is kept";
    EXPECT_EQ(players[0].isComputer, 0) << "start-up made every player human";
    EXPECT_EQ(players[0].ammo[9], 10) << "the new game's stock";
    EXPECT_EQ(menuFramesAfterSetUp, 3) << "back at the menu until Escape ended the program";
    EXPECT_EQ(machine.played(18), 2) << "the letter and the Escape in set-up; the menu's keys make no sound";
}

TEST_F(GameFlow, ClicksActOnTheItemUnderThePointerOnly) {
    const ImageEntry& titleItem = raznoe[447];
    const ImageEntry& exitItem = raznoe[448];
    int titleFrames = 0;
    pressAKeyWhenWaiting(machine);
    machine.onPresent = [&](int n) {
        const int m = n - STARTUP_PRESENTS;
        if (m == 2) {
            machine.cursor = {320, 470};  // on no item
            OnLButtonDown();
        }
        if (m == 3) {
            OnLButtonUp();
            machine.cursor = {ITEM_X + titleItem.width / 2, ITEM_Y + 50 + titleItem.height / 2};
        }
        if (m == 5) OnLButtonDown();
        if (m >= 6 && m <= 9) ++titleFrames;
        if (m == 9) OnKeyDown('K');  // closes the title screen
        if (m == 10) OnLButtonUp();
        if (m == 12) machine.cursor = {ITEM_X + exitItem.width / 2, ITEM_Y + 100 + exitItem.height / 2};
        if (m == 14) OnLButtonDown();
    };
    gameFlowMain(nullptr);
    EXPECT_EQ(machine.presents, STARTUP_PRESENTS + 14);
    EXPECT_EQ(titleFrames, 4);
    EXPECT_EQ(machine.played(17), 2) << "onto the title item, onto the exit item";
    EXPECT_EQ(machine.played(18), 3) << "title item, leaving the title screen, exit item";
}
