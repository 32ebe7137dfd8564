// The landscape build at a battle's start: the Julia cut (vectorised on two threads against the
// straightforward scalar loop) and the whole buildLandscape, over the shipped levels 0..64.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "app/settings.h"
#include "gfx/images.h"
#include "world/julia_cut.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"

namespace {

const LevelRecord LEVELS[] = {
#include "../data/levels.inc"
};
constexpr int LEVEL_TOTAL = static_cast<int>(sizeof LEVELS / sizeof LEVELS[0]);

Surface solidWorld() {
    Surface s(WORLD_WIDTH, WORLD_HEIGHT);
    std::fill(s.pixels.begin(), s.pixels.end(), 0x7FFF);
    return s;
}

// Runs once per level and iteration; the counter level_median_ms is the median time of one level.
template <typename Build>
void timeEachLevel(benchmark::State& state, Build build) {
    std::vector<double> ms;
    for (auto _ : state) {
        for (int i = 0; i < LEVEL_TOTAL; ++i) {
            const auto start = std::chrono::steady_clock::now();
            build(i);
            ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    }
    std::nth_element(ms.begin(), ms.begin() + static_cast<std::ptrdiff_t>(ms.size() / 2), ms.end());
    state.counters["level_median_ms"] = ms[ms.size() / 2];
}

template <void (*Cut)(Surface&, const LevelRecord&)>
void cutAllLevels(benchmark::State& state) {
    const Surface solid = solidWorld();
    Surface terrain = solid;
    timeEachLevel(state, [&](int i) {
        Cut(terrain, LEVELS[i]);
        benchmark::DoNotOptimize(terrain.pixels.data());
        terrain.pixels = solid.pixels;
    });
}

void BM_CutTerrainScalar(benchmark::State& state) { cutAllLevels<cutTerrainScalar>(state); }
void BM_CutTerrain(benchmark::State& state) { cutAllLevels<cutTerrain>(state); }

// Image tables with stand-in pictures of the catalogue's sizes, enough for buildLandscape.
struct StandInImages {
    std::vector<ImageEntry> r{RAZNOE_SIZE}, s{SPRIT_SIZE}, f{FON_SIZE};

    static void make(ImageEntry& e, int w, int h, std::uint16_t value) {
        e.surface = std::make_unique<Surface>(w, h);
        std::fill(e.surface->pixels.begin(), e.surface->pixels.end(), value);
        e.width = static_cast<std::uint16_t>(w);
        e.height = static_cast<std::uint16_t>(h);
    }

    StandInImages() {
        make(r[LANDSCAPE_IMAGE], WORLD_WIDTH, WORLD_HEIGHT, 0);
        make(r[TERRAIN_IMAGE], WORLD_WIDTH, WORLD_HEIGHT, 0);
        for (int k = 0; k < SCENERY_COUNT; ++k) {
            make(r[142 + k], 128, 128, static_cast<std::uint16_t>(0x4A52 + k));
            make(r[87 + k], 38, 38, 0x2D6B);
        }
        for (int n = 0; n < 4; ++n) {
            make(s[3 * n], 40, 60, 0x3DEF);
            make(s[3 * n + 1], 6, 4, 0x7FFF);
            make(s[3 * n + 2], 6, 4, 0x7FFF);
        }
        for (int k = 0; k < TILE_ROWS * TILE_COLUMNS; ++k) make(f[k], TILE_WIDTH, TILE_HEIGHT, 0);
        raznoe = r.data();
        sprit = s.data();
        fon = f.data();
    }
    ~StandInImages() { raznoe = sprit = fon = nullptr; }
};

void BM_BuildLandscape(benchmark::State& state) {
    pixelFormat = 1;
    StandInImages images;
    timeEachLevel(state, [](int i) { buildLandscape(LEVELS[i], i % SCENERY_COUNT); });
}

}  // namespace

// One iteration handles all 65 levels: its time is the sum over the levels.
BENCHMARK(BM_CutTerrainScalar)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(BM_CutTerrain)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(BM_BuildLandscape)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();

BENCHMARK_MAIN();
