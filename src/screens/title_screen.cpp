#include "screens/title_screen.h"

#include "audio/sound_system.h"
#include "core/input.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/text.h"
#include "screens/screen_loop.h"
#include "screens/screen_widgets.h"
#include "screens/screens.h"

const std::array<std::string_view, TITLE_LINE_COUNT> TITLE_LINES = {
    "",
    "RAMPARO v1.1",
    "",
    "DEVELOPER OF THE GAME:",
    "THE RAMPARO TEAM",
    "HOME PAGE: WWW.RAMPARO.EXAMPLE",
    "E-MAIL: TEAM@RAMPARO.EXAMPLE",
    "",
    "PROGRAMMERS:",
    "THE RAMPARO GAME CODE TEAM",
    "THE RAMPARO TOOLS TEAM",
    "",
    "ARTIST:",
    "THE RAMPARO PICTURE GENERATOR",
    "",
};

namespace {
constexpr int HOME_PAGE_LINE = 5;
constexpr int EMAIL_LINE = 6;
}  // namespace

std::uint32_t titleLineColour(int line) {
    return line == HOME_PAGE_LINE || line == EMAIL_LINE ? 0xFF9F9F : 0x0FFF0F;
}

void drawTitleBackground() {
    const int w = screenWidth;
    const int h = screenHeight;
    const int band = h / 20;
    for (int i = 0; i < 20; ++i)
        FillRect(backBuffer, PackColor(31 - i, 10, i), {0, i * band, w, (i + 1) * band});
    FillRect(backBuffer, PackColor(10, 10, 21), {0, h - 20, w, h});
}

void showTitleScreen() {
    takeButton();
    takeKey();
    static constexpr ScreenPiece FRAME[] = {ScreenPiece::Draw, ScreenPiece::Present, ScreenPiece::Restore,
                                            ScreenPiece::Step};
    runScreen({FRAME,
               [] {
                   const int w = screenWidth;
                   const int h = screenHeight;
                   drawTitleBackground();
                   DrawPanel(backBuffer, 0, 0, w - 30, h - 30);
                   for (int i = 0; i < TITLE_LINE_COUNT; ++i)
                       drawShadowedText(w / 2, 20 + i * fontHeight, TITLE_LINES[i], 0x0F0F0F,
                                        titleLineColour(i));
               },
               []() -> ScreenVerdict {
                   if (!keyWaiting() && !buttonHeld()) return std::nullopt;
                   takeButton();
                   takeKey();
                   playSoundEffect(CLICK_SOUND);
                   return 0;
               }});
}
