#include "screens/game_flow.h"

#include <cstdint>

#include "app/input.h"
#include "app/settings.h"
#include "battle/player.h"
#include "gfx/display.h"
#include "platform/platform.h"

namespace {

// SELF-CHECK LOOP: the start-up picture, loading and the main menu take this place. Until then
// it shows that the display, the pixel layout, the pointer and the keys work: one block per player
// colour, the pointer as a cross, a bar per pressed mouse button, a block per selectable weapon
// step. Escape leaves the program as the menu's exit does.

struct Rgb {
    std::uint32_t r, g, b;
};
// The player colours, components above 31 included, packed as they stand.
constexpr Rgb playerColours[5] = {{60, 0, 0}, {0, 0, 60}, {60, 60, 60}, {0, 60, 0}, {60, 60, 0}};

void drawSelfCheckFrame() {
    const int w = screenWidth;
    const int h = screenHeight;
    FillSurface(backBuffer, PackColor(2, 2, 6));
    const int blockWidth = w / 6;
    for (int i = 0; i < 5; ++i) {
        const Rgb& c = playerColours[i];
        const int left = blockWidth / 6 + i * (blockWidth + blockWidth / 6);
        FillRect(backBuffer, PackColor(c.r, c.g, c.b), {left, h / 6, left + blockWidth, h / 3});
    }
    const std::uint32_t white = PackColor(31, 31, 31);
    if (inputState.leftButton.load(std::memory_order_relaxed))
        FillRect(backBuffer, white, {w / 6, h / 2, w / 2 - 4, h / 2 + 8});
    if (inputState.rightButton.load(std::memory_order_relaxed))
        FillRect(backBuffer, white, {w / 2 + 4, h / 2, w * 5 / 6, h / 2 + 8});
    const int weapon = selectedWeapon.load(std::memory_order_relaxed);
    for (int i = 0; i <= weapon; ++i)
        FillRect(backBuffer, PackColor(31, 20, 0),
                 {w / 6 + i * 12, h * 2 / 3, w / 6 + i * 12 + 8, h * 2 / 3 + 8});
    // The cross lies inside the screen: the cursor is confined 5 pixels from every edge.
    const int x = cursorPos.x;
    const int y = cursorPos.y;
    FillRect(backBuffer, white, {x - 4, y, x + 5, y + 1});
    FillRect(backBuffer, white, {x, y - 4, x + 1, y + 5});
}

}  // namespace

void gameFlowMain(CMainFrame*) {
    // Every weapon in stock for the first player, so that each digit key shows its choice.
    for (std::int16_t& stock : players[0].ammo) stock = UNLIMITED_AMMO;
    inputState.lastKeyDown.store(0, std::memory_order_relaxed);
    for (;;) {
        PresentFrame();
        RestoreLostSurfaces();
        readCursor();
        drawSelfCheckFrame();
        if (inputState.lastKeyDown.load(std::memory_order_relaxed) == VK_ESCAPE) break;
    }
    // The exit: the music device was never opened; the display and the window close.
    platform::get().shutdown();
}
