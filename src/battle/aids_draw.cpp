#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "battle/aids.h"
#include "battle/battle_state.h"
#include "battle/camera.h"
#include "battle/fortress.h"
#include "battle/hud.h"
#include "core/input.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/text.h"

namespace {

constexpr int BAR_WIDTH = 40;
constexpr int BAR_RISE = 8;  // the damage bar's top above the fortress's
constexpr int ARROW_LENGTH = 14;
constexpr int ARROW_HALF_WIDTH = 6;
constexpr int EDGE_MARGIN = 4;

std::uint32_t darkPixel() { return PackColor(2, 2, 2); }

// A rectangle, or the part of it on the back buffer.
void fillClipped(std::uint32_t colour, int left, int top, int right, int bottom) {
    FillRect(backBuffer, colour,
             {std::max(left, 0), std::max(top, 0), std::min(right, int(screenWidth)), std::min(bottom, int(screenHeight))});
}

bool standing(const Player& p) { return p.isDead == 0 && static_cast<int>(p.y) != 0; }

// A filled triangle, row by row: the rows between the lowest and highest corner, each spanning the
// points of the triangle's edges at its middle.
void fillTriangle(std::uint32_t colour, const float (&x)[3], const float (&y)[3]) {
    const int top = static_cast<int>(std::floor(std::min({y[0], y[1], y[2]})));
    const int bottom = static_cast<int>(std::ceil(std::max({y[0], y[1], y[2]})));
    for (int row = top; row <= bottom; ++row) {
        const float cy = static_cast<float>(row) + 0.5f;
        float left = 1e9f, right = -1e9f;
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3;
            if ((cy < y[i]) == (cy < y[j])) continue;  // the edge does not cross this row
            const float cx = x[i] + (cy - y[i]) * (x[j] - x[i]) / (y[j] - y[i]);
            left = std::min(left, cx);
            right = std::max(right, cx);
        }
        if (left <= right)
            fillClipped(colour, static_cast<int>(std::lround(left)), row, static_cast<int>(std::lround(right)) + 1, row + 1);
    }
}

// An arrow with its tip at (tipX, tipY) pointing along the unit vector (ux, uy), outlined in dark.
void drawArrow(std::uint32_t colour, float tipX, float tipY, float ux, float uy) {
    for (const int grow : {2, 0}) {
        const float length = ARROW_LENGTH + 2.0f * grow, half = ARROW_HALF_WIDTH + grow;
        const float tx = tipX + ux * grow, ty = tipY + uy * grow;
        const float bx = tx - ux * length, by = ty - uy * length;
        const float xs[3] = {tx, bx - uy * half, bx + uy * half};
        const float ys[3] = {ty, by + ux * half, by - ux * half};
        fillTriangle(grow ? darkPixel() : colour, xs, ys);
    }
}

}  // namespace

ArrowTip arrowTipToward(int targetX, int targetY) {
    // The band the arrows stay in: below the name and message lines, above the weapon and power bars.
    const float left = EDGE_MARGIN + ARROW_LENGTH, right = screenWidth - 1 - EDGE_MARGIN - ARROW_LENGTH;
    const float top = 2.0f * fontHeight + 4 + ARROW_LENGTH;
    const float bottom = static_cast<float>(screenHeight - fontHeight - 45 - ARROW_LENGTH);
    const float cx = (left + right) / 2, cy = (top + bottom) / 2;
    const float dx = static_cast<float>(targetX) - cx, dy = static_cast<float>(targetY) - cy;
    float t = 1.0f;
    if (dx != 0) t = std::min(t, ((dx > 0 ? right : left) - cx) / dx);
    if (dy != 0) t = std::min(t, ((dy > 0 ? bottom : top) - cy) / dy);
    return {static_cast<int>(std::lround(cx + dx * t)), static_cast<int>(std::lround(cy + dy * t))};
}

int aimAngleDegrees(int dx, int dy) {
    if (dx == 0 && dy == 0) return 90;
    return static_cast<int>(std::lround(std::atan2(static_cast<double>(-dy), dx) * 180.0 / std::numbers::pi));
}

void drawShotTraces(const Aids& aids, const Camera& camera) {
    for (int i = 0; i < numPlayers && i < MAX_PLAYERS; ++i) {
        const std::uint32_t colour = playerBrightPixel(players[i].colour);
        for (const ShotTrace::Dot& d : aids.traces[static_cast<std::size_t>(i)].dots) {
            const int x = d.x - camera.scrollX, y = d.y - camera.scrollY;
            fillClipped(colour, x, y, x + 2, y + 2);
        }
    }
}

void drawDamageBars(const Camera& camera) {
    for (int i = 0; i < numPlayers && i < MAX_PLAYERS; ++i) {
        const Player& p = players[i];
        if (!standing(p)) continue;
        const int left = static_cast<int>(p.x) + (FORTRESS_WIDTH - BAR_WIDTH) / 2 - camera.scrollX;
        const int top = static_cast<int>(p.y) - BAR_RISE - camera.scrollY;
        const int remaining = std::clamp(DESTROYING_DAMAGE - p.damage, 0, DESTROYING_DAMAGE);
        fillClipped(darkPixel(), left - 1, top - 1, left + BAR_WIDTH + 1, top + 5);
        fillClipped(playerBrightPixel(p.colour), left, top, left + remaining * BAR_WIDTH / DESTROYING_DAMAGE, top + 4);
    }
}

void drawFortressArrows(const Camera& camera) {
    for (int i = 0; i < numPlayers && i < MAX_PLAYERS; ++i) {
        const Player& p = players[i];
        if (!standing(p)) continue;
        const int x = static_cast<int>(p.x) - camera.scrollX, y = static_cast<int>(p.y) - camera.scrollY;
        if (x + FORTRESS_WIDTH > 0 && x < screenWidth && y + FORTRESS_HEIGHT > 0 && y < screenHeight) continue;
        const int targetX = x + FORTRESS_WIDTH / 2, targetY = y + FORTRESS_HEIGHT / 2;
        const ArrowTip tip = arrowTipToward(targetX, targetY);
        const float dx = static_cast<float>(targetX - tip.x), dy = static_cast<float>(targetY - tip.y);
        const float length = std::hypot(dx, dy);
        if (length > 0) drawArrow(playerBrightPixel(p.colour), float(tip.x), float(tip.y), dx / length, dy / length);
    }
}

void drawAimReadout(const Camera& camera) {
    if (currentPlayer >= MAX_PLAYERS || battleState.shotFired != 0) return;
    const Player& p = players[currentPlayer];
    if (p.isComputer != 0) return;
    const int dx = pointer().x + camera.scrollX - (static_cast<int>(p.x) + LAUNCH_DX);
    const int dy = pointer().y + camera.scrollY - (static_cast<int>(p.y) + LAUNCH_DY);
    char text[32];
    std::snprintf(text, sizeof text, "%i\xB0  %i%%", aimAngleDegrees(dx, dy), shotPower * 100 / maxShotPower);
    drawShadowedText(powerBarX() + 50, powerBarY() - fontHeight - 2, text, true);
}
