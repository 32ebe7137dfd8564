// Runs the real game binary headless on the generated data, as CI and a player's replay would.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "../read_file.h"
#include "platform/png.h"

namespace e2e {

namespace fs = std::filesystem;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

inline bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A count of the statistics: "battles", or a sound id's plays (0 when it never played).
inline int statNumber(const std::string& stats, const std::string& key, std::size_t from = 0) {
    const std::size_t at = stats.find("\"" + key + "\": ", from);
    return at == std::string::npos ? 0 : std::atoi(stats.c_str() + at + key.size() + 4);
}
inline int soundCount(const std::string& stats, int id) {
    const std::size_t sounds = stats.find("\"sounds_played\": {");
    if (sounds == std::string::npos) return -1;
    const std::string list = stats.substr(sounds, stats.find('}', sounds) - sounds);
    return statNumber(list, std::to_string(id));
}
// How many battle set-ups were timed.
inline int setupCount(const std::string& stats) {
    const std::size_t at = stats.find("\"setup_ms\": [");
    if (at == std::string::npos) return -1;
    const std::string list = stats.substr(at + 13, stats.find(']', at) - at - 13);
    if (list.empty()) return 0;
    int commas = 0;
    for (char c : list) commas += c == ',';
    return commas + 1;
}

// A 640 x 480 screenshot's pixels in the given layout (1 = 5-5-5, 2 = 5-6-5); empty when unreadable.
inline std::vector<std::uint16_t> loadShot(const fs::path& file, int layout) {
    std::vector<std::uint16_t> pixels;
    int width = 0, height = 0;
    if (!platform::loadPng(file.string(), layout, pixels, width, height) || width != 640 || height != 480)
        pixels.clear();
    return pixels;
}

inline std::uint16_t at(const std::vector<std::uint16_t>& pixels, int x, int y) {
    return pixels[static_cast<std::size_t>(y) * 640 + x];
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
    // Plays one of the scenario scripts of tests/scripts from a copy in the test's directory, where
    // its screenshots land; the statistics come back in out.
    Result runScript(const std::string& script, int maxFrames) {
        fs::copy_file(fs::path(RAMPARO_TEST_SOURCE_DIR) / "scripts" / script, dir / script);
        return run("--headless --data data --script " + script + " --max-frames " + std::to_string(maxFrames) +
                   " --stats -");
    }
    void writeScript(const std::string& name, const std::string& text) { std::ofstream(dir / name) << text; }
    void writeIni(std::initializer_list<std::uint8_t> bytes) {
        std::ofstream file(dir / "data" / "game.ini", std::ios::binary);
        for (std::uint8_t b : bytes) file.put(static_cast<char>(b));
    }

    fs::path dir;
};

}  // namespace e2e
