// Long computer-only games, run by the game binary headless: two to five players, as many games of
// each count as it takes to play 13 battles (52 in all), each game with differently timed input so
// that it plays other battles. Meant for the ASan + UBSan build (scripts/test soak): no crash, no
// sanitizer report, no leak, no error box, and every battle that starts ends.
#include "e2e/game_binary.h"

using namespace e2e;

namespace {

constexpr int BATTLES_PER_COUNT = 13;  // 4 counts x 13 = 52

// Sets up `players` computer players at 320 x 240 (the smallest screen keeps the sanitized build
// quick) and acknowledges every results screen and shop with a click repeated every `period`
// frames. The menu draws a random number each frame, so the time of the first key changes the battles.
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

class Soak : public GameBinary, public ::testing::WithParamInterface<int> {};

TEST_P(Soak, ComputerGamesEndEveryBattleCleanly) {
    writeIni({0, 1, 0, 1});
    int battles = 0;
    for (int game = 0; game < 6 && battles < BATTLES_PER_COUNT; ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        write("soak.txt", computerGame(GetParam(), 30 + 7 * game, 60 + 13 * game));
        // The sanitizers' options are set here so a leak or a report fails the run whoever starts it.
        const Result r = play("soak.txt", "--max-frames 40000", "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 "
                                                                "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1");
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "") << "no error box, no sanitizer report";
        EXPECT_TRUE(has(r.out, "\"error_boxes\": [],")) << r.out;
        EXPECT_TRUE(has(r.out, "\"exit\": \"max-frames\"")) << r.out;
        // Every set-up but the one the run's end may have cut short led to a finished battle.
        const int started = setups(r.out), ended = stat(r.out, "battles");
        EXPECT_GE(ended, 1) << r.out;
        EXPECT_TRUE(started == ended || started == ended + 1) << r.out;
        battles += ended;
    }
    EXPECT_GE(battles, BATTLES_PER_COUNT);
}

INSTANTIATE_TEST_SUITE_P(Players, Soak, ::testing::Values(2, 3, 4, 5));

}  // namespace
