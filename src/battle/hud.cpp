#include "battle/hud.h"

#include <cstdio>

#include "battle/battle_state.h"
#include "battle/scene.h"
#include "core/globals.h"
#include "core/player.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/text.h"
#include "weapons/weapon_specs.h"

namespace {

struct Rgb {
    std::uint32_t r, g, b;
};
// Components above 31 run into the neighbouring field of the pixel; that is the look of the bar.
constexpr Rgb PLAYER_COLOURS[MAX_PLAYERS] = {{60, 0, 0}, {0, 0, 60}, {60, 60, 60}, {0, 60, 0}, {60, 60, 0}};
// The same colours at full strength, for the aids' thin lines and small marks.
constexpr Rgb BRIGHT_COLOURS[MAX_PLAYERS] = {{31, 4, 4}, {6, 10, 31}, {31, 31, 31}, {4, 31, 4}, {31, 31, 4}};

constexpr std::uint32_t TEXT_SHADOW = 0x00000F;  // red 15: almost black
constexpr std::uint32_t TEXT_WHITE = 0xFFFFFF;

}  // namespace

std::uint32_t playerColourPixel(int colour) {
    const Rgb& c = PLAYER_COLOURS[colour >= 0 && colour < MAX_PLAYERS ? colour : 0];
    return PackColor(c.r, c.g, c.b);
}

std::uint32_t playerBrightPixel(int colour) {
    const Rgb& c = BRIGHT_COLOURS[colour >= 0 && colour < MAX_PLAYERS ? colour : 0];
    return PackColor(c.r, c.g, c.b);
}

void drawShadowedText(int x, int y, const char* text, bool centred) {
    auto draw = centred ? DrawTextCentered : DrawText;
    if (assistEnabled) {
        // An outline all round, so that the text reads over a white cloud as well as a dark sky.
        for (int dy = 0; dy <= 2; ++dy)
            for (int dx = -2; dx <= 0; ++dx)
                if (dx != -1 || dy != 1) draw(x + dx, y + dy, text, TEXT_SHADOW);
    } else {
        draw(x, y, text, TEXT_SHADOW);
    }
    draw(x - 1, y + 1, text, TEXT_WHITE);
}

int powerBarX() { return screenWidth - 120; }
int powerBarY() { return screenHeight - (gameConfig.screenMode == 0 ? 45 : 20); }

void drawPowerBar() {
    const int p = shotPower * 100 / maxShotPower;
    const int x = powerBarX();
    const int y = powerBarY();
    DrawImagePart(backBuffer, raznoe[animCounters.powerBarImage], x, y, 0, 0, p, 10);
    DrawImagePart(backBuffer, raznoe[POWER_BAR_EMPTY], x + p, y, p, 0, 100, 10);
}

void drawWeaponBar() {
    const Player& p = players[currentPlayer];
    const std::uint32_t colour = playerColourPixel(p.colour);
    const int h = screenHeight;
    FillRect(backBuffer, colour, {11, h - 29, weaponSlotX(WEAPON_COUNT) - 1, h - 7});
    const int selected = selectedWeapon;
    for (int k = 0; k < WEAPON_COUNT; ++k) {
        const int x = weaponSlotX(k);
        DrawImage(backBuffer, raznoe[WEAPON_SLOT_IMAGE], x, h - WEAPON_BAR_RISE);
        if (k == selected) FillRect(backBuffer, colour, {x + 5, h - 25, x + 19, h - 11});
        if (p.ammo[k] == 0) continue;
        const ImageEntry& icon = raznoe[WEAPON_ICONS[k]];
        DrawImage(backBuffer, icon, x + 12 - icon.width / 2, h - 18 - icon.height / 2);
    }
}

void drawHudTexts() {
    const Player& p = players[currentPlayer];
    const int weapon = selectedWeapon;
    char line[128];
    const char* name = weaponNames[weapon >= 0 && weapon < WEAPON_COUNT ? weapon : 0].c_str();
    const int stock = p.ammo[weapon >= 0 && weapon < WEAPON_COUNT ? weapon : 0];
    if (stock == UNLIMITED_AMMO)
        std::snprintf(line, sizeof line, "%s : UNLIMITED", name);
    else
        std::snprintf(line, sizeof line, "%s : %i", name, stock);
    drawShadowedText(11, screenHeight - fontHeight - 41, line, false);
    drawShadowedText(11, 1, p.name.c_str(), false);
    // The designed clock counts tenths of the turn's ticks; the aids show seconds.
    const int clock = assistEnabled ? (battleState.turnTimeLeft + TICKS_PER_SECOND - 1) / TICKS_PER_SECOND
                                    : battleState.turnTimeLeft / 10;
    std::snprintf(line, sizeof line, "%i", clock);
    drawShadowedText(screenWidth / 2, 1, line, true);
    drawShadowedText(screenWidth / 2, fontHeight + 1, battleState.message.c_str(), true);
}
