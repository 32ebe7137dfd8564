#include "battle/scene.h"

#include "battle/battle_state.h"
#include "battle/camera.h"
#include "battle/crates.h"
#include "battle/fortress.h"
#include "battle/hud.h"
#include "battle/placement.h"
#include "battle/turns.h"
#include "battle/weather.h"
#include "core/input.h"
#include "core/player.h"
#include "core/random.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "weapons/projectile.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"

namespace {

constexpr int THINK_ICON_DX = 30;

// World-space drawing: clipped to the screen, shifted by the camera.
void drawWorld(int image, int worldX, int worldY) {
    DrawImageClipped(backBuffer, raznoe[image], worldX - scrollX, worldY - scrollY);
}

// An image whose centre sits on a world point.
void drawCentred(int image, int worldX, int worldY) {
    const ImageEntry& e = raznoe[image];
    drawWorld(image, worldX - e.width / 2, worldY - e.height / 2);
}

void drawFortresses() {
    for (int i = 0; i < numPlayers; ++i) {
        const Player& p = players[i];
        const int x = static_cast<int>(p.x);
        const int y = static_cast<int>(p.y);
        if (y == 0) continue;
        const bool onTurn = i == currentPlayer;
        if (p.shieldHits > 0) drawWorld(animCounters.shieldFrame, x - 20, y - 35);
        if (p.isDead == 0) drawWorld(animCounters.flagFrame + 10 * p.colour, x + 60, y - (onTurn ? 75 : 40));
        drawWorld(FORTRESS_BACK_IMAGE, x, y);
        drawWorld(FORTRESS_PICTURE + i, x, y);
        if (p.isComputer && onTurn) drawWorld(animCounters.thinkFrame, x + THINK_ICON_DX, y - 15);
    }
}

void drawCrates() {
    for (const Crate& crate : crates)
        if (crate.kind != 0)
            drawWorld(crateImage(crate), static_cast<int>(crate.x), static_cast<int>(crate.y));
}

void drawLandscapeTiles() {
    for (int r = 0; r < TILE_ROWS; ++r)
        for (int c = 0; c < TILE_COLUMNS; ++c)
            DrawImageClipped(backBuffer, fon[r * TILE_COLUMNS + c], TILE_WIDTH * c - scrollX,
                             TILE_HEIGHT * r - scrollY);
}

void drawProjectiles() {
    for (const Projectile& p : projectiles)
        if (p.kind != 0) drawCentred(projectileImage(p), static_cast<int>(p.x), static_cast<int>(p.y));
}

}  // namespace

void drawBattleScene() {
    drawSky();
    drawBackDrops();
    drawClouds();
    drawFortresses();
    drawCrates();
    drawLandscapeTiles();
    if (directTargetSet == 1)
        drawCentred(animCounters.markerFrame, static_cast<int>(directTargetX),
                    static_cast<int>(directTargetY));
    drawProjectiles();
    drawFrontDrops();
    drawFlash();
    drawPowerBar();
    drawWeaponBar();
    drawHudTexts();
    const ImageEntry& cursor = raznoe[POINTER_IMAGE];
    DrawImageClipped(backBuffer, cursor, pointer().x - cursor.width / 2, pointer().y - cursor.height / 2);
}
