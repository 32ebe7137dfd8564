#include "battle/scene.h"

#include "battle/aids.h"
#include "battle/battle.h"
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
void drawWorld(const Camera& camera, int image, int worldX, int worldY) {
    DrawImageClipped(backBuffer, raznoe[image], worldX - camera.scrollX, worldY - camera.scrollY);
}

// An image whose centre sits on a world point.
void drawCentred(const Camera& camera, int image, int worldX, int worldY) {
    const ImageEntry& e = raznoe[image];
    drawWorld(camera, image, worldX - e.width / 2, worldY - e.height / 2);
}

void drawFortresses(const Camera& camera) {
    for (int i = 0; i < numPlayers; ++i) {
        const Player& p = players[i];
        const int x = static_cast<int>(p.x);
        const int y = static_cast<int>(p.y);
        if (y == 0) continue;
        const bool onTurn = i == currentPlayer;
        if (p.shieldHits > 0) drawWorld(camera, animCounters.shieldFrame, x - 20, y - 35);
        if (p.isDead == 0)
            drawWorld(camera, animCounters.flagFrame + 10 * p.colour, x + 60, y - (onTurn ? 75 : 40));
        drawWorld(camera, FORTRESS_BACK_IMAGE, x, y);
        drawWorld(camera, FORTRESS_PICTURE + i, x, y);
        if (p.isComputer && onTurn) drawWorld(camera, animCounters.thinkFrame, x + THINK_ICON_DX, y - 15);
    }
}

void drawCrates(const Battle& b) {
    for (const Crate& crate : b.crates)
        if (crate.kind != 0)
            drawWorld(b.camera, crateImage(crate), static_cast<int>(crate.x), static_cast<int>(crate.y));
}

void drawLandscapeTiles(const Camera& camera) {
    for (int r = 0; r < TILE_ROWS; ++r)
        for (int c = 0; c < TILE_COLUMNS; ++c)
            DrawImageClipped(backBuffer, fon[r * TILE_COLUMNS + c], TILE_WIDTH * c - camera.scrollX,
                             TILE_HEIGHT * r - camera.scrollY);
}

void drawProjectiles(const Camera& camera) {
    for (const Projectile& p : projectiles)
        if (p.kind != 0)
            drawCentred(camera, projectileImage(p), static_cast<int>(p.x), static_cast<int>(p.y));
}

}  // namespace

void drawBattleScene(Battle& b) {
    b.weather.drawSky();
    b.weather.drawBackDrops(b.camera);
    b.weather.drawClouds(b.camera);
    drawFortresses(b.camera);
    drawCrates(b);
    drawLandscapeTiles(b.camera);
    if (assistEnabled) {
        drawShotTraces(b.aids, b.camera);
        drawDamageBars(b.camera);
    }
    if (directTargetSet == 1)
        drawCentred(b.camera, animCounters.markerFrame, static_cast<int>(b.directTargetX),
                    static_cast<int>(b.directTargetY));
    drawProjectiles(b.camera);
    b.weather.drawFrontDrops(b.camera);
    b.weather.drawFlash();
    drawPowerBar();
    if (assistEnabled) {
        drawAimReadout(b.camera);
        drawFortressArrows(b.camera);
    }
    drawWeaponBar();
    drawHudTexts();
    const ImageEntry& cursor = raznoe[POINTER_IMAGE];
    DrawImageClipped(backBuffer, cursor, pointer().x - cursor.width / 2, pointer().y - cursor.height / 2);
}
