// The landscape build at a battle's start: the Julia cut (vectorised on two threads against the
// straightforward scalar loop) and the whole buildLandscape, over the shipped levels 0..64.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/settings.h"
#include "gfx/images.h"
#include "platform/backends.h"
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

// The landscape build with the game's own pictures (the generated data of the build tree) on the
// headless backend: texture, cut, outline, items (their sprite file loaded every time, as in a
// battle), ground strip and tiles.
void BM_BuildLandscape(benchmark::State& state) {
    platform::BackendOptions options;
    options.pixelFormat = 1;
    std::string error;
    const std::unique_ptr<platform::Platform> backend = platform::createHeadlessPlatform(options, &error);
    const std::filesystem::path previous = std::filesystem::current_path();
    if (!backend || !std::filesystem::exists(std::filesystem::path(RAMPARO_BUILD_DATA_DIR) / "small.spr")) {
        state.SkipWithError("no headless backend or no generated data");
        return;
    }
    platform::set(backend.get());
    std::filesystem::current_path(RAMPARO_BUILD_DATA_DIR);
    pixelFormat = 1;
    if (AllocateImageTables()) {
        LoadGameImages();
        timeEachLevel(state, [](int i) { buildLandscape(LEVELS[i], i % SCENERY_COUNT); });
    }
    std::filesystem::current_path(previous);
    platform::set(nullptr);
}

}  // namespace

// One iteration handles all 65 levels: its time is the sum over the levels.
BENCHMARK(BM_CutTerrainScalar)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(BM_CutTerrain)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(BM_BuildLandscape)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();

BENCHMARK_MAIN();
