// The shipped levels with the game's own pictures: the generated "level.frc" reads back as the
// source table, and every level, dressed with its items and ground strip, seats five fortresses.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "../test_platform.h"
#include "battle/placement.h"
#include "core/random.h"
#include "core/settings.h"
#include "gfx/images.h"
#include "levels_table.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"

namespace {

struct GameData : ::testing::Test {
    TestPlatform platform;
    std::filesystem::path previous = std::filesystem::current_path();

    void SetUp() override {
        if (!std::filesystem::exists(std::filesystem::path(RAMPARO_BUILD_DATA_DIR) / "small.spr"))
            GTEST_SKIP() << "generated data not built";
        std::filesystem::current_path(RAMPARO_BUILD_DATA_DIR);
        pixelFormat = 1;
    }
    void TearDown() override { std::filesystem::current_path(previous); }
};

}  // namespace

TEST_F(GameData, LevelFileHoldsTheTableRepeated) {
    loadLevels();
    EXPECT_TRUE(platform.errorBoxes.empty());
    for (int i = 0; i < LEVEL_COUNT; ++i) {
        const LevelRecord a = levelRecords.record(i), &b = SHIPPED_LEVELS[i % SHIPPED_LEVEL_COUNT];
        ASSERT_TRUE(a.xMin == b.xMin && a.yMin == b.yMin && a.xMax == b.xMax && a.yMax == b.yMax &&
                    a.cRe == b.cRe && a.cIm == b.cIm && a.maxIter == b.maxIter)
            << i;
    }
}

TEST_F(GameData, EveryLevelSeatsFiveFortresses) {
    ASSERT_TRUE(AllocateImageTables());
    LoadGameImages();
    ASSERT_EQ(raznoe[TERRAIN_IMAGE].width, WORLD_WIDTH);
    int items = 0;
    for (int i = 0; i < SHIPPED_LEVEL_COUNT; ++i) {
        setGameRandState(1000u + static_cast<std::uint32_t>(i));
        buildLandscape(SHIPPED_LEVELS[i], i % SCENERY_COUNT);
        items += itemSlotCount;
        for (int k = 0; k < itemSlotCount; ++k)
            for (int j = 0; j < k; ++j) EXPECT_GE(std::abs(itemSlots[k] - itemSlots[j]), 100) << i;
        const FortressPlacement p = searchFortressSpots(raznoe[LANDSCAPE_IMAGE], gameFortressProbes(), MAX_PLAYERS);
        EXPECT_FALSE(p.usedFallback) << "level " << i;
        // Items change the ground a little from what the level search saw: half the bound is the margin.
        for (int attempts : p.attempts) EXPECT_LE(attempts, PLACEMENT_ATTEMPTS / 2) << "level " << i;
    }
    EXPECT_GT(items, SHIPPED_LEVEL_COUNT);  // the scenery items do stand on the levels
    EXPECT_TRUE(platform.errorBoxes.empty());
}
