#include "world/outline.h"

#include "gfx/images.h"
#include "world/landscape.h"
#include "world/world.h"

void outlineTerrain(Surface& terrain, std::uint16_t colour) {
    if (terrain.width < WORLD_WIDTH || terrain.height < WORLD_HEIGHT) return;
    auto empty = [](std::uint16_t pixel) { return (pixel & 0xFF) == 0; };
    for (int y = 1; y < WORLD_HEIGHT - 1; ++y) {
        std::uint16_t* up = terrain.row(y - 1);
        std::uint16_t* row = terrain.row(y);
        const std::uint16_t* down = terrain.row(y + 1);
        for (int x = 1; x < WORLD_WIDTH - 1; ++x) {
            if (empty(row[x])) continue;
            if (empty(up[x]) || empty(down[x]) || empty(row[x - 1]) || empty(row[x + 1])) {
                row[x] = colour;
                row[x - 1] = colour;
                up[x] = colour;
            }
        }
    }
}

void outlineTerrain(int scenery) {
    if (!raznoe || !raznoe[TERRAIN_IMAGE].surface) return;
    outlineTerrain(*raznoe[TERRAIN_IMAGE].surface, sceneryEdgeColour(scenery));
}
