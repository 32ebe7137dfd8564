// Image tables for world tests: the pictures the landscape code uses, at their catalogue sizes,
// owned by the fixture and installed as raznoe, sprit and fon while it lives.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/settings.h"
#include "gfx/images.h"
#include "world/landscape.h"
#include "world/world.h"

struct WorldImages {
    std::vector<ImageEntry> r{RAZNOE_SIZE}, s{SPRIT_SIZE}, f{FON_SIZE};
    ImageEntry* const previous[3] = {raznoe, sprit, fon};  // the game's tables, if a test loaded them

    static void make(ImageEntry& e, int w, int h, std::uint16_t value) {
        e.surface = std::make_unique<Surface>(w, h);
        std::fill(e.surface->pixels.begin(), e.surface->pixels.end(), value);
        e.width = static_cast<std::uint16_t>(w);
        e.height = static_cast<std::uint16_t>(h);
    }

    WorldImages() {
        pixelFormat = 1;
        make(r[LANDSCAPE_IMAGE], WORLD_WIDTH, WORLD_HEIGHT, 0);
        make(r[TERRAIN_IMAGE], WORLD_WIDTH, WORLD_HEIGHT, 0);
        for (int k = 0; k < SCENERY_COUNT; ++k) {
            make(r[142 + k], 128, 128, static_cast<std::uint16_t>(0x4A50 + k));
            make(r[87 + k], 38, 38, static_cast<std::uint16_t>(0x2D60 + k));
        }
        for (int k = 0; k < TILE_ROWS * TILE_COLUMNS; ++k) make(f[k], TILE_WIDTH, TILE_HEIGHT, 0);
        raznoe = r.data();
        sprit = s.data();
        fon = f.data();
    }
    ~WorldImages() {
        raznoe = previous[0];
        sprit = previous[1];
        fon = previous[2];
    }

    Surface& landscape() { return *r[LANDSCAPE_IMAGE].surface; }
    Surface& terrain() { return *r[TERRAIN_IMAGE].surface; }
    Surface& tile(int k) { return *f[static_cast<std::size_t>(k)].surface; }
    std::uint16_t& landscapeAt(int x, int y) { return landscape().row(y)[x]; }

    // Ground (value) in the rows from top down, over the whole width.
    static void fillRows(Surface& s, int top, int bottom, std::uint16_t value) {
        for (int y = top; y < bottom; ++y) std::fill_n(s.row(y), s.width, value);
    }
};
