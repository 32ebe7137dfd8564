// Runs the real game binary headless on the generated data, as CI and a player's replay would: each
// test in a scratch directory of its own, with a copy of the pictures and sounds but no game.ini.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../read_file.h"
#include "platform/png.h"

namespace e2e {

namespace fs = std::filesystem;

// How many times slower the game runs in this build: the sanitizers' builds are unoptimised and
// checked, and the online tests, which run in real time, slow their pace by as much.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int SLOWDOWN = 6;
#else
constexpr int SLOWDOWN = 1;
#endif

// The first of ten UDP ports of this test's own, from the process id (ctest runs each test in a
// process of its own), so that two runs of the suite on one machine do not meet; below the
// kernel's range for ephemeral ports, which the joining machines take.
inline int testPorts() { return 20000 + static_cast<int>(::getpid() % 1200) * 10; }

struct Result {
    int status = -1;
    std::string out, err;  // with "--stats -" the statistics are the output
};

inline bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
// A count of the statistics ("battles"), 0 when it is not there; the plays of a sound id; the
// battle set-ups timed (one figure with its decimal point each).
inline int stat(const std::string& stats, const std::string& key) {
    const std::size_t at = stats.find("\"" + key + "\": ");
    return at == std::string::npos ? 0 : std::atoi(stats.c_str() + at + key.size() + 4);
}
inline int sound(const std::string& stats, int id) {
    const std::size_t at = stats.find("\"sounds_played\": {");
    return at == std::string::npos ? -1 : stat(stats.substr(at, stats.find('}', at) - at), std::to_string(id));
}
inline int setups(const std::string& stats) {
    const std::size_t at = stats.find("\"setup_ms\": [");
    return at == std::string::npos ? -1 : int(std::count(&stats[at], &stats[stats.find(']', at)], '.'));
}
// The statistics without the figures that measure time, which differ from run to run.
inline std::string withoutTimings(const std::string& stats) {
    std::istringstream lines(stats);
    std::string kept;
    for (std::string line; std::getline(lines, line);) kept += has(line, "_ms") ? "" : line + '\n';
    return kept;
}
// A 640 x 480 screenshot's pixels in the given layout (1 = 5-5-5, 2 = 5-6-5); empty when unreadable.
inline std::vector<std::uint16_t> loadShot(const fs::path& file, int layout) {
    std::vector<std::uint16_t> pixels;
    int width = 0, height = 0;
    const bool ok = platform::loadPng(file.string(), layout, pixels, width, height);
    return ok && width == 640 && height == 480 ? pixels : std::vector<std::uint16_t>();
}
inline std::uint16_t at(const std::vector<std::uint16_t>& pixels, int x, int y) { return pixels[y * 640 + x]; }

class GameBinary : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');
        dir = fs::temp_directory_path() / ("ramparo_e2e_" + std::to_string(::getpid()) + "_" + name);
        fs::create_directories(dir / "data");
        for (const fs::directory_entry& entry : fs::directory_iterator(RAMPARO_BUILD_DATA_DIR))
            if (const std::string ext = entry.path().extension(); ext == ".spr" || ext == ".sdf" || ext == ".frc")
                fs::copy_file(entry.path(), dir / "data" / entry.path().filename());
    }
    void TearDown() override {
        while (!running.empty()) stop(running.back());
        fs::remove_all(dir);
    }

    // Runs from the test's directory; env goes in front of the command (e.g. "env -u DISPLAY").
    Result run(const std::string& args, const std::string& env = "") {
        const std::string command = " '" RAMPARO_BUILD_DIR "/ramparo' " + args + " >out.txt 2>err.txt";
        const int raw = std::system(("cd '" + dir.string() + "' && " + env + command).c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir / "out.txt"), readFile(dir / "err.txt")};
    }
    // Plays the script file `script` of the test's directory; the statistics are the output.
    Result play(const std::string& script, const std::string& options = "", const std::string& env = "") {
        return run("--headless --data data --stats - --script " + script + " " + options, env);
    }
    // Starts the game in the background, as `run` does; its output and messages go to NAME.out and
    // NAME.err. Anything still running at the end of the test is killed.
    pid_t start(const std::string& args, const std::string& name) {
        const std::string command = "cd '" + dir.string() + "' && exec '" RAMPARO_BUILD_DIR "/ramparo' " +
                                    args + " >" + name + ".out 2>" + name + ".err";
        const char* argv[] = {"sh", "-c", command.c_str(), nullptr};
        const pid_t pid = fork();
        if (pid == 0) {
            execv("/bin/sh", const_cast<char* const*>(argv));
            _exit(127);
        }
        if (pid > 0) running.push_back(pid);
        return pid;
    }
    // Waits for a game started with `start`; one still running after `seconds` is killed (status -1).
    Result finish(pid_t pid, const std::string& name, int seconds) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        int raw = 0;
        pid_t ended = 0;
        while ((ended = waitpid(pid, &raw, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (ended == 0) {
            ADD_FAILURE() << name << " still ran after " << seconds << " s: killed";
            stop(pid);
            raw = -1;
        }
        std::erase(running, pid);
        return {ended == pid && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir / (name + ".out")),
                readFile(dir / (name + ".err"))};
    }
    void stop(pid_t pid) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        std::erase(running, pid);
    }
    void write(const std::string& name, const std::string& text) {
        fs::create_directories((dir / name).parent_path());
        std::ofstream(dir / name, std::ios::binary) << text;
    }
    void writeIni(std::initializer_list<char> bytes) { write("data/game.ini", std::string(bytes)); }

    fs::path dir;
    std::vector<pid_t> running;
};

}  // namespace e2e
