// A whole battle between two players, played headless in this process to its end by time.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/main_frame.h"
#include "app/settings.h"
#include "audio/sound_system.h"
#include "battle/battle_state.h"
#include "battle/placement.h"
#include "battle/random.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"
#include "battle/player.h"
#include "gfx/images.h"
#include "platform/backends.h"

namespace fs = std::filesystem;

namespace {

std::string readText(const fs::path& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(BattleRun, TwoPlayersFightUntilTheTimeRunsOut) {
    const fs::path previous = fs::current_path();
    const fs::path dir = fs::temp_directory_path() / ("ramparo_battle_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    for (const fs::directory_entry& entry : fs::directory_iterator(RAMPARO_BUILD_DATA_DIR)) {
        const std::string ext = entry.path().extension().string();
        if (ext == ".spr" || ext == ".sdf" || ext == ".frc")
            fs::copy_file(entry.path(), dir / entry.path().filename(), fs::copy_options::overwrite_existing);
    }
    {
        std::ofstream ini(dir / "game.ini", std::ios::binary);
        ini.put(0).put(1).put(0).put(1);  // 320 x 240, no vertical-blank wait, weather on
    }
    // The battle takes 8000 ticks of three frames; Esc and Yes in the next battle leave.
    std::ofstream(dir / "play.txt") << "24300 key ESCAPE\n24310 key Y\n";
    fs::current_path(dir);

    platform::BackendOptions options;
    options.scriptFile = (dir / "play.txt").string();
    options.statsFile = (dir / "stats.json").string();
    options.maxFrames = 30000;
    std::string error;
    std::unique_ptr<platform::Platform> backend = platform::createHeadlessPlatform(options, &error);
    ASSERT_TRUE(backend) << error;
    platform::set(backend.get());
    soundSystem.attach(backend->audio());
    int result = 0;
    {
        CMainFrame frame;
        ASSERT_TRUE(frame.initialised());
        gameWindow = &frame;
        backend->run([&] {
            LoadGameImages();
            soundSystem.LoadSoundBank("sound.sdf", 11);
            loadLevels();
            numPlayers = 2;
            players[0].name = "NONAME 01";
            players[1].name = "NONAME 02";
            result = runBattle();
        });
        gameWindow = nullptr;
    }
    platform::set(nullptr);
    fs::current_path(previous);

    const std::string stats = readText(dir / "stats.json");
    fs::remove_all(dir);
    EXPECT_EQ(result, 1);
    EXPECT_NE(stats.find("\"battles\": 1,"), std::string::npos) << stats;
    EXPECT_NE(stats.find("\"error_boxes\": []"), std::string::npos) << stats;
    EXPECT_NE(stats.find("\"exit\": \"game-exit\""), std::string::npos) << stats;
    // Two set-ups timed: the battle played and the one left with Esc.
    const std::size_t setups = stats.find("\"setup_ms\": [");
    ASSERT_NE(setups, std::string::npos) << stats;
    const std::string list = stats.substr(setups, stats.find(']', setups) - setups);
    EXPECT_EQ(std::count(list.begin(), list.end(), ','), 1) << list;
    // Nobody was hit: no survivor's award at the end of time.
    EXPECT_EQ(players[0].wins, 0);
    EXPECT_EQ(players[1].wins, 0);
}

}  // namespace
