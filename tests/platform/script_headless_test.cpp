#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/backends.h"
#include "platform/stats.h"

namespace fs = std::filesystem;

namespace {

// Records what the game thread receives, with the number of presents done at that moment.
class Recorder : public platform::InputHandler {
public:
    int presents = 0;
    std::vector<std::string> got;
    void onKeyDown(int key) override {
        got.push_back(std::to_string(presents) + " key " + std::to_string(key));
    }
    void onMouseButton(platform::MouseButton b, bool pressed) override {
        got.push_back(std::to_string(presents) + (pressed ? " press " : " release ") +
                      (b == platform::MouseButton::Left ? "left" : "right"));
    }
};

class Headless : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("ramparo_headless_" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::unique_ptr<platform::Platform> make(const std::string& script, long long maxFrames = -1) {
        platform::BackendOptions options;
        options.maxFrames = maxFrames;
        options.statsFile = (dir / "stats.json").string();
        if (!script.empty()) {
            options.scriptFile = (dir / "script.txt").string();
            std::ofstream(options.scriptFile) << script;
        }
        std::string error;
        auto p = platform::createHeadlessPlatform(options, &error);
        EXPECT_TRUE(p) << error;
        return p;
    }
    std::string stats() const {
        std::ifstream file(dir / "stats.json");
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    static void presentForever(platform::Platform& p, Recorder& recorder) {
        for (;;) {
            p.present({}, true);
            ++recorder.presents;
        }
    }

    fs::path dir;
};

}  // namespace

TEST_F(Headless, EventsArriveAtWaitPointsOnTheGameThread) {
    auto p = make("0 key A\n3 click 50 60\n3 key B\n10 quit\n");
    Recorder recorder;
    p->setInputHandler(&recorder);
    std::thread::id caller = std::this_thread::get_id(), game;
    const int status = p->run([&] {
        game = std::this_thread::get_id();
        presentForever(*p, recorder);
    });
    EXPECT_EQ(status, 0);
    EXPECT_NE(game, caller);
    // Frame n's events come with the present that reaches time n.
    EXPECT_EQ(recorder.got,
              (std::vector<std::string>{"0 key 65", "2 press left", "2 key 66", "3 release left"}));
    EXPECT_EQ(p->cursorPosition().x, 50);
    EXPECT_NE(stats().find("\"frames\": 10"), std::string::npos) << stats();
    EXPECT_NE(stats().find("\"exit\": \"quit\""), std::string::npos);
}

TEST_F(Headless, SleepAdvancesVirtualTimeAndMaxFramesEndsASleepLoop) {
    auto p = make("2 key 0x1B\n", 6);
    Recorder recorder;
    p->setInputHandler(&recorder);
    int sleeps = 0;
    EXPECT_EQ(p->run([&] {
        for (;;) {
            p->sleep(10);
            ++sleeps;
            if (recorder.got.size() == 1 && recorder.got[0] == "0 key 27")
                recorder.got.push_back("at " + std::to_string(sleeps));
        }
    }),
              0);
    // 2 frames = 33.3 ms: the key comes with the 4th sleep (40 ms); 6 frames = 100 ms end the run.
    EXPECT_EQ(recorder.got, (std::vector<std::string>{"0 key 27", "at 4"}));
    EXPECT_EQ(sleeps, 9);
    EXPECT_NE(stats().find("\"frames\": 0"), std::string::npos);
    EXPECT_NE(stats().find("\"exit\": \"max-frames\""), std::string::npos) << stats();
}

TEST_F(Headless, CursorStaysInsideTheClipRectangle) {
    auto p = make("1 move 1000 -40\n2 move 7 8\n3 quit\n");
    p->clipCursor({5, 5, 635, 475});
    std::vector<platform::Point> seen;
    p->run([&] {
        for (;;) {
            p->present({}, false);
            seen.push_back(p->cursorPosition());
            if (seen.size() != 1) continue;
            p->movePointer({-3, 300});  // the game's own move is seen at once, clipped too
            seen.push_back(p->cursorPosition());
        }
    });
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen[0].x, 634);
    EXPECT_EQ(seen[0].y, 5);
    EXPECT_EQ(seen[1].x, 5);
    EXPECT_EQ(seen[1].y, 300);
    EXPECT_EQ(seen[2].x, 7);
    EXPECT_EQ(seen[2].y, 8);
}

TEST_F(Headless, StatisticsOfAGameThatEnds) {
    auto p = make("");
    EXPECT_EQ(p->redMask(), 0xF800u);
    p->run([&] {
        p->errorBox("no open game.ini", "");
        p->errorBox("say \"hi\"\\", nullptr);
        p->errorBox("two\nlines", "");
        p->noteBattleSetup(12.5);
        p->noteBattleFinished(-1);
        p->present({}, true);
    });
    const std::string json = stats();
    EXPECT_NE(json.find("\"error_boxes\": [\"no open game.ini\", \"say \\\"hi\\\"\\\\\", "),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"two\\u000alines\"]"), std::string::npos) << json;
    EXPECT_NE(json.find("\"battles\": 1"), std::string::npos);
    EXPECT_NE(json.find("\"setup_ms\": [12.500]"), std::string::npos);
    EXPECT_NE(json.find("\"frames\": 1"), std::string::npos);
    EXPECT_NE(json.find("\"exit\": \"game-exit\""), std::string::npos);
    EXPECT_EQ(json.find("winners"), std::string::npos) << "only when RAMPARO_STATS_WINNERS=1";
}

TEST(RunStatistics, PercentileByNearestRank) {
    EXPECT_EQ(platform::percentile({}, 50), 0);
    EXPECT_EQ(platform::percentile({3, 1, 2}, 50), 2);
    std::vector<double> hundred;
    for (int i = 100; i >= 1; --i) hundred.push_back(i);
    EXPECT_EQ(platform::percentile(hundred, 99), 99);
    EXPECT_EQ(platform::percentile(hundred, 100), 100);
    EXPECT_EQ(platform::percentile({7}, 0), 7);
}

TEST(RunStatistics, SoundsById) {
    platform::RunStats stats;
    stats.soundsPlayed = {{17, 2}, {3, 1}};
    stats.frameMs = {1.0, 3.0};
    stats.exit = "quit";
    const std::string json = platform::statsJson(stats);
    EXPECT_NE(json.find("\"sounds_played\": {\"3\": 1, \"17\": 2}"), std::string::npos) << json;
    EXPECT_NE(json.find("\"frame_ms_p50\": 1.000"), std::string::npos);
    EXPECT_NE(json.find("\"frame_ms_p99\": 3.000"), std::string::npos);
    EXPECT_EQ(json.front(), '{');
    EXPECT_EQ(json.substr(json.size() - 2), "}\n");
    EXPECT_EQ(json.find("winners"), std::string::npos);
    stats.winners = {1, -1};
    EXPECT_EQ(platform::statsJson(stats), json.substr(0, json.size() - 3) + ",\n  \"winners\": [1, -1]\n}\n");
}
