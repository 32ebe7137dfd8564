// The question before leaving a battle or the shop.
#include "audio/sound_system.h"
#include "battle/battle.h"
#include "battle/scene.h"
#include "core/input.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/text.h"
#include "screens/screens.h"

namespace {

constexpr int FROM_BATTLE = 1;
constexpr int CLICK_SOUND = 18;
constexpr std::int32_t KEY_YES = 0x59;
constexpr std::int32_t KEY_NO = 0x4E;

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
    inputState.leftButton.store(0, std::memory_order_relaxed);
    inputState.lastKeyDown.store(0, std::memory_order_relaxed);
    soundSystem.StopAllChannels();
    playSoundEffect(CLICK_SOUND);
    std::int32_t key = 0;
    while (key != KEY_YES && key != KEY_NO) {
        drawQuestion(mode, battle);
        PresentFrame();
        RestoreLostSurfaces();
        key = inputState.lastKeyDown.load(std::memory_order_relaxed);
    }
    playSoundEffect(CLICK_SOUND);
    inputState.lastKeyDown.store(0, std::memory_order_relaxed);
    if (key == KEY_YES) return 1;
    if (mode == FROM_BATTLE && battle) battle->weather.playWeatherSound();
    return 0;
}
