#include "screens/title_screen.h"

#include "battle/battle_state.h"
#include "gfx/draw.h"
#include "screen_test_support.h"
#include "screens/screen_loop.h"
#include "screens/screens.h"

using TitleScreen = ScreenTest;

TEST_F(TitleScreen, BackgroundBandsRunFromRedToBlueAboveADarkStrip) {
    drawTitleBackground();
    const int band = 480 / 20;
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(backBuffer->row(i * band)[0], PackColor(31 - i, 10, i)) << "band " << i;
        if (i < 19) {
            EXPECT_EQ(backBuffer->row(i * band + band - 1)[639], PackColor(31 - i, 10, i)) << "band " << i;
        }
    }
    EXPECT_EQ(backBuffer->row(460)[320], PackColor(10, 10, 21)) << "the strip covers the last 20 rows";
    EXPECT_EQ(backBuffer->row(459)[320], PackColor(12, 10, 19));
}

TEST_F(TitleScreen, CreditsAreOursWithTheWebLinesInTheirOwnColour) {
    EXPECT_EQ(TITLE_LINES[1], "RAMPARO v1.1");
    EXPECT_EQ(TITLE_LINES[3], "DEVELOPER OF THE GAME:");
    EXPECT_EQ(TITLE_LINES[8], "PROGRAMMERS:");
    EXPECT_EQ(TITLE_LINES[12], "ARTIST:");
    for (int i : {0, 2, 7, 11, 14}) EXPECT_TRUE(TITLE_LINES[i].empty()) << i;
    for (int i = 0; i < TITLE_LINE_COUNT; ++i)
        EXPECT_EQ(titleLineColour(i), i == 5 || i == 6 ? 0xFF9F9Fu : 0x0FFF0Fu) << i;
}

TEST_F(TitleScreen, ClosesOnTheFirstKeyOrClickAndSwallowsIt) {
    inputState.lastKeyDown = 'Q';  // pressed before the screen opened: not an answer
    machine.onPresent = [](int n) {
        if (n == 3) OnKeyDown('X');
    };
    showTitleScreen();
    EXPECT_EQ(machine.presents, 3);
    EXPECT_EQ(inputState.lastKeyDown, 0);
    EXPECT_EQ(machine.played(18), 1);

    machine.onPresent = [](int n) {
        if (n == 5) OnLButtonDown();
    };
    showTitleScreen();
    EXPECT_EQ(machine.presents, 5);
    EXPECT_EQ(inputState.leftButton, 0);
    EXPECT_EQ(machine.played(18), 2);
}

// The shared loop takes its pieces in the order the screen lists them, frame after frame, and the
// first verdict ends the screen before the pieces after it.
TEST_F(TitleScreen, ScreenLoopTakesThePiecesInTheScreensOrder) {
    using enum ScreenPiece;
    std::string trace;
    int n = 0;
    machine.onPresent = [&](int) {
        trace += 'P';
        machine.cursor = {++n, 9};
        if (n == 2) OnKeyDown(VK_ESCAPE);
    };
    battleState.frameThird = 1;
    static constexpr ScreenPiece FRAME[] = {Tick, Draw, ReadCursor, Present, Restore, Escape, Step};
    const int result = runScreen({FRAME, [&] { trace += 'D' + std::to_string(battleState.frameThird); },
                                  [&]() -> ScreenVerdict {
                                      trace += 'S' + std::to_string(pointer().x);
                                      return std::nullopt;
                                  },
                                  [&] {
                                      trace += 'E';
                                      return ScreenVerdict{5};
                                  }});
    EXPECT_EQ(result, 5);
    EXPECT_EQ(trace, "D2PS0D0PE") << "the cursor is read before the present; Escape waits untaken";
    EXPECT_TRUE(keyWaiting(KeyAction::Leave));
}
