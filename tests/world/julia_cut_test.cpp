#include "world/julia_cut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "levels_table.h"
#include "world/world.h"

namespace {

constexpr std::uint16_t TEXTURE = 0x1234;

Surface texturedWorld() {
    Surface s(WORLD_WIDTH, WORLD_HEIGHT);
    for (std::size_t i = 0; i < s.pixels.size(); ++i) s.pixels[i] = static_cast<std::uint16_t>(TEXTURE + i % 7);
    return s;
}

std::size_t groundPixels(const Surface& s) {
    return static_cast<std::size_t>(std::count_if(s.pixels.begin(), s.pixels.end(), [](std::uint16_t p) { return p != 0; }));
}

constexpr std::size_t WORLD_PIXELS = static_cast<std::size_t>(WORLD_WIDTH) * WORLD_HEIGHT;

// Every pixel at one start value z = (re, im).
LevelRecord point(float re, float im, float cRe, float cIm, std::uint16_t maxIter) {
    return {re, im, re, im, cRe, cIm, maxIter};
}

}  // namespace

TEST(JuliaCut, EqualBoundsGiveAllOrNothing) {
    Surface inside = texturedWorld();
    cutTerrain(inside, point(0.1f, 0.2f, -0.5f, 0.1f, 30));
    EXPECT_EQ(groundPixels(inside), WORLD_PIXELS);

    Surface outside = texturedWorld();
    cutTerrain(outside, point(1.5f, 1.5f, 0.3f, 0.6f, 30));
    EXPECT_EQ(groundPixels(outside), 0u);
}

TEST(JuliaCut, InsidePixelsKeepTheirTextureValue) {
    Surface s = texturedWorld();
    const Surface before = s;
    cutTerrain(s, {-2.0f, -1.0f, 2.0f, 1.0f, -0.4f, 0.6f, 20});
    std::size_t kept = 0;
    for (std::size_t i = 0; i < s.pixels.size(); ++i) {
        if (s.pixels[i] == 0) continue;
        ASSERT_EQ(s.pixels[i], before.pixels[i]);
        ++kept;
    }
    EXPECT_GT(kept, 0u);
    EXPECT_LT(kept, WORLD_PIXELS);
}

TEST(JuliaCut, StartValueOutsideIsCutWithoutIterating) {
    // |z|^2 = 101 at the start.
    EXPECT_FALSE(juliaInside(prepareJuliaCut(point(10.0f, 1.0f, -99.0f, -20.0f, 0)), 0, 0));
    // Exactly 100 counts as inside: z = 10 is a fixed point of z^2 - 90.
    EXPECT_TRUE(juliaInside(prepareJuliaCut(point(10.0f, 0.0f, -90.0f, 0.0f, 50)), 0, 0));
}

TEST(JuliaCut, MaxIterZeroTestsTheStartAndOneIterate) {
    // z0 = 3, c = 1: z1 = 10 is still inside (|z1|^2 = 100), z2 = 101 escapes.
    EXPECT_TRUE(juliaInside(prepareJuliaCut(point(3.0f, 0.0f, 1.0f, 0.0f, 0)), 5, 5));
    EXPECT_FALSE(juliaInside(prepareJuliaCut(point(3.0f, 0.0f, 1.0f, 0.0f, 1)), 5, 5));
    // c = 1.5: z1 = 10.5 escapes already at the first iterate.
    EXPECT_FALSE(juliaInside(prepareJuliaCut(point(3.0f, 0.0f, 1.5f, 0.0f, 0)), 5, 5));
}

TEST(JuliaCut, ZeroRecordMakesASolidWorld) {
    Surface s = texturedWorld();
    cutTerrain(s, LevelRecord{});
    EXPECT_EQ(groundPixels(s), WORLD_PIXELS);
}

TEST(JuliaCut, NonFiniteRecordIsAnEmptyLevel) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (LevelRecord level : {LevelRecord{nan, 0, 1, 1, 0, 0, 10}, LevelRecord{0, 0, 1, inf, 0, 0, 10},
                              LevelRecord{-1, -1, 1, 1, 0, -inf, 10}}) {
        Surface s = texturedWorld();
        cutTerrain(s, level);
        EXPECT_EQ(groundPixels(s), 0u);
        Surface reference = texturedWorld();
        cutTerrainScalar(reference, level);
        EXPECT_EQ(reference.pixels, s.pixels);
    }
}

TEST(JuliaCut, HugeIterationLimitIsClampedAndStillFinishes) {
    const LevelRecord level{-2.0f, -1.0f, 2.0f, 1.0f, -0.75f, 0.1f, 65535};
    EXPECT_EQ(prepareJuliaCut(level).iterations, MAX_JULIA_ITERATIONS + 1);
    Surface s = texturedWorld();
    cutTerrain(s, level);  // a fraction of a second, not minutes
    EXPECT_GT(groundPixels(s), 0u);
}

TEST(JuliaCut, SurfaceOfAnotherSizeIsLeftAlone) {
    Surface small(256, 192);
    std::fill(small.pixels.begin(), small.pixels.end(), TEXTURE);
    cutTerrain(small, point(5.0f, 5.0f, 0, 0, 3));
    cutTerrainScalar(small, point(5.0f, 5.0f, 0, 0, 3));
    EXPECT_TRUE(std::all_of(small.pixels.begin(), small.pixels.end(), [](std::uint16_t p) { return p == TEXTURE; }));
}

TEST(JuliaCut, FastCutIsBitIdenticalToTheScalarLoop) {
    std::vector<LevelRecord> levels(SHIPPED_LEVELS, SHIPPED_LEVELS + SHIPPED_LEVEL_COUNT);
    // Mirrored and upside-down windows, a degenerate window and boundaries at escape radius.
    levels.push_back({2.0f, 1.0f, -2.0f, -1.0f, 0.285f, 0.01f, 40});
    levels.push_back({-10.0f, -10.0f, 10.0f, 10.0f, -1.0f, 0.0f, 0});
    levels.push_back({-1e30f, -1e30f, 1e30f, 1e30f, 0.0f, 0.0f, 5});
    for (std::size_t i = 0; i < levels.size(); ++i) {
        Surface fast = texturedWorld();
        Surface scalar = fast;
        cutTerrain(fast, levels[i]);
        cutTerrainScalar(scalar, levels[i]);
        ASSERT_EQ(fast.pixels, scalar.pixels) << "level " << i;
    }
}
