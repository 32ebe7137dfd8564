#include "screens/screen_loop.h"

#include "battle/battle_state.h"
#include "core/input.h"
#include "gfx/display.h"

namespace {

void animationEveryThirdFrame() {
    if (++battleState.frameThird > 2) {
        battleState.frameThird = 0;
        animationTick();
    }
}

}  // namespace

int runScreen(const Screen& screen) {
    for (;;) {
        for (const ScreenPiece piece : screen.frame) {
            ScreenVerdict verdict;
            switch (piece) {
                case ScreenPiece::Present:
                    PresentFrame();
                    break;
                case ScreenPiece::Restore:
                    RestoreLostSurfaces();
                    break;
                case ScreenPiece::ReadCursor:
                    readCursor();
                    break;
                case ScreenPiece::Tick:
                    animationEveryThirdFrame();
                    break;
                case ScreenPiece::Draw:
                    if (screen.draw) screen.draw();
                    break;
                case ScreenPiece::Step:
                    if (screen.step) verdict = screen.step();
                    break;
                case ScreenPiece::Escape:
                    if (screen.escape && keyWaiting(KeyAction::Leave)) verdict = screen.escape();
                    break;
            }
            if (verdict) return *verdict;
        }
    }
}
