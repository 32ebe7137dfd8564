#include "world/landscape.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "../test_platform.h"
#include "core/random.h"
#include "world_images.h"

namespace {

constexpr std::uint16_t GROUND = 0x7FFF;
constexpr int FLAT_TOP = 500;

std::uint16_t bodyValue(int n) { return static_cast<std::uint16_t>(0x3DE0 + n); }

struct Items : ::testing::Test {
    WorldImages images;

    void SetUp() override {
        itemSet = 0;
        WorldImages::fillRows(images.terrain(), FLAT_TOP, WORLD_HEIGHT, GROUND);
    }

    // Item n of set 0 with its feet at the foot offsets of the table.
    void addItem(int n, int width) {
        const int foot = itemFootOffsets[0][n][0];
        WorldImages::make(images.s[static_cast<std::size_t>(3 * n)], width, foot + 4, bodyValue(n));
        WorldImages::make(images.s[static_cast<std::size_t>(3 * n + 1)], 6, 4, GROUND);
        WorldImages::make(images.s[static_cast<std::size_t>(3 * n + 2)], 6, 4, GROUND);
    }
};

}  // namespace

TEST_F(Items, StandApartInsideTheirBoundsOnTheGround) {
    addItem(0, 40);
    addItem(1, 90);
    addItem(3, 30);
    int fullSets = 0;
    for (std::uint32_t seed = 1; seed < 40; ++seed) {
        setGameRandState(seed * 2654435761u);
        WorldImages::fillRows(images.landscape(), 0, WORLD_HEIGHT, 0);
        placeSceneryItems();
        ASSERT_LE(itemSlotCount, MAX_ITEMS);
        fullSets += itemSlotCount == MAX_ITEMS;
        for (int i = 0; i < itemSlotCount; ++i) {
            const int x = itemSlots[i];
            for (int j = 0; j < i; ++j) ASSERT_GE(std::abs(x - itemSlots[j]), 100);
            // Find the drawn body in the column at x: its value names the item and its width.
            int y = 0;
            while (y < WORLD_HEIGHT && images.landscapeAt(x, y) == 0) ++y;
            ASSERT_LT(y, FLAT_TOP);
            const int n = images.landscapeAt(x, y) - bodyValue(0);
            ASSERT_TRUE(n == 0 || n == 1 || n == 3) << n;
            EXPECT_GE(x, 50);
            EXPECT_LE(x + images.s[static_cast<std::size_t>(3 * n)].width, 1486);
            // Dropped until the feet touch: the foot row reaches into the ground.
            EXPECT_GE(y + itemFootOffsets[0][n][0] + 4, FLAT_TOP + 1);
            EXPECT_LT(y + itemFootOffsets[0][n][0], FLAT_TOP + 10);
        }
    }
    EXPECT_GT(fullSets, 0);
}

TEST_F(Items, NoItemsInTheSetPlacesNothingAndDoesNotHang) {
    placeSceneryItems();
    EXPECT_EQ(itemSlotCount, 0);
}

TEST_F(Items, GiveUpAfterFifteenAttempts) {
    for (int n = 0; n < ITEMS_PER_SET; ++n) addItem(std::min(n, 3), 40);  // every n exists
    for (int n = 4; n < ITEMS_PER_SET; ++n) WorldImages::make(images.s[static_cast<std::size_t>(3 * n)], 40, 40, 1);
    WorldImages::fillRows(images.terrain(), 0, WORLD_HEIGHT, GROUND);  // every body starts buried
    setGameRandState(77);
    placeSceneryItems();
    EXPECT_EQ(itemSlotCount, 0);
    // One draw for the item, then x and y for each of the fifteen attempts.
    setGameRandState(77);
    for (int i = 0; i < 1 + 15 * 2; ++i) gameRand();
    const std::uint32_t expected = gameRandState();
    setGameRandState(77);
    placeSceneryItems();
    EXPECT_EQ(gameRandState(), expected);
}

TEST(BuildLandscape, TexturesCutsOutlinesAndTiles) {
    TestPlatform platform;
    WorldImages images;
    // z = i t with c = 0 and one iterate: ground where |t| <= sqrt(10), the lower half of the world.
    const LevelRecord level{0.0f, -6.4f, 0.0f, 0.0f, 0.0f, 0.0f, 0};
    buildLandscape(level, 5);  // randScaled's rare 5 folds back onto scenery 0
    EXPECT_EQ(landscapeScenery, 0);
    EXPECT_GE(itemSet, 0);
    EXPECT_LT(itemSet, ITEM_SET_COUNT);
    const std::uint16_t texture = images.r[142].surface->pixels[0];
    const std::uint16_t edge = sceneryEdgeColour(0);
    Surface& terrain = images.terrain();
    EXPECT_EQ(terrain.row(100)[700], 0);
    EXPECT_EQ(terrain.row(700)[700], texture);
    // The first inside row is the edge, painted with the row above it.
    int firstGround = 0;
    while (terrain.row(firstGround + 1)[700] != texture) ++firstGround;
    EXPECT_EQ(terrain.row(firstGround)[700], edge);
    EXPECT_EQ(terrain.row(firstGround - 1)[700], edge);
    EXPECT_EQ(terrain.row(firstGround - 2)[700], 0);
    // The landscape is the terrain with the strip over it, and the tiles are cut from it.
    EXPECT_EQ(images.landscapeAt(700, 700), texture);
    EXPECT_EQ(images.landscapeAt(60, 740), images.r[87].surface->pixels[0]);
    EXPECT_EQ(images.landscapeAt(20, 740), texture);
    EXPECT_EQ(images.tile(6 * 3 + 2).row(700 - 576)[700 - 512], texture);
    EXPECT_EQ(images.tile(0).row(100)[100], 0);
}
