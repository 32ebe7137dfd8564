// The question before leaving a battle or the shop.
#include "audio/sound_system.h"
#include "battle/battle.h"
#include "battle/scene.h"
#include "core/input.h"
#include "core/settings.h"
#include "core/sounds.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/text.h"
#include "screens/screen_loop.h"
#include "screens/screens.h"

namespace {

constexpr int FROM_BATTLE = 1;

void drawQuestion(int mode, Battle* battle) {
    const int w = screenWidth;
    const int h = screenHeight;
    if (mode == FROM_BATTLE && battle)
        drawBattleScene(*battle);
    else
        FillRect(backBuffer, PackColor(10, 0, 10), {0, 0, w, h});
    DrawPanel(backBuffer, w / 4 - 15, h / 2 - 30, w / 2, static_cast<int>(fontHeight * 1.5));
    DrawTextCentered(w / 2, h / 2 - 10, "ARE YOU SURE (Yes/No) ?", 0x0F0F0F);
    DrawTextCentered(w / 2 - 1, h / 2 - 11, "ARE YOU SURE (Yes/No) ?", 0xFF0FFF);
}

}  // namespace

int confirmQuit(int mode, Battle* battle) {
    takeButton();
    takeKey();
    soundSystem.StopAllChannels();
    playSoundEffect(CLICK_SOUND);
    static constexpr ScreenPiece FRAME[] = {ScreenPiece::Draw, ScreenPiece::Present, ScreenPiece::Restore,
                                            ScreenPiece::Step};
    yesNoAsked = true;
    const bool yes = runScreen({FRAME, [mode, battle] { drawQuestion(mode, battle); },
                                []() -> ScreenVerdict {
                                    if (keyWaiting(KeyAction::Yes)) return 1;
                                    if (keyWaiting(KeyAction::No)) return 0;
                                    return std::nullopt;
                                }}) == 1;
    yesNoAsked = false;
    playSoundEffect(CLICK_SOUND);
    takeKey();
    if (yes) return 1;
    if (mode == FROM_BATTLE && battle) battle->weather.playWeatherSound();
    return 0;
}
