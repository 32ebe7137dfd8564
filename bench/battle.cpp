// One battle frame (the whole loop body: logic and drawBattleScene) with five fortresses, rain and
// weather.clouds, at 640 x 480 and 1024 x 768, against memcpy of one full frame in the same run. Each
// iteration is one frame; the median and 99th percentile of the frames' processor time are
// reported as counters (milliseconds).
#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "audio/sound_system.h"
#include "battle/battle.h"
#include "battle/battle_loop.h"
#include "battle/battle_state.h"
#include "battle/placement.h"
#include "battle/weather.h"
#include "core/player.h"
#include "core/random.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/images.h"
#include "gfx/text.h"
#include "platform/backends.h"
#include "platform/font.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"

namespace {

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p / 100.0 * static_cast<double>(values.size() - 1))];
}

std::unique_ptr<platform::Platform> machine;

// The game as start-up leaves it, in the given screen mode; once per process.
void startGame(int mode) {
    static bool started = false;
    static constexpr int sizes[4][2] = {{320, 240}, {640, 480}, {800, 600}, {1024, 768}};
    if (!started) {
        std::string error;
        machine = platform::createHeadlessPlatform({}, &error);
        platform::set(machine.get());
        soundSystem.attach(machine->audio());
        pixelFormat = 2;
        if (chdir(RAMPARO_BUILD_DATA_DIR) != 0) return;
        AllocateImageTables();
        LoadStartupImages();
        LoadGameImages();
        soundSystem.LoadSoundBank("sound.sdf", 11);
        loadLevels();
        started = true;
    }
    gameConfig.screenMode = static_cast<std::uint8_t>(mode);
    gameConfig.skipVblankWait = 1;
    gameConfig.weatherEnabled = 1;
    screenWidth = static_cast<std::uint16_t>(sizes[mode][0]);
    screenHeight = static_cast<std::uint16_t>(sizes[mode][1]);
    InitDisplay();
    static constexpr int heights[4] = {12, 18, 23, 30};
    fontHeight = heights[mode];
    machine->font().open(fontHeight);
}

// A battle of five with rain and clouds already under way.
void setUpStormyBattle(Battle& battle) {
    numPlayers = 5;
    for (int i = 0; i < MAX_PLAYERS; ++i) {
        players[i].name = "NONAME 0" + std::to_string(i + 1);
        players[i].colour = static_cast<std::int16_t>(i);
        players[i].ammo[0] = UNLIMITED_AMMO;
        players[i].ammo[2] = 3;
    }
    setUpBattle(battle);
    Weather& weather = battle.weather;
    weather.precipitation = 1;
    weather.cloudType = 1;
    weather.windDirection = 1;
    for (int i = 0; i < MAX_CLOUDS; ++i)
        weather.clouds[i] = {100.0f + 140.0f * i, 20.0f * i, 1, 1, static_cast<std::int16_t>(i), 0.3f};
    for (int f = 0; f < 200; ++f) battleFrame(battle);
}

void BM_BattleFrame(benchmark::State& state) {
    startGame(static_cast<int>(state.range(0)));
    Battle battle;
    setUpStormyBattle(battle);
    std::vector<double> frameMs;
    frameMs.reserve(1 << 16);
    for (auto _ : state) {
        battleState.battleTimeLeft = BATTLE_TIME;
        const double start = threadCpuMs();
        battleFrame(battle);
        frameMs.push_back(threadCpuMs() - start);
    }
    state.counters["median_ms"] = percentile(frameMs, 50);
    state.counters["p99_ms"] = percentile(frameMs, 99);
}
BENCHMARK(BM_BattleFrame)->Arg(1)->Arg(3)->Iterations(3000)->Unit(benchmark::kMicrosecond);

void BM_MemcpyFrame(benchmark::State& state) {
    const std::size_t pixels = state.range(0) == 1 ? 640 * 480 : 1024 * 768;
    std::vector<std::uint16_t> from(pixels, 0x1234);
    std::vector<std::uint16_t> to(pixels);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), pixels * sizeof(std::uint16_t));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyFrame)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
