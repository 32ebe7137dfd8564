#include "world/damage.h"

#include <algorithm>
#include <cstdint>

#include "gfx/draw.h"
#include "gfx/images.h"
#include "world/landscape.h"
#include "world/world.h"

void carveCrater(int cx, int cy, int r) {
    if (!raznoe || !raznoe[LANDSCAPE_IMAGE].surface) return;
    Surface& landscape = *raznoe[LANDSCAPE_IMAGE].surface;
    if (landscape.width < WORLD_WIDTH || landscape.height < WORLD_HEIGHT) return;
    const int dxFirst = std::max(-r, -cx);
    const int dxLast = std::min(r - 1, WORLD_WIDTH - 1 - cx);
    const int dyFirst = std::max(-r, -cy);
    const int dyLast = std::min(r - 1, WORLD_HEIGHT - 1 - cy);
    const std::int64_t r2 = static_cast<std::int64_t>(r) * r;
    const std::int64_t holeLimit = r2 - 3 * static_cast<std::int64_t>(r);
    const std::uint16_t rim = sceneryEdgeColour(landscapeScenery);
    for (int dy = dyFirst; dy <= dyLast; ++dy) {
        std::uint16_t* row = landscape.row(cy + dy) + cx;
        for (int dx = dxFirst; dx <= dxLast; ++dx) {
            std::uint16_t& pixel = row[dx];
            if (pixel == 0) continue;  // a crater never adds ground
            const std::int64_t d = static_cast<std::int64_t>(dx) * dx + static_cast<std::int64_t>(dy) * dy;
            if (d < holeLimit)
                pixel = 0;
            else if (d <= r2)
                pixel = rim;
        }
    }
    refreshTiles(cx, cy, r);
}

void refreshTiles(int cx, int cy, int r) {
    if (!raznoe || !fon) return;
    drawGroundStrip();
    // Every tile that the square cx - r .. cx + r - 1, cy - r .. cy + r - 1 reaches. For every
    // crater and stamp smaller than a tile these are exactly the tiles that hold a corner of the
    // square (cx +- r, cy +- r) strictly inside; unlike a corner test it stays right for squares
    // larger than a tile (a replaced wall picture), which would otherwise leave stale tiles on screen.
    const std::int64_t left = static_cast<std::int64_t>(cx) - r, right = static_cast<std::int64_t>(cx) + r;
    const std::int64_t top = static_cast<std::int64_t>(cy) - r, bottom = static_cast<std::int64_t>(cy) + r;
    for (int row = 0; row < TILE_ROWS; ++row) {
        for (int column = 0; column < TILE_COLUMNS; ++column) {
            const int tileLeft = TILE_WIDTH * column;
            const int tileTop = TILE_HEIGHT * row;
            if (right <= tileLeft || left >= tileLeft + TILE_WIDTH || bottom <= tileTop || top >= tileTop + TILE_HEIGHT)
                continue;
            Surface* tile = fon[TILE_COLUMNS * row + column].surface.get();
            if (!tile) continue;
            DrawImagePartOpaque(tile, raznoe[LANDSCAPE_IMAGE], 0, 0, tileLeft, tileTop, tileLeft + TILE_WIDTH,
                                tileTop + TILE_HEIGHT);
        }
    }
}
