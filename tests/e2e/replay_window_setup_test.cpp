// The window backend through a battle set-up, in a real window (under xvfb-run; skipped without a
// display), while the session is recorded: the 30 ms timer animates the wait picture on the window
// thread while the game thread builds the battle. The ThreadSanitizer build runs this to prove the
// two threads share nothing unsynchronised (scripts/test tsan).
#include <gtest/gtest.h>
#include <unistd.h>

#include <SDL2/SDL.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "app/main_frame.h"
#include "audio/sound_system.h"
#include "battle/battle.h"
#include "battle/battle_state.h"
#include "core/player.h"
#include "core/settings.h"
#include "gfx/images.h"
#include "platform/backends.h"
#include "screens/screens.h"
#include "world/level_file.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

std::string readText(const fs::path& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Watches the set-up from outside both game threads, as a player would, and closes the window
// once the battle has begun (or after a minute, so a hang fails rather than blocks).
struct SetupWatch {
    std::atomic<bool> started{false};
    std::atomic<bool> finished{false};
    std::set<int> waitImages;  // the animation frames seen during set-up; this thread only
    std::chrono::steady_clock::duration setupTime{};
    std::thread thread;

    void start() {
        thread = std::thread([this] {
            const auto deadline = std::chrono::steady_clock::now() + 60s;
            std::chrono::steady_clock::time_point setupStart;
            while (std::chrono::steady_clock::now() < deadline) {
                const bool inSetup = battleState.setupInProgress.load(std::memory_order_relaxed) == 1;
                if (inSetup) {
                    if (!started) setupStart = std::chrono::steady_clock::now();
                    started = true;
                    waitImages.insert(battleState.waitImage.load(std::memory_order_relaxed));
                } else if (started) {
                    setupTime = std::chrono::steady_clock::now() - setupStart;
                    finished = true;
                    std::this_thread::sleep_for(300ms);  // a few battle frames in the window
                    break;
                }
                std::this_thread::sleep_for(1ms);
            }
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
        });
    }
};

TEST(WindowSetup, BattleSetUpAnimatesTheWaitPictureFromTheTimer) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) GTEST_SKIP() << "no display";
    const fs::path previous = fs::current_path();
    const fs::path dir = fs::temp_directory_path() / ("ramparo_window_setup_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    for (const fs::directory_entry& entry : fs::directory_iterator(RAMPARO_BUILD_DATA_DIR)) {
        const std::string ext = entry.path().extension().string();
        if (ext == ".spr" || ext == ".sdf" || ext == ".frc")
            fs::copy_file(entry.path(), dir / entry.path().filename(), fs::copy_options::overwrite_existing);
    }
    {
        std::ofstream ini(dir / "game.ini", std::ios::binary);
        ini.put(1).put(0).put(0).put(1);  // 640 x 480, waits for the vertical blank, weather on
    }
    fs::current_path(dir);

    platform::BackendOptions options;
    options.windowed = true;
    options.recordFile = (dir / "session.txt").string();
    std::string error;
    std::unique_ptr<platform::Platform> backend = platform::createSdlPlatform(options, &error);
    ASSERT_TRUE(backend) << error;
    platform::set(backend.get());
    soundSystem.attach(backend->audio());
    SetupWatch watch;
    int status = -1;
    bool battleRan = false;
    {
        CMainFrame frame;
        ASSERT_TRUE(frame.initialised());
        gameWindow = &frame;
        watch.start();
        status = backend->run([&] {
            LoadGameImages();
            soundSystem.LoadSoundBank("sound.sdf", 11);
            loadLevels();
            numPlayers = 2;
            players[0].name = "NONAME 01";
            players[1].name = "NONAME 02";
            battleRan = true;
            Battle battle;
            runBattle(battle);  // ends when the window closes
        });
        watch.thread.join();
        gameWindow = nullptr;
    }
    platform::set(nullptr);
    backend.reset();
    fs::current_path(previous);
    const std::string recorded = readText(dir / "session.txt");
    fs::remove_all(dir);

    EXPECT_EQ(status, 0);
    EXPECT_TRUE(battleRan);
    EXPECT_TRUE(watch.started) << "the set-up showed the wait picture";
    EXPECT_TRUE(watch.finished) << "the set-up ended and the battle began";
    EXPECT_FALSE(watch.waitImages.empty());
    // The picture moves on every third 30 ms tick: a set-up that long (a sanitized build) shows it move.
    if (watch.setupTime > 250ms) {
        EXPECT_GE(watch.waitImages.size(), 2u) << "the timer animated the wait picture";
    }
    // Closing the window is the session's last input.
    EXPECT_NE(recorded.find(" quit\n"), std::string::npos) << recorded;
}

}  // namespace
