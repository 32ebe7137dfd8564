#include "world/damage.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "world/landscape.h"
#include "world_images.h"

namespace {

constexpr std::uint16_t GROUND = 0x7FFF;

struct Crater : ::testing::Test {
    WorldImages images;
    std::uint16_t rim = 0;

    void SetUp() override {
        landscapeScenery = 2;
        rim = sceneryEdgeColour(2);
        WorldImages::fillRows(images.landscape(), 0, WORLD_HEIGHT, GROUND);
    }

    std::uint16_t at(int x, int y) { return images.landscapeAt(x, y); }

    bool tileMatchesLandscape(int k) {
        const int left = TILE_WIDTH * (k % TILE_COLUMNS), top = TILE_HEIGHT * (k / TILE_COLUMNS);
        for (int y = 0; y < TILE_HEIGHT; ++y)
            for (int x = 0; x < TILE_WIDTH; ++x)
                if (images.tile(k).row(y)[x] != images.landscapeAt(left + x, top + y)) return false;
        return true;
    }
    bool tileBlank(int k) {
        const auto& p = images.tile(k).pixels;
        return std::all_of(p.begin(), p.end(), [](std::uint16_t v) { return v == 0; });
    }
};

}  // namespace

TEST_F(Crater, HoleAndRimReachOnePixelFurtherLeftAndUp) {
    carveCrater(700, 400, 10);  // r^2 = 100, hole below 70
    EXPECT_EQ(at(700, 400), 0);
    EXPECT_EQ(at(693, 396), 0);    // d = 65
    EXPECT_EQ(at(692, 397), rim);  // d = 73
    EXPECT_EQ(at(690, 400), rim);  // dx = -10: d = 100
    EXPECT_EQ(at(700, 390), rim);  // dy = -10
    EXPECT_EQ(at(710, 400), GROUND);  // dx = +10 lies outside the range
    EXPECT_EQ(at(700, 410), GROUND);
    EXPECT_EQ(at(709, 400), rim);  // dx = 9: d = 81
    EXPECT_EQ(at(691, 392), GROUND);  // d = 145: beyond the radius
    int changed = 0;
    for (int y = 380; y < 420; ++y)
        for (int x = 680; x < 720; ++x) {
            if (at(x, y) == GROUND) continue;
            ++changed;
            EXPECT_TRUE(x >= 690 && x < 710 && y >= 390 && y < 410) << x << "," << y;
        }
    EXPECT_GT(changed, 250);
}

TEST_F(Crater, SkyNeverGainsGround) {
    WorldImages::fillRows(images.landscape(), 0, 400, 0);  // sky above row 400
    carveCrater(700, 400, 20);
    for (int y = 380; y < 400; ++y)
        for (int x = 680; x < 720; ++x) ASSERT_EQ(at(x, y), 0) << x << "," << y;
    EXPECT_EQ(at(700, 419), rim);  // dy = 19, the lowest rim pixel
    EXPECT_EQ(at(700, 401), 0);
}

TEST_F(Crater, OverlappingCratersKeepErasedPixelsErased) {
    carveCrater(700, 400, 20);
    carveCrater(715, 400, 20);
    EXPECT_EQ(at(700, 400), 0);  // the first hole is not rimmed again
    EXPECT_EQ(at(715, 400), 0);
    EXPECT_EQ(at(696, 381), rim);  // the first crater's rim beyond the second
    EXPECT_EQ(at(734, 400), rim);
}

TEST_F(Crater, IsCutAtTheWorldsEdges) {
    carveCrater(10, 740, 28);
    EXPECT_EQ(at(0, 740), 0);
    EXPECT_EQ(at(37, 740), rim);  // dx = 27: d = 729 > 700
    EXPECT_EQ(at(38, 740), GROUND);
    carveCrater(1530, 765, 28);
    EXPECT_EQ(at(WORLD_WIDTH - 1, WORLD_HEIGHT - 1), 0);
    carveCrater(-100, 300, 28);  // wholly outside: nothing
    carveCrater(300, 900, 28);
    EXPECT_EQ(at(0, 300), GROUND);
    EXPECT_EQ(at(300, BOTTOM_STRIP_Y - 1), GROUND);
}

TEST_F(Crater, GroundStripIsDrawnBackAtOnce) {
    carveCrater(60, 740, 28);
    const std::uint16_t strip = images.r[87 + 2].surface->pixels[0];
    for (int y = BOTTOM_STRIP_Y; y < WORLD_HEIGHT; ++y)
        for (int x = 50; x < 88; ++x) ASSERT_EQ(at(x, y), strip) << x << "," << y;
    EXPECT_EQ(at(49, 740), 0);  // left of the strip the crater stays
}

TEST_F(Crater, RecopiesTheTilesHoldingItsCorners) {
    carveCrater(256, 192, 10);  // around the corner of tiles 0, 1, 6, 7
    for (int k : {0, 1, 6, 7}) EXPECT_TRUE(tileMatchesLandscape(k)) << k;
    for (int k : {2, 5, 8, 12, 13}) EXPECT_TRUE(tileBlank(k)) << k;
}

TEST_F(Crater, LeftEdgeOnATileBorderLeavesTheTileBeforeIt) {
    carveCrater(276, 100, 20);  // cx - r = 256
    EXPECT_EQ(at(255, 100), GROUND);
    EXPECT_EQ(at(256, 100), rim);
    EXPECT_TRUE(tileBlank(0));
    EXPECT_TRUE(tileMatchesLandscape(1));
}

TEST_F(Crater, InTheSkyChangesNothingButStillRefreshes) {
    WorldImages::fillRows(images.landscape(), 0, WORLD_HEIGHT, 0);
    carveCrater(300, 100, 20);
    EXPECT_EQ(at(300, 100), 0);
    EXPECT_EQ(at(290, 90), 0);
    EXPECT_NE(at(60, 740), 0);  // strip drawn
    EXPECT_TRUE(tileMatchesLandscape(1));
}

TEST_F(Crater, StampLargerThanATileRefreshesEveryTileItCovers) {
    // A square reaching over whole tiles has no corner inside them; they are recopied all the same.
    refreshTiles(768, 384, 400);
    for (int k : {1, 7, 10, 22}) EXPECT_TRUE(tileMatchesLandscape(k)) << k;
    for (int k : {0, 5, 11}) EXPECT_TRUE(tileBlank(k)) << k;
}
