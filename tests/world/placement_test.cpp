// A battle's set-up: the level file, the game's random generator, and where the fortresses
// stand, on made-up ground and on every shipped level.
#include "battle/placement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include <unistd.h>

#include "../test_platform.h"
#include "core/random.h"
#include "core/settings.h"
#include "gfx/overlap.h"
#include "levels_table.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"

namespace {

const LevelRecord SAMPLE[] = {
    {-2.5f, -1.25f, 2.5f, 1.25f, -0.8f, 0.156f, 24},
    {1.0f, 2.0f, -1.0f, -2.0f, 0.285f, -0.01f, 65535},
};

bool same(const LevelRecord& a, const LevelRecord& b) {
    return a.xMin == b.xMin && a.yMin == b.yMin && a.xMax == b.xMax && a.yMax == b.yMax && a.cRe == b.cRe &&
           a.cIm == b.cIm && a.maxIter == b.maxIter;
}

TEST(LevelFile, FieldsAreLittleEndianInFileOrder) {
    std::vector<std::uint8_t> bytes(2 * 26 - 1);  // one record and a torn one
    bytes[10] = 0x80, bytes[11] = 0x3F;  // xMax 1.0 (0x3F800000)
    bytes[23] = 0xBF;                    // cIm -0.5 (0xBF000000)
    bytes[24] = 0x34, bytes[25] = 0x12;  // maxIter
    LevelTable table;
    EXPECT_EQ(readLevelBytes(bytes, table), 1);
    EXPECT_TRUE(same(table.record(0), {0.0f, 0.0f, 1.0f, 0.0f, 0.0f, -0.5f, 0x1234}));
    EXPECT_EQ(encodeLevelFile(SAMPLE).size(), 26000u);
}

// "level.frc" of each length (none: missing) in a fresh working directory: the message, and how
// many records of the sample list repeated it holds whole; the rest stay zero.
TEST(LevelFile, LoadReportsMissingAndShortFiles) {
    struct Case { std::optional<std::size_t> size; const char* message; int whole; };
    const Case cases[] = {
        {std::nullopt, "no open earth", 0},
        {0, "level.frc is short: 0 of 1000 levels", 0},
        {3 * 26 + 10, "level.frc is short: 3 of 1000 levels", 3},
        {26000 - 1, "level.frc is short: 999 of 1000 levels", 999},
        {26000, nullptr, 1000},
        {26000 + 100, nullptr, 1000},
    };
    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("ramparo-levels-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    for (const Case& c : cases) {
        std::filesystem::remove("level.frc");
        std::vector<std::uint8_t> bytes = encodeLevelFile(SAMPLE);
        bytes.resize(c.size.value_or(0), 0xFF);
        if (c.size) std::ofstream("level.frc", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
        TestPlatform platform;
        levelRecords.maxIter[999] = 99;  // left from an earlier load: must not survive the next one
        loadLevels();
        EXPECT_EQ(platform.errorBoxes, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        for (int i = 0; i < LEVEL_COUNT; ++i)
            ASSERT_TRUE(same(levelRecords.record(i), i < c.whole ? SAMPLE[i % 2] : LevelRecord{})) << c.whole << " " << i;
    }
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
}

// The C runtime's generator, one state per thread starting at 1; randScaled(n) truncates
// draw * n / 32767, so it reaches n only with the top draw.
TEST(GameRand, SequenceAndScaledResults) {
    setGameRandState(5);
    std::thread([] {
        for (int value : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}) EXPECT_EQ(gameRand(), value);
    }).join();
    EXPECT_EQ(gameRandState(), 5u);
    struct Case { int draw, n, scaled; };
    for (const Case c : {Case{32767, 64, 64}, {32766, 64, 63}, {0, 64, 0}, {32767, 5, 5}, {32766, 5, 4}, {32767, -100, -100}}) {
        std::uint32_t state = 0;  // one whose next draw is c.draw
        while (setGameRandState(state), gameRand() != c.draw) ++state;
        setGameRandState(state);
        EXPECT_EQ(randScaled(c.n), c.scaled) << c.draw << " of " << c.n;
    }
}

constexpr std::uint16_t SOLID = 0x7FFF;

// An image solid in columns left..right-1.
ImageEntry patch(int width, int height, int left, int right) {
    ImageEntry e;
    e.surface = std::make_unique<Surface>(width, height);
    e.width = static_cast<std::uint16_t>(width);
    e.height = static_cast<std::uint16_t>(height);
    for (int y = 0; y < height; ++y) std::fill(e.surface->row(y) + left, e.surface->row(y) + right, SOLID);
    return e;
}

struct Placement : ::testing::Test {
    ImageEntry top = patch(80, 30, 0, 80);
    ImageEntry ground[4] = {patch(80, 6, 2, 12), patch(80, 6, 24, 34), patch(80, 6, 46, 56), patch(80, 6, 68, 78)};
    ImageEntry landscape = patch(WORLD_WIDTH, WORLD_HEIGHT, 0, 0);
    FortressProbes probes{&top, {&ground[0], &ground[1], &ground[2], &ground[3]}};

    // Standing (two ground probes touch at y + 44), not buried (top probe at y + 2), inside
    // 40..1415, 80 apart in x and 1000 / players apart (truncated distance of truncated places).
    void expectValid(const FortressPlacement& p, int players) {
        for (int i = 0; i < players; ++i) {
            const FortressSpot& s = p.spots[i];
            auto touches = [&](const ImageEntry& probe, int dy) {
                return ImagesOverlap(probe, static_cast<int>(s.x), static_cast<int>(s.y) + dy, landscape, 0, 0);
            };
            int standing = 0;
            for (const ImageEntry& g : ground) standing += touches(g, 44);
            EXPECT_TRUE(standing >= 2 && !touches(top, 2) && s.x >= 40.0f && s.x <= 1415.0f) << i << ": " << s.x;
            for (int j = 0; j < i; ++j) {
                const FortressSpot& o = p.spots[j];
                EXPECT_GE(std::fabs(s.x - o.x), 80.0f) << i << " " << j;
                const double dx = static_cast<int>(s.x) - static_cast<int>(o.x);
                const double dy = static_cast<int>(s.y) - static_cast<int>(o.y);
                EXPECT_GE(static_cast<int>(std::sqrt(dx * dx + dy * dy)), 1000 / players) << i << " " << j;
            }
        }
    }
};

TEST_F(Placement, TwoToFivePlayersKeepTheirDistances) {
    for (int x = 0; x < WORLD_WIDTH; ++x)  // gently rolling ground between rows 440 and 560
        for (int y = 500 + int(60 * std::sin(x / 200.0)); y < WORLD_HEIGHT; ++y) landscape.surface->row(y)[x] = SOLID;
    for (int players = 2; players <= MAX_PLAYERS; ++players)
        for (std::uint32_t seed = 1; seed <= 5; ++seed) {
            setGameRandState(seed * 7919u);
            const FortressPlacement p = searchFortressSpots(landscape, probes, players);
            EXPECT_FALSE(p.usedFallback);
            expectValid(p, players);
        }
    const FortressPlacement scanned = searchFortressSpots(landscape, probes, 5, 0);  // the fallback scan alone
    EXPECT_TRUE(scanned.usedFallback);
    expectValid(scanned, 5);
}

TEST_F(Placement, RandomSpotsFollowTheGamesFormula) {
    // The first try stands where x was drawn, settled down in steps of 10 from y, on flat ground
    // under its two left probes only: two touching is standing.
    std::uint32_t seed = 1;
    int rx = 0, ry = 0;
    do setGameRandState(++seed), rx = gameRand(), ry = gameRand();
    while (ry > 16000);  // a state whose first spot starts above the ground
    const float x = 40 + static_cast<float>(rx * 1375) * 3.051851e-05f;
    for (int y = 600; y < WORLD_HEIGHT; ++y) std::fill_n(landscape.surface->row(y), static_cast<int>(x) + 35, SOLID);
    setGameRandState(seed);
    const FortressPlacement p = searchFortressSpots(landscape, probes, 2);
    EXPECT_EQ(p.attempts[0], 1);
    EXPECT_EQ(p.spots[0].x, x);
    float y = 10 + static_cast<float>(ry * 680) * 3.051851e-05f;
    while (static_cast<int>(y) + 44 + 6 <= 600) y += 10;
    EXPECT_EQ(p.spots[0].y, y);
}

TEST_F(Placement, WithNoSpotEveryFortressIsStillPlaced) {
    // Nothing to stand on: spread evenly across the top of the world after the given tries.
    FortressPlacement p = searchFortressSpots(landscape, probes, 5, 50);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(p.usedFallback && p.attempts[i] == 50 && p.spots[i].x == 40 + 343.75f * i && p.spots[i].y == 10) << i;
    // A solid world (the zero level record): every try is buried at once; 500 tries end it.
    std::fill(landscape.surface->pixels.begin(), landscape.surface->pixels.end(), SOLID);
    p = searchFortressSpots(landscape, probes, 3);
    EXPECT_TRUE(p.usedFallback && p.attempts[0] == 500 && p.spots[2].x == 40 + 687.5f * 2) << p.attempts[0];
}

// The generated "level.frc" holds the source table, and every level, with its items and ground
// strip, seats five fortresses well within the bound of tries.
TEST(GameData, LevelFileHoldsTheTableAndEveryLevelSeatsFiveFortresses) {
    if (!std::filesystem::exists(std::filesystem::path(RAMPARO_BUILD_DATA_DIR) / "small.spr"))
        GTEST_SKIP() << "generated data not built";
    TestPlatform platform;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(RAMPARO_BUILD_DATA_DIR);
    pixelFormat = 1;
    loadLevels();
    for (int i = 0; i < LEVEL_COUNT; ++i) ASSERT_TRUE(same(levelRecords.record(i), SHIPPED_LEVELS[i % SHIPPED_LEVEL_COUNT])) << i;
    ASSERT_TRUE(AllocateImageTables());
    LoadGameImages();
    int items = 0;
    for (int i = 0; i < SHIPPED_LEVEL_COUNT; ++i) {
        setGameRandState(1000u + static_cast<std::uint32_t>(i));
        buildLandscape(SHIPPED_LEVELS[i], i % SCENERY_COUNT);
        items += itemSlotCount;
        const FortressPlacement p = searchFortressSpots(raznoe[LANDSCAPE_IMAGE], gameFortressProbes(), MAX_PLAYERS);
        EXPECT_FALSE(p.usedFallback) << "level " << i;
        // Items change the ground a little from what the level search saw: half the bound is the margin.
        for (int attempts : p.attempts) EXPECT_LE(attempts, PLACEMENT_ATTEMPTS / 2) << "level " << i;
    }
    EXPECT_GT(items, SHIPPED_LEVEL_COUNT);  // the scenery items do stand on the levels
    EXPECT_TRUE(platform.errorBoxes.empty());
    std::filesystem::current_path(previous);
}

}  // namespace
