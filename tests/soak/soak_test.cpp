// Long computer-only games, run by the game binary headless: two to five players, as many games of
// each count as it takes to play 13 battles (52 in all), each game with differently timed input so
// that it plays other battles. Meant for
// the ASan + UBSan build (scripts/test soak): no crash, no sanitizer report, no leak, no error box,
// and every battle that starts ends.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "../read_file.h"

namespace fs = std::filesystem;

namespace {

constexpr int BATTLES_PER_COUNT = 13;  // 4 counts x 13 = 52
constexpr int MAX_GAMES_PER_COUNT = 6;
constexpr int FRAMES_PER_GAME = 40000;

// Sets up `players` computer players at 320 x 240 (the smallest screen keeps the sanitized build
// quick) and acknowledges every results screen and shop
// with a click repeated every `period` frames. The menu draws a random number each frame, so the
// time of the first key changes the battles.
std::string computerGame(int players, int startFrame, int period) {
    std::ostringstream script;
    script << startFrame << " key SPACE\n" << startFrame + 30 << " key SPACE\n";
    int frame = startFrame + 70;
    for (int i = 0; i < players; ++i, frame += 50) {
        script << frame << " click 160 150\n";                            // this player: computer
        if (i + 1 < players) script << frame + 20 << " click 250 220\n";  // NEXT OPPONENT
    }
    script << frame << " click 100 220\n";  // PLAY GAME
    script << frame + 300 << "+" << period << " click 160 210\n";
    return script.str();
}

int intField(const std::string& stats, const std::string& name) {
    const std::size_t at = stats.find("\"" + name + "\": ");
    return at == std::string::npos ? -1 : std::atoi(stats.c_str() + at + name.size() + 4);
}

class Soak : public ::testing::TestWithParam<int> {};

TEST_P(Soak, ComputerGamesEndEveryBattleCleanly) {
    const int players = GetParam();
    const fs::path dir = fs::temp_directory_path() / ("ramparo_soak_" + std::to_string(::getpid()) + "_" +
                                                      std::to_string(players));
    fs::create_directories(dir / "data");
    for (const fs::directory_entry& entry : fs::directory_iterator(RAMPARO_BUILD_DATA_DIR)) {
        const std::string ext = entry.path().extension().string();
        if (ext == ".spr" || ext == ".sdf" || ext == ".frc")
            fs::copy_file(entry.path(), dir / "data" / entry.path().filename());
    }
    std::ofstream(dir / "data" / "game.ini", std::ios::binary) << std::string("\x00\x01\x00\x01", 4);

    int battles = 0;
    // Games until enough battles were played, each with its own input timing.
    for (int game = 0; game < MAX_GAMES_PER_COUNT && battles < BATTLES_PER_COUNT; ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        std::ofstream(dir / "soak.txt") << computerGame(players, 30 + 7 * game, 60 + 13 * game);
        // The sanitizers' options are set here so a leak or a report fails the run whoever starts it.
        const std::string command =
            "cd '" + dir.string() + "' && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 " +
            "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 '" RAMPARO_BUILD_DIR "/ramparo' --headless " +
            "--data data --script soak.txt --max-frames " + std::to_string(FRAMES_PER_GAME) +
            " --stats stats.json 2>err.txt";
        const int status = std::system(command.c_str());
        const std::string err = readFile(dir / "err.txt");
        const std::string stats = readFile(dir / "stats.json");
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << err;
        EXPECT_EQ(err, "") << "no error box, no sanitizer report";
        EXPECT_NE(stats.find("\"error_boxes\": [],"), std::string::npos) << stats;
        EXPECT_NE(stats.find("\"exit\": \"max-frames\""), std::string::npos) << stats;
        // Every set-up but the one the run's end may have cut short led to a finished battle.
        const std::size_t list = stats.find("\"setup_ms\": [");
        ASSERT_NE(list, std::string::npos) << stats;
        const std::string setups = stats.substr(list, stats.find(']', list) - list);
        const int started = static_cast<int>(std::count(setups.begin(), setups.end(), '.'));  // one per figure
        const int ended = intField(stats, "battles");
        EXPECT_GE(ended, 1) << stats;
        EXPECT_TRUE(started == ended || started == ended + 1) << stats;
        battles += ended;
    }
    fs::remove_all(dir);
    EXPECT_GE(battles, BATTLES_PER_COUNT);
}

INSTANTIATE_TEST_SUITE_P(Players, Soak, ::testing::Values(2, 3, 4, 5));

}  // namespace
