#include "world/landscape.h"

#include <cstdlib>

#include "core/globals.h"
#include "core/random.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/images.h"
#include "gfx/overlap.h"
#include "world/julia_cut.h"
#include "world/outline.h"
#include "world/world.h"

const SceneryLook sceneryLooks[SCENERY_COUNT] = {
    {FIRST_GROUND_TEXTURE, FIRST_GROUND_STRIP, {16, 15, 15}},
    {FIRST_GROUND_TEXTURE + 1, FIRST_GROUND_STRIP + 1, {23, 14, 19}},
    {FIRST_GROUND_TEXTURE + 2, FIRST_GROUND_STRIP + 2, {19, 17, 14}},
    {FIRST_GROUND_TEXTURE + 3, FIRST_GROUND_STRIP + 3, {13, 14, 9}},
    {FIRST_GROUND_TEXTURE + 4, FIRST_GROUND_STRIP + 4, {20, 20, 23}},
};

// Item 10 exists only in a file of more than 30 pictures; like items 4..9 it has no foot offsets.
const std::int16_t itemFootOffsets[ITEM_SET_COUNT][ITEMS_PER_SET][2] = {
    {{44, 44}, {90, 90}, {137, 137}, {66, 66}},
    {{60, 60}, {51, 51}, {75, 84}},
    {{80, 79}, {92, 88}, {88, 88}, {77, 79}},
};

int landscapeScenery = 0;
int itemSet = 0;
std::int16_t itemSlots[MAX_ITEMS] = {};
int itemSlotCount = 0;

namespace {

constexpr int ITEM_LEFT = 50;
constexpr int ITEM_SPAN = 1436;  // an item's right edge stays within ITEM_LEFT + ITEM_SPAN
constexpr int ITEM_TOP = 10;
constexpr int ITEM_HEIGHT_RANGE = 600;
constexpr int ITEM_DROP_STEP = 10;
constexpr int ITEM_SPACING = 100;
constexpr int ITEM_ATTEMPTS = 15;

Surface* surfaceOf(int index) { return raznoe ? raznoe[index].surface.get() : nullptr; }

void textureTerrain(Surface& terrain, int scenery) {
    const ImageEntry& texture = raznoe[sceneryLooks[scenery].groundTexture];
    if (texture.width == 0 || texture.height == 0) return;
    for (int r = 0; r <= WORLD_HEIGHT / texture.height; ++r)
        for (int c = 0; c <= WORLD_WIDTH / texture.width; ++c)
            DrawImageClippedWorld(&terrain, texture, texture.width * c, texture.height * r);
}

bool itemExists(int n) { return sprit[3 * n].width != 0; }

bool touchesTerrain(const ImageEntry& image, int x, int y) {
    return ImagesOverlap(image, x, y, raznoe[TERRAIN_IMAGE], 0, 0);
}

// One try at a spot for item n: true when it landed (and was drawn and recorded).
bool tryPlaceItem(int n) {
    const ImageEntry& body = sprit[3 * n];
    const std::int16_t* feet = itemFootOffsets[itemSet][n];
    const int x = randScaled(ITEM_SPAN - body.width) + ITEM_LEFT;
    int y = randScaled(ITEM_HEIGHT_RANGE) + ITEM_TOP;
    for (int i = 0; i < itemSlotCount; ++i)
        if (std::abs(itemSlots[i] - x) < ITEM_SPACING) return false;
    if (touchesTerrain(body, x, y)) return false;
    // The body is tested only where it starts; on the way down it may sink in until both feet touch.
    for (y += ITEM_DROP_STEP; y <= WORLD_HEIGHT - body.height; y += ITEM_DROP_STEP) {
        if (touchesTerrain(sprit[3 * n + 1], x, y + feet[0]) && touchesTerrain(sprit[3 * n + 2], x, y + feet[1])) {
            DrawImage(surfaceOf(LANDSCAPE_IMAGE), body, x, y);
            itemSlots[itemSlotCount++] = static_cast<std::int16_t>(x);
            return true;
        }
    }
    return false;
}

}  // namespace

int foldScenery(int scenery) { return (scenery % SCENERY_COUNT + SCENERY_COUNT) % SCENERY_COUNT; }

std::uint16_t sceneryEdgeColour(int scenery) {
    const std::uint8_t* rgb = sceneryLooks[foldScenery(scenery)].edge;
    return static_cast<std::uint16_t>(PackColor(rgb[0], rgb[1], rgb[2]));
}

void placeSceneryItems() {
    for (std::int16_t& slot : itemSlots) slot = 0;
    itemSlotCount = 0;
    bool anyItem = false;
    for (int n = 0; n < ITEMS_PER_SET; ++n) anyItem = anyItem || itemExists(n);
    // An item file without a single item (missing or broken) would make the choice below endless.
    if (!anyItem) return;
    while (itemSlotCount < MAX_ITEMS) {
        int n;
        do n = randScaled(ITEMS_PER_SET - 1);
        while (!itemExists(n));
        int attempts = 1;
        while (!tryPlaceItem(n))
            if (++attempts > ITEM_ATTEMPTS) return;  // no further items this battle
    }
}

void drawGroundStrip() {
    const ImageEntry& strip = raznoe[sceneryLooks[landscapeScenery].groundStrip];
    for (int i = 0; i < GROUND_STRIP_COPIES; ++i) DrawImage(surfaceOf(LANDSCAPE_IMAGE), strip, 38 * i + 50, BOTTOM_STRIP_Y);
}

void cutLandscapeTiles() {
    for (int row = 0; row < TILE_ROWS; ++row) {
        for (int column = 0; column < TILE_COLUMNS; ++column) {
            Surface* tile = fon[TILE_COLUMNS * row + column].surface.get();
            if (!tile) continue;
            FillSurface(tile, 0);
            const int left = TILE_WIDTH * column;
            const int top = TILE_HEIGHT * row;
            DrawImagePart(tile, raznoe[LANDSCAPE_IMAGE], 0, 0, left, top, left + TILE_WIDTH, top + TILE_HEIGHT);
        }
    }
}

void buildLandscape(const LevelRecord& level, int scenery) {
    Surface* terrain = surfaceOf(TERRAIN_IMAGE);
    Surface* landscape = surfaceOf(LANDSCAPE_IMAGE);
    if (!terrain || !landscape || !sprit || !fon) return;
    landscapeScenery = foldScenery(scenery);
    textureTerrain(*terrain, landscapeScenery);
    cutTerrain(level);
    outlineTerrain(landscapeScenery);
    FillRect(landscape, 0, {0, 0, WORLD_WIDTH, WORLD_HEIGHT});
    itemSet = randScaled(ITEM_SET_COUNT) % ITEM_SET_COUNT;
    LoadSceneryImages(itemSpriteFiles[static_cast<std::size_t>(itemSet)].c_str());
    placeSceneryItems();
    DrawImage(landscape, raznoe[TERRAIN_IMAGE], 0, 0);
    drawGroundStrip();
    cutLandscapeTiles();
}
