// The computer player's search: one searchShots step (75 trial shots at one launch speed) for
// each weapon, over five hilly landscapes with four fortresses, every shooter and every speed the
// weapon's search tries. Reported per step: median and 99th percentile of the wall time.
#include "battle/computer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

#include "app/settings.h"
#include "battle/player.h"
#include "gfx/images.h"
#include "battle/random.h"
#include "world/world.h"
#include "weapons/weapon_specs.h"

namespace {

constexpr int LEVELS = 5;
constexpr int FORTRESSES = 4;
constexpr int FORTRESS_WIDTH = 80;
constexpr int FORTRESS_HEIGHT = 50;

struct Level {
    std::unique_ptr<Surface> land;
    float fortressX[FORTRESSES];
    float fortressY[FORTRESSES];
};

int groundTop(int level, int x) {
    const double phase = level * 1.7;
    const double h = 520 + 110 * std::sin(x / 170.0 + phase) + 45 * std::sin(x / 41.0 + 2 * phase) +
                     level * 12 * std::sin(x / 13.0);
    return std::clamp(static_cast<int>(h), 200, WORLD_HEIGHT - 20);
}

// Hills with an overhanging ledge, as Julia-set levels have.
Level makeLevel(int level) {
    Level l;
    l.land = std::make_unique<Surface>(WORLD_WIDTH, WORLD_HEIGHT);
    for (int x = 0; x < WORLD_WIDTH; ++x)
        for (int y = groundTop(level, x); y < WORLD_HEIGHT; ++y) l.land->row(y)[x] = 0x4208;
    const int ledgeX = 300 + level * 180;
    for (int y = 250; y < 280; ++y)
        for (int x = ledgeX; x < ledgeX + 200; ++x) l.land->row(y)[x] = 0x4208;
    for (int q = 0; q < FORTRESSES; ++q) {
        const int x = 100 + q * 380 + level * 20;
        l.fortressX[q] = static_cast<float>(x);
        l.fortressY[q] = static_cast<float>(groundTop(level, x + 40) - FORTRESS_HEIGHT);
    }
    return l;
}

void useLevel(Level& level) {
    ImageEntry& entry = raznoe[LANDSCAPE_IMAGE];
    entry.surface = std::make_unique<Surface>(*level.land);
    entry.width = WORLD_WIDTH;
    entry.height = WORLD_HEIGHT;
    for (int q = 0; q < FORTRESSES; ++q) {
        players[q] = Player{};
        players[q].x = level.fortressX[q];
        players[q].y = level.fortressY[q];
    }
}

void BM_SearchStep(benchmark::State& state) {
    const int weapon = static_cast<int>(state.range(0));
    if (!raznoe) AllocateImageTables();
    for (int q = 0; q < FORTRESSES; ++q) {
        ImageEntry& fortress = raznoe[9 + q];
        fortress.surface = std::make_unique<Surface>(FORTRESS_WIDTH, FORTRESS_HEIGHT);
        std::fill(fortress.surface->pixels.begin(), fortress.surface->pixels.end(), 0x7C00);
        fortress.width = FORTRESS_WIDTH;
        fortress.height = FORTRESS_HEIGHT;
    }
    std::vector<Level> levels;
    for (int i = 0; i < LEVELS; ++i) levels.push_back(makeLevel(i));
    numPlayers = FORTRESSES;
    selectedWeapon = static_cast<std::int16_t>(weapon);
    const int firstSpeed = weapon == 3 || weapon == 5 ? 7 : 4;
    const int lastSpeed = std::max(firstSpeed, static_cast<int>(weaponSpecs[weapon + 1].maxSpeed));

    std::vector<double> micros;
    int level = 0;
    int shooter = 0;
    int speed = firstSpeed;
    useLevel(levels[0]);
    for (auto _ : state) {
        currentPlayer = static_cast<std::uint16_t>(shooter);
        const auto start = std::chrono::steady_clock::now();
        searchShots(speed);
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        if (++speed > lastSpeed) {
            speed = firstSpeed;
            resetComputerSearch();
            if (++shooter == FORTRESSES) {
                shooter = 0;
                level = (level + 1) % LEVELS;
                state.PauseTiming();
                useLevel(levels[static_cast<std::size_t>(level)]);
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
