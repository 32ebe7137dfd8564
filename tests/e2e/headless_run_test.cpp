// Runs the real game binary headless, as CI and a player's replay would.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/png.h"

namespace fs = std::filesystem;

namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class GameBinary : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("ramparo_e2e_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir / "data");
        // The generated pictures and sounds, without the settings file: each test writes its own.
        for (const fs::directory_entry& entry : fs::directory_iterator(RAMPARO_BUILD_DATA_DIR)) {
            const std::string ext = entry.path().extension().string();
            if (ext == ".spr" || ext == ".sdf" || ext == ".frc")
                fs::copy_file(entry.path(), dir / "data" / entry.path().filename());
        }
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs from the test's directory; env is put in front of the command (e.g. "env -u DISPLAY").
    Result run(const std::string& args, const std::string& env = "") {
        const std::string command = "cd '" + dir.string() + "' && " + env +
                                    " '" RAMPARO_BUILD_DIR "/ramparo' " + args + " >'" +
                                    (dir / "out.txt").string() + "' 2>'" + (dir / "err.txt").string() + "'";
        const int raw = std::system(command.c_str());
        Result result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = readFile(dir / "out.txt");
        result.err = readFile(dir / "err.txt");
        return result;
    }
    void writeScript(const std::string& name, const std::string& text) { std::ofstream(dir / name) << text; }
    void writeIni(std::initializer_list<std::uint8_t> bytes) {
        std::ofstream file(dir / "data" / "game.ini", std::ios::binary);
        for (std::uint8_t b : bytes) file.put(static_cast<char>(b));
    }

    fs::path dir;
};

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST_F(GameBinary, MaxFramesEndsTheRunWithStatistics) {
    const Result r = run("--headless --data data --max-frames 600 --stats -");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "\"exit\": \"max-frames\"")) << r.out;
    EXPECT_TRUE(has(r.out, "\"error_boxes\": [\"no open game.ini\"]")) << r.out;
    EXPECT_TRUE(has(r.out, "\"sounds_played\": {}"));
    EXPECT_TRUE(has(r.out, "\"frame_ms_p50\": "));
    EXPECT_TRUE(has(r.out, "\"frame_ms_p99\": "));
    EXPECT_TRUE(has(r.out, "\"setup_ms\": []"));
    // Start-up waits take some of the 600 frames of virtual time; the rest are presented.
    const std::size_t at = r.out.find("\"frames\": ");
    ASSERT_NE(at, std::string::npos);
    const long frames = std::strtol(r.out.c_str() + at + 10, nullptr, 10);
    EXPECT_GT(frames, 500) << r.out;
    EXPECT_LE(frames, 600);
    EXPECT_TRUE(has(r.err, "Ramparo: no open game.ini\n")) << r.err;
}

TEST_F(GameBinary, ScriptedSessionIsDeterministicAndShowsItsFrames) {
    writeIni({1, 1, 0, 0});
    writeScript("play.txt",
                "10 move 100 100\n"
                "12 key 3\n"
                "20 press left\n"
                "25 screenshot a.png\n"
                "26 release left\n"
                "30 lose-surfaces\n"
                "40 click 2000 -5   # clamped into the screen\n"
                "45 screenshot b.png\n"
                "50 key ESCAPE\n");
    const std::string args = "--headless --data data --pixel-format 555 --script play.txt --stats stats.json";
    const Result first = run(args);
    ASSERT_EQ(first.status, 0) << first.err;
    const std::string stats = readFile(dir / "stats.json");
    EXPECT_TRUE(has(stats, "\"exit\": \"game-exit\"")) << stats;
    EXPECT_TRUE(has(stats, "\"error_boxes\": []")) << stats;
    const std::string a = readFile(dir / "a.png");
    const std::string b = readFile(dir / "b.png");
    ASSERT_FALSE(a.empty());
    EXPECT_NE(a, b);

    // The pixels checked here are the self-check loop's picture; they change when the game flow lands.
    // The first player-colour block in 5-5-5: red 60 leaves red 28 once bit 15 is dropped.
    std::vector<std::uint16_t> pixels;
    int width = 0, height = 0;
    ASSERT_TRUE(platform::loadPng((dir / "a.png").string(), 1, pixels, width, height));
    ASSERT_EQ(width, 640);
    ASSERT_EQ(height, 480);
    EXPECT_EQ(pixels[static_cast<std::size_t>(100) * width + 30], (60u << 10) & 0x7FFF);
    EXPECT_EQ(pixels[static_cast<std::size_t>(100) * width + 100], 0x7FFF)
        << "the pointer cross at (100, 100)";

    fs::rename(dir / "a.png", dir / "a1.png");
    fs::rename(dir / "b.png", dir / "b1.png");
    const std::string firstStats = stats;
    ASSERT_EQ(run(args).status, 0);
    EXPECT_EQ(readFile(dir / "a.png"), readFile(dir / "a1.png")) << "same script, same frames";
    EXPECT_EQ(readFile(dir / "b.png"), readFile(dir / "b1.png"));
    const std::string again = readFile(dir / "stats.json");
    EXPECT_EQ(again.substr(0, again.find("\"frame_ms")), firstStats.substr(0, firstStats.find("\"frame_ms")));
}

TEST_F(GameBinary, ScriptQuitEndsTheRun) {
    writeScript("quit.txt", "100 quit\n");
    const Result r = run("--headless --data data --script quit.txt --stats -");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(has(r.out, "\"exit\": \"quit\"")) << r.out;
}

TEST_F(GameBinary, MalformedScriptStopsBeforeAnythingRuns) {
    writeScript("bad.txt", "0 key A\n# fine\n7 wiggle\n");
    const Result r = run("--headless --data data --script bad.txt --stats -");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err, "line 3")) << r.err;
    EXPECT_TRUE(has(r.err, "wiggle"));
    EXPECT_FALSE(has(r.err, "game.ini")) << "nothing ran";
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(run("--headless --data data --script missing.txt").status, 2);
}

TEST_F(GameBinary, CommandLineAnswers) {
    Result r = run("--frobnicate");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err, "unknown option '--frobnicate'")) << r.err;
    r = run("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(has(r.out, "--headless"));
    r = run("--data does-not-exist --headless --max-frames 1");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.err, "does-not-exist")) << r.err;
}

TEST_F(GameBinary, NoDisplayWithoutHeadlessIsAClearFailure) {
    const Result r = run("--data data", "env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.err, "display")) << r.err;
}
