// ramparo_levelsearch: finds Julia-set parameters for the 65 battlefields of "level.frc" and
// writes them as the source table data/levels.inc. Not run by the build: run it by hand when the
// levels or their criteria change, then commit the table.
//
//   ramparo_levelsearch [--out FILE] [--seed N]
//
// Candidates are drawn at random, screened on a coarse grid of the same per-pixel test, then cut
// in full and measured (world/level_quality.h). A level is taken when it is good, when its shape
// kind still has room in the quota, and when it differs enough from every level taken before.
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "levels/level_quality.h"
#include "world/julia_cut.h"
#include "world/world.h"

namespace {

constexpr int LEVELS = 65;
constexpr int SHAPES = 4;
constexpr int SHAPE_QUOTA = (LEVELS + SHAPES - 1) / SHAPES;
constexpr int PREVIEW_STEP = 8;
constexpr int PREVIEW_WIDTH = WORLD_WIDTH / PREVIEW_STEP;
constexpr int PREVIEW_HEIGHT = WORLD_HEIGHT / PREVIEW_STEP;
constexpr double MIN_DIFFERENCE = 0.12;  // share of preview pixels two levels must differ in
constexpr int PLACEMENT_SEEDS = 8;
// Candidates without a find after which the shape quotas are lifted: a rare kind must not stall the search.
constexpr long QUOTA_PATIENCE = 40000;

using Preview = std::vector<std::uint8_t>;

// The level's test on every PREVIEW_STEP-th pixel: the same arithmetic as the full cut.
Preview preview(const LevelRecord& level) {
    const JuliaCut cut = prepareJuliaCut(level);
    Preview p(static_cast<std::size_t>(PREVIEW_WIDTH) * PREVIEW_HEIGHT);
    for (int y = 0; y < PREVIEW_HEIGHT; ++y)
        for (int x = 0; x < PREVIEW_WIDTH; ++x)
            p[static_cast<std::size_t>(y) * PREVIEW_WIDTH + x] =
                juliaInside(cut, x * PREVIEW_STEP + PREVIEW_STEP / 2, y * PREVIEW_STEP + PREVIEW_STEP / 2);
    return p;
}

bool promising(const Preview& p) {
    std::size_t ground = 0, skyBand = 0;
    for (std::size_t i = 0; i < p.size(); ++i) ground += p[i];
    for (std::size_t i = 0; i < static_cast<std::size_t>(PREVIEW_WIDTH) * (SKY_BAND_ROWS / PREVIEW_STEP); ++i)
        skyBand += p[i];
    const double share = static_cast<double>(ground) / static_cast<double>(p.size());
    return share > 0.3 && share < 0.7 && skyBand == 0;
}

double difference(const Preview& a, const Preview& b) {
    std::size_t differ = 0;
    for (std::size_t i = 0; i < a.size(); ++i) differ += a[i] != b[i];
    return static_cast<double>(differ) / static_cast<double>(a.size());
}

// A world window over part of a filled Julia set with the set's upper edge as the skyline: about
// square pixels (stretched a little either way), sometimes mirrored, sometimes upside down. The
// window's top is fitted to the set so that the skyline falls between a sixth and a half of the
// world's height, leaving the sky above open.
LevelRecord randomCandidate(std::mt19937& rng) {
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    LevelRecord r;
    const double angle = uniform(0, 2 * M_PI);
    const double radius = std::sqrt(uniform(0, 1)) * 1.1;
    r.cRe = static_cast<float>(radius * std::cos(angle) - 0.2);
    r.cIm = static_cast<float>(radius * std::sin(angle));
    r.maxIter = static_cast<std::uint16_t>(std::uniform_int_distribution<int>(4, 36)(rng));
    const double width = uniform(1.6, 5.0);
    const double height = width / 2 * uniform(0.6, 1.8);
    const double centreX = uniform(-0.8, 0.8);
    double x0 = centreX - width / 2, x1 = centreX + width / 2;
    if (rng() % 2) std::swap(x0, x1);
    const bool upsideDown = rng() % 2;

    // The highest (or, upside down, lowest) point of the set across the window.
    constexpr double REACH = 3.0;
    LevelRecord tall = r;
    tall.xMin = static_cast<float>(x0);
    tall.xMax = static_cast<float>(x1);
    tall.yMin = static_cast<float>(upsideDown ? REACH : -REACH);
    tall.yMax = static_cast<float>(upsideDown ? -REACH : REACH);
    const Preview p = preview(tall);
    int edgeRow = PREVIEW_HEIGHT;
    for (std::size_t i = 0; i < p.size() && edgeRow == PREVIEW_HEIGHT; ++i)
        if (p[i]) edgeRow = static_cast<int>(i / PREVIEW_WIDTH);
    if (edgeRow == PREVIEW_HEIGHT) return tall;  // nothing there: the screen rejects it
    const double edge = tall.yMin + (tall.yMax - tall.yMin) * (edgeRow * PREVIEW_STEP) / (WORLD_HEIGHT - 1);
    const double skyline = uniform(1.0 / 6, 0.5) * height;
    const double y0 = upsideDown ? edge + skyline : edge - skyline;
    r.xMin = tall.xMin;
    r.xMax = tall.xMax;
    r.yMin = static_cast<float>(y0);
    r.yMax = static_cast<float>(upsideDown ? y0 - height : y0 + height);
    return r;
}

struct Found {
    LevelRecord level;
    LevelQuality quality;
};

void writeTable(const std::vector<Found>& found, std::FILE* out) {
    std::fprintf(out,
                 "// The battlefields of \"level.frc\", records 0..64, as found by ramparo_levelsearch.\n"
                 "// xMin, yMin, xMax, yMax, cRe, cIm, maxIter; then the level's measures.\n");
    for (const Found& f : found) {
        const LevelRecord& r = f.level;
        const LevelQuality& q = f.quality;
        std::fprintf(out, "{%.9gf, %.9gf, %.9gf, %.9gf, %.9gf, %.9gf, %u},  // %s, ground %.2f, slivers %.4f\n",
                     r.xMin, r.yMin, r.xMax, r.yMax, r.cRe, r.cIm, r.maxIter, shapeName(shapeOf(q)), q.ground,
                     q.slivers);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string outPath;
    unsigned seed = 1;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--out") && i + 1 < argc) {
            outPath = argv[++i];
        } else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc) {
            seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else {
            std::fprintf(stderr, "usage: ramparo_levelsearch [--out FILE] [--seed N]\n");
            return 2;
        }
    }
    std::mt19937 rng(seed);
    std::vector<Found> found;
    std::vector<Preview> previews;
    std::array<int, SHAPES> perShape{};
    long candidates = 0, measured = 0, sinceFind = 0;
    while (static_cast<int>(found.size()) < LEVELS) {
        ++candidates;
        ++sinceFind;
        const LevelRecord level = randomCandidate(rng);
        const Preview p = preview(level);
        if (!promising(p)) continue;
        bool distinct = true;
        for (const Preview& other : previews) distinct = distinct && difference(p, other) >= MIN_DIFFERENCE;
        if (!distinct) continue;
        ++measured;
        const LevelQuality q = measureLevel(level, PLACEMENT_SEEDS);
        if (!isGoodBattlefield(q)) continue;
        const int shape = static_cast<int>(shapeOf(q));
        if (perShape[static_cast<std::size_t>(shape)] >= SHAPE_QUOTA && sinceFind < QUOTA_PATIENCE) continue;
        ++perShape[static_cast<std::size_t>(shape)];
        sinceFind = 0;
        found.push_back({level, q});
        previews.push_back(p);
        if (!outPath.empty()) {  // progress on disk, so an interrupted search leaves what it found
            if (std::FILE* partial = std::fopen(outPath.c_str(), "w")) {
                writeTable(found, partial);
                std::fclose(partial);
            }
        }
        std::fprintf(stderr, "%2zu: %-9s ground %.2f slivers %.4f attempts %3d  (%ld candidates, %ld measured)\n",
                     found.size() - 1, shapeName(shapeOf(q)), q.ground, q.slivers, q.placementAttempts, candidates,
                     measured);
    }
    if (outPath.empty()) writeTable(found, stdout);
    return 0;
}
