#include "levels/level_quality.h"

#include <gtest/gtest.h>

#include <array>

#include "levels_table.h"

TEST(ShippedLevels, EveryPlayedRecordIsAGoodBattlefield) {
    ASSERT_EQ(SHIPPED_LEVEL_COUNT, 65);
    std::array<int, 4> shapes{};
    for (int i = 0; i < SHIPPED_LEVEL_COUNT; ++i) {
        const LevelQuality q = measureLevel(SHIPPED_LEVELS[i], 3);
        EXPECT_GE(q.ground, 1.0 / 3) << i;
        EXPECT_LE(q.ground, 2.0 / 3) << i;
        EXPECT_LE(q.skyBandGround, 0.005) << i;
        EXPECT_LE(q.slivers, 0.02) << i;
        EXPECT_FALSE(q.placementFallback) << i;
        EXPECT_LE(q.placementAttempts, GOOD_PLACEMENT_ATTEMPTS) << i;
        EXPECT_TRUE(isGoodBattlefield(q)) << i;
        ++shapes[static_cast<std::size_t>(shapeOf(q))];
    }
    // Varied: every kind of shape is there, none dominates.
    for (int count : shapes) {
        EXPECT_GE(count, 1);
        EXPECT_LE(count, 30);
    }
}

TEST(LevelQuality, RejectsTheDegenerateLevels) {
    const LevelQuality solid = measureLevel(LevelRecord{}, 1);  // the zero record of a missing file
    EXPECT_EQ(solid.ground, 1.0);
    EXPECT_TRUE(solid.placementFallback);
    EXPECT_FALSE(isGoodBattlefield(solid));

    const LevelQuality empty = measureLevel({5, 5, 5, 5, 0, 0, 5}, 1);
    EXPECT_EQ(empty.ground, 0.0);
    EXPECT_FALSE(isGoodBattlefield(empty));
}

TEST(LevelQuality, FindsSliversAndFloatingIslands) {
    // A fine-grained fractal edge (many iterations) loses more to the opening than a smooth one.
    const LevelRecord smooth{-1.8f, -0.2f, 1.8f, 1.6f, -0.1f, 0.65f, 6};
    LevelRecord fractal = smooth;
    fractal.maxIter = 400;
    EXPECT_LT(measureLevel(smooth, 0).slivers, measureLevel(fractal, 0).slivers);
    // A small set in the middle of a wide window floats: one island.
    const LevelQuality floating = measureLevel({-4.0f, -2.0f, 4.0f, 2.0f, -0.1f, 0.1f, 10}, 0);
    EXPECT_EQ(floating.islands, 1);
}
