// A battle's terrain: the Julia cut, its outline, the scenery items, the whole build and craters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "../test_platform.h"
#include "core/random.h"
#include "core/settings.h"
#include "gfx/images.h"
#include "levels_table.h"
#include "world/damage.h"
#include "world/julia_cut.h"
#include "world/landscape.h"
#include "world/outline.h"
#include "world/world.h"

namespace {

constexpr std::uint16_t GROUND = 0x7FFF;
// The edge colours of sceneries 0..4, packed 5-5-5.
constexpr std::uint16_t EDGE[SCENERY_COUNT] = {(16 << 10) | (15 << 5) | 15, (23 << 10) | (14 << 5) | 19,
                                               (19 << 10) | (17 << 5) | 14, (13 << 10) | (14 << 5) | 9,
                                               (20 << 10) | (20 << 5) | 23};

void make(ImageEntry& e, int w, int h, std::uint16_t value) {
    e.surface = std::make_unique<Surface>(w, h);
    std::fill(e.surface->pixels.begin(), e.surface->pixels.end(), value);
    e.width = static_cast<std::uint16_t>(w);
    e.height = static_cast<std::uint16_t>(h);
}
void fillRows(Surface& s, int top, int bottom, std::uint16_t value) {
    for (int y = top; y < bottom; ++y) std::fill_n(s.row(y), s.width, value);
}
std::uint16_t at(const Surface& s, int x, int y) { return s.row(y)[x]; }
Surface& blankWorld(ImageEntry& e) { return make(e, WORLD_WIDTH, WORLD_HEIGHT, 0), *e.surface; }

// The pictures the landscape code uses, installed as raznoe, sprit and fon: world-sized landscape
// and terrain, 100 x 100 ground textures 0x4A50 + k, 38 x 38 ground strips 0x2D60 + k, blank tiles.
struct World : ::testing::Test {
    std::vector<ImageEntry> r{RAZNOE_SIZE}, s{SPRIT_SIZE}, f{FON_SIZE};
    Surface& landscape = blankWorld(r[LANDSCAPE_IMAGE]);
    Surface& terrain = blankWorld(r[TERRAIN_IMAGE]);
    void SetUp() override {
        pixelFormat = 1;
        for (int k = 0; k < SCENERY_COUNT; ++k) {
            make(r[FIRST_GROUND_TEXTURE + k], 100, 100, static_cast<std::uint16_t>(0x4A50 + k));
            make(r[FIRST_GROUND_STRIP + k], 38, 38, static_cast<std::uint16_t>(0x2D60 + k));
        }
        for (int k = 0; k < 24; ++k) make(f[k], TILE_WIDTH, TILE_HEIGHT, 0);
        raznoe = r.data();
        sprit = s.data();
        fon = f.data();
    }
    void TearDown() override { raznoe = sprit = fon = nullptr; }
    Surface& tile(int k) { return *f[static_cast<std::size_t>(k)].surface; }
};

// Every pixel at one start value z = (re, im).
LevelRecord point(float re, float im, float cRe, float cIm, std::uint16_t maxIter) {
    return {re, im, re, im, cRe, cIm, maxIter};
}

// Inside: the start value and the next maxIter + 1 iterates keep |z|² <= 100. A record with a
// value that is not finite is an empty level; the zero record of a missing file is all ground.
TEST(JuliaCut, EscapeAtSquaredRadius100AfterMaxIterPlusOneIterates) {
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    struct Case { const char* what; LevelRecord level; bool inside; };
    const Case cases[] = {
        {"|z0|^2 = 101: cut without iterating", point(10, 1, -99, -20, 0), false},
        {"|z|^2 = 100 stays inside: z = 10 is fixed under z^2 - 90", point(10, 0, -90, 0, 50), true},
        {"maxIter 0: z1 = 10 still inside", point(3, 0, 1, 0, 0), true},
        {"maxIter 1: z2 = 101 escapes", point(3, 0, 1, 0, 1), false},
        {"z1 = 10.5 escapes", point(3, 0, 1.5f, 0, 0), false},
        {"zero record", LevelRecord{}, true},
        {"NaN", {nan, 0, 1, 1, 0, 0, 10}, false},
        {"infinite bound", {0, 0, 1, inf, 0, 0, 10}, false},
        {"infinite constant", {-1, -1, 1, 1, 0, -inf, 10}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(juliaInside(prepareJuliaCut(c.level), 5, 5), c.inside) << c.what;
    EXPECT_EQ(prepareJuliaCut(point(0, 0, 0, 0, 65535)).iterations, MAX_JULIA_ITERATIONS + 1);
}

// Inside pixels keep their texture; the fast cut is the scalar loop bit for bit on every shipped
// level, mirrored windows, escape-radius bounds, a clamped limit of 65535 and an empty level.
TEST(JuliaCut, FastCutIsBitIdenticalToTheScalarLoop) {
    std::vector<LevelRecord> levels(SHIPPED_LEVELS, SHIPPED_LEVELS + SHIPPED_LEVEL_COUNT);
    levels.push_back({2.0f, 1.0f, -2.0f, -1.0f, 0.285f, 0.01f, 40});
    levels.push_back({-10.0f, -10.0f, 10.0f, 10.0f, -1.0f, 0.0f, 0});
    levels.push_back({-1e30f, -1e30f, 1e30f, 1e30f, 0.0f, 0.0f, 5});
    levels.push_back({-2.0f, -1.0f, 2.0f, 1.0f, -0.75f, 0.1f, 65535});
    levels.push_back({-2.0f, -1.0f, 2.0f, 1.0f, std::numeric_limits<float>::infinity(), 0.1f, 10});
    for (std::size_t i = 0; i < levels.size(); ++i) {
        Surface fast(WORLD_WIDTH, WORLD_HEIGHT);
        for (std::size_t p = 0; p < fast.pixels.size(); ++p) fast.pixels[p] = static_cast<std::uint16_t>(0x1234 + p % 7);
        Surface scalar = fast, before = fast;
        cutTerrain(fast, levels[i]);
        cutTerrainScalar(scalar, levels[i]);
        ASSERT_EQ(fast.pixels, scalar.pixels) << "level " << i;
        for (std::size_t p = 0; p < fast.pixels.size(); ++p)
            ASSERT_TRUE(fast.pixels[p] == 0 || fast.pixels[p] == before.pixels[p]) << "level " << i;
    }
}

TEST_F(World, OutlinePaintsEdgePixelsAndTheirUpperAndLeftNeighbours) {
    fillRows(terrain, 100, WORLD_HEIGHT, GROUND);
    terrain.row(400)[700] = 0x0100;  // solid for every other test, sky for the outline (low byte 0)
    terrain.row(1)[20] = GROUND;     // alone in row 1: paints itself, (19, 1) and (20, 0)
    terrain.row(0)[5] = GROUND;      // row 0 is never tested
    outlineTerrain(1);
    for (int x = 1; x < WORLD_WIDTH - 1; ++x) {
        ASSERT_EQ(at(terrain, x, 99), EDGE[1]) << x;  // the sky pixel above each edge pixel
        ASSERT_EQ(at(terrain, x, 100), EDGE[1]) << x;
        ASSERT_EQ(at(terrain, x, 101), GROUND) << x;
    }
    struct Pixel { int x, y; std::uint16_t want; };
    const Pixel pixels[] = {
        {0, 100, EDGE[1]}, {0, 99, 0},  // column 0 is painted as a left neighbour only
        {WORLD_WIDTH - 1, 100, GROUND}, {700, WORLD_HEIGHT - 1, GROUND},  // column 1535, row 767 never tested
        {700, WORLD_HEIGHT - 2, GROUND}, {700, 399, EDGE[1]}, {699, 400, EDGE[1]},
        {700, 400, EDGE[1]},  // painted as the left neighbour of (701, 400)
        {700, 401, GROUND},   // by its turn the pixel above is edge, no longer sky
        {702, 400, GROUND}, {5, 0, GROUND}, {20, 1, EDGE[1]}, {19, 1, EDGE[1]}, {20, 0, EDGE[1]}, {21, 1, 0},
    };
    for (const Pixel& p : pixels) EXPECT_EQ(at(terrain, p.x, p.y), p.want) << p.x << "," << p.y;
}

TEST_F(World, BuildTexturesCutsOutlinesAndTiles) {
    TestPlatform platform;
    for (int scenery = 0; scenery <= SCENERY_COUNT; ++scenery) {  // scenery 5 folds back onto 0
        // z = i t with c = 0 and one iterate: ground where |t| <= sqrt(10), the lower half of the world.
        buildLandscape({0.0f, -6.4f, 0.0f, 0.0f, 0.0f, 0.0f, 0}, scenery);
        const int look = scenery % SCENERY_COUNT;
        EXPECT_TRUE(landscapeScenery == look && itemSet >= 0 && itemSet < ITEM_SET_COUNT);
        const std::uint16_t texture = static_cast<std::uint16_t>(0x4A50 + look);
        EXPECT_TRUE(at(terrain, 100, 100) == 0 && at(terrain, 1535, 767) == texture);  // textures clipped at the edge
        int edge = 0;  // the first inside row is the edge, painted with the row above it
        while (at(terrain, 700, edge + 1) != texture) ++edge;
        EXPECT_TRUE(at(terrain, 700, edge) == EDGE[look] && at(terrain, 700, edge - 1) == EDGE[look]) << edge;
        // The landscape is the terrain with the strip over it, and the tiles are cut from it.
        EXPECT_EQ(at(landscape, 700, 700), texture);
        EXPECT_EQ(at(landscape, 60, 740), 0x2D60 + look);
        EXPECT_EQ(at(landscape, 20, 740), texture);
        EXPECT_TRUE(tile(6 * 3 + 2).row(700 - 576)[700 - 512] == texture && tile(23).row(191)[255] == texture);
        EXPECT_EQ(tile(0).row(100)[100], 0);
    }
    make(r[FIRST_GROUND_TEXTURE], 3, 1, 0x1111);  // a texture one pixel high still covers the ground
    buildLandscape({0.0f, -6.4f, 0.0f, 0.0f, 0.0f, 0.0f, 0}, 0);
    EXPECT_EQ(at(terrain, 700, 700), 0x1111);
}

struct Items : World {
    static constexpr int FLAT_TOP = 500;
    static constexpr int FOOT[4] = {44, 90, 137, 66};  // the foot offsets of set 0
    void SetUp() override { World::SetUp(), itemSet = 0, fillRows(terrain, FLAT_TOP, WORLD_HEIGHT, GROUND); }
    // Item n: a body whose pixel value names it, its feet at the set's offsets.
    void addItem(int n, int width) {
        make(s[3 * n], width, FOOT[n] + 4, static_cast<std::uint16_t>(0x3DE0 + n));
        make(s[3 * n + 1], 6, 4, GROUND), make(s[3 * n + 2], 6, 4, GROUND);
    }
};

TEST_F(Items, StandApartInsideTheirBoundsOnTheGround) {
    placeSceneryItems();  // no item in the set: none placed, and no endless choice
    EXPECT_EQ(itemSlotCount, 0);
    for (auto [n, width] : {std::pair{0, 40}, {1, 90}, {3, 30}}) addItem(n, width);
    int fullSets = 0;
    for (std::uint32_t seed = 1; seed < 40; ++seed) {
        setGameRandState(seed * 2654435761u);
        fillRows(landscape, 0, WORLD_HEIGHT, 0);
        placeSceneryItems();
        fullSets += itemSlotCount == MAX_ITEMS;
        for (int i = 0; i < itemSlotCount; ++i) {
            const int x = itemSlots[i];
            for (int j = 0; j < i; ++j) ASSERT_GE(std::abs(x - itemSlots[j]), 100);
            int y = 0;  // the drawn body in the column at x: its value names the item
            while (y < WORLD_HEIGHT && at(landscape, x, y) == 0) ++y;
            const int n = at(landscape, x, y) - 0x3DE0;
            ASSERT_TRUE(y < FLAT_TOP && (n == 0 || n == 1 || n == 3)) << y << " " << n;
            EXPECT_TRUE(x >= 50 && x + s[3 * n].width <= 1486) << x;
            // Dropped in steps of 10 until the feet touch: the foot row reaches into the ground.
            EXPECT_TRUE(y + FOOT[n] + 3 >= FLAT_TOP && y + FOOT[n] < FLAT_TOP + 7) << y;
        }
    }
    EXPECT_GT(fullSets, 0);
}

TEST_F(Items, GiveUpAfterFifteenAttempts) {
    for (int n = 0; n < ITEMS_PER_SET; ++n) make(s[3 * n], 40, 40, 1);  // every n exists
    fillRows(terrain, 0, WORLD_HEIGHT, GROUND);                         // every body starts buried
    setGameRandState(77);
    for (int i = 0; i < 1 + 15 * 2; ++i) gameRand();  // one draw for the item, x and y per attempt
    const std::uint32_t expected = gameRandState();
    setGameRandState(77);
    placeSceneryItems();
    EXPECT_TRUE(itemSlotCount == 0 && gameRandState() == expected) << itemSlotCount;
}

struct Crater : World {
    void SetUp() override { World::SetUp(), landscapeScenery = 2, fillRows(landscape, 0, WORLD_HEIGHT, GROUND); }
    bool tileIs(int k, bool landscapeCopy) {
        const int left = TILE_WIDTH * (k % 6), top = TILE_HEIGHT * (k / 6);
        for (int y = 0; y < TILE_HEIGHT; ++y)
            for (int x = 0; x < TILE_WIDTH; ++x)
                if (tile(k).row(y)[x] != (landscapeCopy ? at(landscape, left + x, top + y) : 0)) return false;
        return true;
    }
};

// Radius 5: the hole is d = dx² + dy² < 25 - 15, the rim d <= 25, for dx and dy from -5 to 4.
TEST_F(Crater, HoleRimAndRangeAtTheirThresholds) {
    carveCrater(700, 400, 5);
    const std::uint16_t RIM = EDGE[2];
    struct Pixel { int dx, dy; std::uint16_t want; };
    const Pixel pixels[] = {{0, 0, 0},       {3, 0, 0},       {-3, -1, RIM},    {3, 1, RIM},      {-5, 0, RIM},
                            {0, -5, RIM},    {4, 3, RIM},     {-3, -4, RIM},    {-5, -1, GROUND}, {4, -4, GROUND},
                            {5, 0, GROUND},  {0, 5, GROUND},  {-6, 0, GROUND},  {0, -6, GROUND}};
    for (const Pixel& p : pixels) EXPECT_EQ(at(landscape, 700 + p.dx, 400 + p.dy), p.want) << p.dx << "," << p.dy;
}

TEST_F(Crater, SkyStaysSkyAndTheWorldsEdgesCutIt) {
    fillRows(landscape, 0, 400, 0);  // sky above row 400
    struct Pixel { int cx, cy, r, x, y; std::uint16_t want; };
    const Pixel pixels[] = {
        {700, 400, 20, 700, 381, 0}, {700, 400, 20, 700, 419, EDGE[2]}, {700, 400, 20, 700, 420, GROUND},  // rim rows
        {10, 500, 28, 0, 500, 0},    {10, 500, 28, 37, 500, EDGE[2]},   {10, 500, 28, 38, 500, GROUND},   // d 729 at 37
        {1530, 600, 28, 1535, 600, 0}, {1530, 600, 28, 0, 601, GROUND},  // nothing runs into the next row
        {1530, 765, 28, 1535, 767, 0}, {-100, 650, 28, 0, 650, GROUND},  {300, 900, 28, 300, 729, GROUND},
    };
    for (const Pixel& p : pixels) {
        carveCrater(p.cx, p.cy, p.r);
        EXPECT_EQ(at(landscape, p.x, p.y), p.want) << p.x << "," << p.y;
    }
}

TEST_F(Crater, GroundStripIsDrawnBackAtOnce) {
    carveCrater(60, 740, 28);
    for (int y = BOTTOM_STRIP_Y; y < WORLD_HEIGHT; ++y)
        for (int x = 50; x < 88; ++x) ASSERT_EQ(at(landscape, x, y), 0x2D62) << x << "," << y;
    EXPECT_EQ(at(landscape, 49, 740), 0);  // left of the strip the crater stays
    // In open sky a crater changes nothing, but the strip, 38 copies of 38 from x = 50, comes back.
    fillRows(landscape, 0, WORLD_HEIGHT, 0);
    carveCrater(300, 100, 20);
    for (auto [x, y, want] : {std::tuple{300, 100, 0}, {50, 730, 0x2D62}, {1493, 767, 0x2D62}, {1494, 730, 0},
                              {50, 729, 0}})
        EXPECT_EQ(at(landscape, x, y), want) << x << "," << y;
}

// The tiles that the square cx - r .. cx + r - 1, cy - r .. cy + r - 1 reaches are recopied.
TEST_F(Crater, RecopiesEveryTileItReachesAndNoOther) {
    struct Case { int cx, cy, r; std::vector<int> recopied, untouched; };
    const Case cases[] = {
        {256, 192, 10, {0, 1, 6, 7}, {2, 5, 8, 12, 13}},
        {276, 100, 20, {1}, {0, 7}},  // left edge on a tile border
        {236, 100, 20, {0}, {1, 6}},  // right edge on a tile border
        {100, 212, 20, {6}, {0, 7}},
        {100, 172, 20, {0}, {6, 1}},
        {768, 384, 400, {1, 7, 10, 22}, {0, 5, 11}},  // larger than a tile: no corner inside some
    };
    for (const Case& c : cases) {
        for (int k = 0; k < 24; ++k) tile(k).pixels.assign(tile(k).pixels.size(), 0);
        carveCrater(c.cx, c.cy, c.r);
        for (int k : c.recopied) EXPECT_TRUE(tileIs(k, true)) << c.cx << "," << c.cy << " tile " << k;
        for (int k : c.untouched) EXPECT_TRUE(tileIs(k, false)) << c.cx << "," << c.cy << " tile " << k;
    }
}

}  // namespace
