// Building a battle's landscape: texture, Julia cut, outline, scenery items, ground strip, tiles.
#pragma once

#include <cstdint>

#include "world/level_file.h"

constexpr int SCENERY_COUNT = 5;
constexpr int ITEM_SET_COUNT = 3;
constexpr int ITEMS_PER_SET = 11;  // 0..10: randScaled(10) can name item 10
constexpr int MAX_ITEMS = 5;
constexpr int GROUND_STRIP_COPIES = 38;
constexpr int BOTTOM_STRIP_Y = 730;

struct SceneryLook {
    int groundTexture;  // raznoe index
    int groundStrip;    // raznoe index
    std::uint8_t edge[3];  // 5-bit red, green, blue of the outline and the crater rims
};

extern const SceneryLook sceneryLooks[SCENERY_COUNT];
// Per set and item: where the two foot probes are tested below the body's top.
extern const std::int16_t itemFootOffsets[ITEM_SET_COUNT][ITEMS_PER_SET][2];

// What the current landscape was built with, and the items standing on it.
extern int landscapeScenery;
extern int itemSet;
extern std::int16_t itemSlots[MAX_ITEMS];
extern int itemSlotCount;

// randScaled(5) and randScaled(3) name 5 and 3 once in 32768 draws: those fold back onto 0.
int foldScenery(int scenery);

// PackColor of the scenery's edge colour.
std::uint16_t sceneryEdgeColour(int scenery);

// Builds TERRAIN_IMAGE, LANDSCAPE_IMAGE, the items and the 24 tiles from the level and the scenery
// chosen by the battle set-up.
void buildLandscape(const LevelRecord& level, int scenery);

// The steps that the battle's damage and the display's recovery repeat.
void drawGroundStrip();
void cutLandscapeTiles();

// Drops up to five items of the loaded item set onto the terrain (step of buildLandscape).
void placeSceneryItems();
