#include "battle/placement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "core/random.h"
#include "gfx/overlap.h"
#include "world/world.h"
#include "world_images.h"

namespace {

constexpr std::uint16_t SOLID = 0x7FFF;

ImageEntry patch(int width, int height, int left, int right) {
    ImageEntry e;
    WorldImages::make(e, width, height, 0);
    for (int y = 0; y < height; ++y) std::fill(e.surface->row(y) + left, e.surface->row(y) + right, SOLID);
    return e;
}

struct Placement : ::testing::Test {
    ImageEntry top = patch(80, 30, 0, 80);
    ImageEntry ground[4] = {patch(80, 6, 2, 12), patch(80, 6, 24, 34), patch(80, 6, 46, 56), patch(80, 6, 68, 78)};
    ImageEntry landscape;

    void SetUp() override { WorldImages::make(landscape, WORLD_WIDTH, WORLD_HEIGHT, 0); }

    FortressProbes probes() const {
        FortressProbes p;
        p.top = &top;
        for (int k = 0; k < 4; ++k) p.ground[k] = &ground[k];
        return p;
    }

    void hills() {
        // Gently rolling ground between rows 440 and 560.
        for (int x = 0; x < WORLD_WIDTH; ++x) {
            const int surface = 500 + static_cast<int>(60 * std::sin(x / 200.0));
            for (int y = surface; y < WORLD_HEIGHT; ++y) landscape.surface->row(y)[x] = SOLID;
        }
    }

    bool touches(const ImageEntry& probe, const FortressSpot& s, int dy) const {
        return ImagesOverlap(probe, static_cast<int>(s.x), static_cast<int>(s.y) + dy, landscape, 0, 0);
    }

    // Standing (two ground probes touch), not buried, and apart from every other fortress.
    void expectValid(const FortressPlacement& p, int players) {
        for (int i = 0; i < players; ++i) {
            const FortressSpot& s = p.spots[i];
            int touching = 0;
            for (const ImageEntry& g : ground) touching += touches(g, s, 44);
            EXPECT_GE(touching, 2) << i;
            EXPECT_FALSE(touches(top, s, 2)) << i;
            EXPECT_GE(s.x, 40.0f);
            EXPECT_LE(s.x, 1415.0f);
            EXPECT_NE(static_cast<int>(s.y), 0);
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

}  // namespace

TEST_F(Placement, TwoToFivePlayersKeepTheirDistances) {
    hills();
    for (int players = 2; players <= MAX_PLAYERS; ++players) {
        for (std::uint32_t seed = 1; seed <= 5; ++seed) {
            setGameRandState(seed * 7919u);
            const FortressPlacement p = searchFortressSpots(landscape, probes(), players);
            EXPECT_FALSE(p.usedFallback);
            expectValid(p, players);
        }
    }
}

TEST_F(Placement, SameGeneratorStateSamePlaces) {
    hills();
    setGameRandState(12345);
    const FortressPlacement a = searchFortressSpots(landscape, probes(), 4);
    const std::uint32_t after = gameRandState();
    setGameRandState(12345);
    const FortressPlacement b = searchFortressSpots(landscape, probes(), 4);
    EXPECT_EQ(gameRandState(), after);
    EXPECT_NE(after, 12345u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(a.spots[i].x, b.spots[i].x);
        EXPECT_EQ(a.spots[i].y, b.spots[i].y);
    }
}

TEST_F(Placement, RandomSpotsFollowTheGamesFormula) {
    // Flat ground: the first try of the first fortress stands where x was drawn, settled down in
    // steps of 10 from y.
    for (int y = 600; y < WORLD_HEIGHT; ++y) std::fill_n(landscape.surface->row(y), WORLD_WIDTH, SOLID);
    std::uint32_t seed = 1;
    int rx = 0, ry = 0;
    do {  // a state whose first spot starts above the ground
        setGameRandState(++seed);
        rx = gameRand();
        ry = gameRand();
    } while (ry > 16000);
    setGameRandState(seed);
    const FortressPlacement p = searchFortressSpots(landscape, probes(), 2);
    EXPECT_EQ(p.attempts[0], 1);
    EXPECT_EQ(p.spots[0].x, 40 + static_cast<float>(rx * 1375) * 3.051851e-05f);
    float y = 10 + static_cast<float>(ry * 680) * 3.051851e-05f;
    while (static_cast<int>(y) + 44 + 6 <= 600) y += 10;
    EXPECT_EQ(p.spots[0].y, y);
}

TEST_F(Placement, FallbackScanKeepsTheRulesWhenItCan) {
    hills();
    const FortressPlacement p = searchFortressSpots(landscape, probes(), 5, 0);
    EXPECT_TRUE(p.usedFallback);
    expectValid(p, 5);
}

TEST_F(Placement, NowhereToStandStillPlacesEveryFortress) {
    const FortressPlacement p = searchFortressSpots(landscape, probes(), 5, 50);
    EXPECT_TRUE(p.usedFallback);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(p.attempts[i], 50);
        EXPECT_EQ(static_cast<int>(p.spots[i].y), 10);
        if (i > 0) {
            EXPECT_GT(p.spots[i].x - p.spots[i - 1].x, 300.0f);
        }
    }
    EXPECT_GE(p.spots[4].x, 1400.0f);
}

TEST_F(Placement, BuriedEverywhereEndsQuickly) {
    // A solid world (a zero level record): every try is buried at once; the default bound ends it.
    std::fill(landscape.surface->pixels.begin(), landscape.surface->pixels.end(), SOLID);
    const FortressPlacement p = searchFortressSpots(landscape, probes(), 3);
    EXPECT_TRUE(p.usedFallback);
    EXPECT_EQ(p.attempts[0], PLACEMENT_ATTEMPTS);
    EXPECT_NE(static_cast<int>(p.spots[2].y), 0);
}
