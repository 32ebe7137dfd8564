#include "world/outline.h"

#include <gtest/gtest.h>

#include "world/world.h"
#include "world_images.h"

namespace {

constexpr std::uint16_t GROUND = 0x7FFF;
constexpr std::uint16_t EDGE = 0x4213;

Surface world() { return Surface(WORLD_WIDTH, WORLD_HEIGHT); }
std::uint16_t at(const Surface& s, int x, int y) { return s.row(y)[x]; }

}  // namespace

TEST(OutlineTerrain, PaintsTheEdgeAndItsUpperAndLeftNeighbours) {
    Surface s = world();
    WorldImages::fillRows(s, 100, WORLD_HEIGHT, GROUND);
    outlineTerrain(s, EDGE);
    for (int x = 1; x < WORLD_WIDTH - 1; ++x) {
        ASSERT_EQ(at(s, x, 99), EDGE) << x;  // the sky pixel above each edge pixel
        ASSERT_EQ(at(s, x, 100), EDGE) << x;
        ASSERT_EQ(at(s, x, 101), GROUND) << x;
    }
    EXPECT_EQ(at(s, 0, 100), EDGE);  // column 0 is painted as a left neighbour only
    EXPECT_EQ(at(s, 0, 99), 0);
    EXPECT_EQ(at(s, WORLD_WIDTH - 1, 100), GROUND);  // column 1535 is never tested
    EXPECT_EQ(at(s, 1, 400), GROUND);               // ground continues beyond the border columns
    EXPECT_EQ(at(s, 700, WORLD_HEIGHT - 2), GROUND);
}

TEST(OutlineTerrain, BorderRowsAreNeverTestedButRowZeroCanBePainted) {
    Surface s = world();
    s.row(0)[5] = GROUND;                 // alone in row 0: never tested
    s.row(WORLD_HEIGHT - 1)[9] = GROUND;  // alone in row 767: never tested
    s.row(1)[20] = GROUND;                // tested: paints itself, (19, 1) and (20, 0)
    outlineTerrain(s, EDGE);
    EXPECT_EQ(at(s, 5, 0), GROUND);
    EXPECT_EQ(at(s, 9, WORLD_HEIGHT - 1), GROUND);
    EXPECT_EQ(at(s, 20, 1), EDGE);
    EXPECT_EQ(at(s, 19, 1), EDGE);
    EXPECT_EQ(at(s, 20, 0), EDGE);
    EXPECT_EQ(at(s, 21, 1), 0);
}

TEST(OutlineTerrain, ReadsOnlyTheLowByte) {
    Surface s = world();
    WorldImages::fillRows(s, 200, WORLD_HEIGHT, GROUND);
    s.row(400)[700] = 0x0100;  // solid for every other test, empty for the outline
    s.row(500)[700] = 0x0001;  // low byte set: ground for the outline too
    outlineTerrain(s, EDGE);
    EXPECT_EQ(at(s, 700, 399), EDGE);
    EXPECT_EQ(at(s, 699, 400), EDGE);
    EXPECT_EQ(at(s, 700, 400), EDGE);  // painted as the left neighbour of (701, 400)
    EXPECT_EQ(at(s, 700, 401), GROUND);  // by its turn the pixel above is edge, no longer sky
    EXPECT_EQ(at(s, 700, 499), GROUND);
    EXPECT_EQ(at(s, 700, 500), 0x0001);
    EXPECT_EQ(at(s, 702, 400), GROUND);
}

TEST(OutlineTerrain, WorksInPlaceSoEarlierPaintIsSeenByLaterTests) {
    // An edge colour with a low byte of 0 reads as sky once painted: each painted row makes the
    // row below an edge, all the way down. A pass over a copy would paint two rows only.
    constexpr std::uint16_t HIGH_ONLY = 0x0100;
    Surface s = world();
    WorldImages::fillRows(s, 10, WORLD_HEIGHT, GROUND);
    outlineTerrain(s, HIGH_ONLY);
    EXPECT_EQ(at(s, 700, 9), HIGH_ONLY);
    EXPECT_EQ(at(s, 700, 400), HIGH_ONLY);
    EXPECT_EQ(at(s, 700, WORLD_HEIGHT - 2), HIGH_ONLY);
    EXPECT_EQ(at(s, 700, WORLD_HEIGHT - 1), GROUND);
}

TEST(OutlineTerrain, BattleOutlineUsesTheSceneryEdgeColour) {
    WorldImages images;
    WorldImages::fillRows(images.terrain(), 300, WORLD_HEIGHT, GROUND);
    outlineTerrain(1);
    EXPECT_EQ(images.terrain().row(300)[50], (23 << 10) | (14 << 5) | 19);
}
