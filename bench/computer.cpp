// The computer player's search: one searchShots step (75 trial shots at one launch speed) for
// each weapon, over five shipped levels (hills, overhangs, islands, two canyons) built with the
// game's own pictures, four fortresses placed by the game's placement search, every shooter and
// every speed the weapon's search tries. Reported per step: median and 99th percentile of the
// wall time.
#include "battle/computer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "battle/placement.h"
#include "core/player.h"
#include "core/settings.h"
#include "gfx/images.h"
#include "platform/backends.h"
#include "weapons/weapon_specs.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"

namespace {

const LevelRecord SHIPPED[] = {
#include "../data/levels.inc"
};
constexpr int CHOSEN[] = {0, 16, 23, 39, 45};  // hills, overhangs, islands, canyon, canyon
constexpr int FORTRESSES = 4;

struct Level {
    std::unique_ptr<Surface> land;
    FortressPlacement placement;
};

// The shipped level as a battle starts it; needs the game's pictures loaded.
Level makeLevel(int index) {
    buildLandscape(SHIPPED[index], index % SCENERY_COUNT);
    const ImageEntry& landscape = raznoe[LANDSCAPE_IMAGE];
    return Level{std::make_unique<Surface>(*landscape.surface),
                 searchFortressSpots(landscape, gameFortressProbes(), FORTRESSES)};
}

void useLevel(const Level& level) {
    ImageEntry& entry = raznoe[LANDSCAPE_IMAGE];
    entry.surface = std::make_unique<Surface>(*level.land);
    entry.width = WORLD_WIDTH;
    entry.height = WORLD_HEIGHT;
    for (int q = 0; q < FORTRESSES; ++q) {
        players[q] = Player{};
        players[q].x = level.placement.spots[q].x;
        players[q].y = level.placement.spots[q].y;
    }
}

// The generated data of the build tree on the headless backend, loaded once for every weapon.
const std::vector<Level>* gameLevels() {
    static std::unique_ptr<platform::Platform> backend;
    static std::vector<Level> levels;
    if (backend) return &levels;
    platform::BackendOptions options;
    options.pixelFormat = 1;
    std::string error;
    backend = platform::createHeadlessPlatform(options, &error);
    if (!backend || !std::filesystem::exists(std::filesystem::path(RAMPARO_BUILD_DATA_DIR) / "small.spr"))
        return nullptr;
    platform::set(backend.get());
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(RAMPARO_BUILD_DATA_DIR);
    pixelFormat = 1;
    if (AllocateImageTables()) {
        LoadGameImages();
        for (int index : CHOSEN) levels.push_back(makeLevel(index));
    }
    std::filesystem::current_path(previous);
    return levels.empty() ? nullptr : &levels;
}

void BM_SearchStep(benchmark::State& state) {
    const int weapon = static_cast<int>(state.range(0));
    const std::vector<Level>* levels = gameLevels();
    if (!levels) {
        state.SkipWithError("no headless backend or no generated data");
        return;
    }
    numPlayers = FORTRESSES;
    selectedWeapon = static_cast<std::int16_t>(weapon);
    const int firstSpeed = weapon == 3 || weapon == 5 ? 7 : 4;
    const int lastSpeed = std::max(firstSpeed, static_cast<int>(weaponSpecs[weapon + 1].maxSpeed));

    std::vector<double> micros;
    std::size_t level = 0;
    int shooter = 0;
    int speed = firstSpeed;
    useLevel((*levels)[0]);
    ComputerSearch search;
    for (auto _ : state) {
        currentPlayer = static_cast<std::uint16_t>(shooter);
        const auto start = std::chrono::steady_clock::now();
        search.searchShots(speed);
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        if (++speed > lastSpeed) {
            speed = firstSpeed;
            search.resetComputerSearch();
            if (++shooter == FORTRESSES) {
                shooter = 0;
                level = (level + 1) % levels->size();
                state.PauseTiming();
                useLevel((*levels)[level]);
                state.ResumeTiming();
            }
        }
    }
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) { return micros[static_cast<std::size_t>(q * (micros.size() - 1))]; };
    state.counters["median_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
}
BENCHMARK(BM_SearchStep)->DenseRange(0, 9)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
