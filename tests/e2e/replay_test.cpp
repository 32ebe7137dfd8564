// Replays the recorded games of tests/replays headless and compares their statistics, frame hashes
// included, with the expectations kept beside them. RAMPARO_UPDATE_REPLAYS=1 rewrites those.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../read_file.h"
#include "platform/headless/frame_hash.h"

namespace fs = std::filesystem;

namespace {

const fs::path replayDir = fs::path(RAMPARO_TEST_SOURCE_DIR) / "replays";

std::vector<std::string> replayNames() {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(replayDir))
        if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The four bytes of "# game.ini: 01 01 00 01" on the script's first line; empty when missing.
std::string settingsOf(const std::string& script) {
    const std::string prefix = "# game.ini:";
    if (!script.starts_with(prefix)) return {};
    std::istringstream hex(script.substr(prefix.size(), script.find('\n') - prefix.size()));
    std::string bytes;
    unsigned value = 0;
    while (hex >> std::hex >> value) bytes += static_cast<char>(value);
    return bytes;
}

// The statistics without the figures that measure time, which differ from run to run.
std::string withoutTimings(const std::string& stats) {
    std::istringstream lines(stats);
    std::string kept;
    for (std::string line; std::getline(lines, line);)
        if (line.find("_ms") == std::string::npos) kept += line + '\n';
    return kept;
}

std::string fieldLine(const std::string& stats, const std::string& name) {
    const std::size_t at = stats.find("\"" + name + "\":");
    return at == std::string::npos ? std::string() : stats.substr(at, stats.find('\n', at) - at);
}

class Replay : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("ramparo_replay_" + std::to_string(::getpid()) + "_" + GetParam());
        fs::create_directories(dir / "data");
        for (const fs::directory_entry& entry : fs::directory_iterator(RAMPARO_BUILD_DATA_DIR)) {
            const std::string ext = entry.path().extension().string();
            if (ext == ".spr" || ext == ".sdf" || ext == ".frc")
                fs::copy_file(entry.path(), dir / "data" / entry.path().filename());
        }
        script = readFile(replayDir / (GetParam() + ".txt"));
        std::ofstream(dir / "play.txt") << script;
    }
    void TearDown() override { fs::remove_all(dir); }

    // The statistics of one headless replay in the given pixel layout, timings left out.
    std::string replay(const std::string& layout) {
        const fs::path stats = dir / "stats.json";
        fs::remove(stats);
        const std::string command = "cd '" + dir.string() + "' && '" RAMPARO_BUILD_DIR "/ramparo' --headless" +
                                    " --data data --pixel-format " + layout +
                                    " --script play.txt --stats stats.json 2>err.txt";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << readFile(dir / "err.txt");
        return withoutTimings(readFile(stats));
    }

    // Compares with the kept expectation, or rewrites it when asked to.
    void expectKept(const std::string& stats, const std::string& layout) {
        const fs::path kept = replayDir / (GetParam() + "." + layout + ".json");
        const char* update = std::getenv("RAMPARO_UPDATE_REPLAYS");
        if (update && std::string(update) == "1") {
            std::ofstream(kept, std::ios::binary) << stats;
            return;
        }
        ASSERT_TRUE(fs::exists(kept)) << kept << " is missing: run with RAMPARO_UPDATE_REPLAYS=1 to write it";
        EXPECT_EQ(stats, readFile(kept)) << "the replay " << GetParam() << " (" << layout
                                         << ") no longer plays as recorded; if that is meant, rewrite its "
                                            "expectations with RAMPARO_UPDATE_REPLAYS=1";
    }

    fs::path dir;
    std::string script;
};

TEST_P(Replay, PlaysAsRecordedTwiceInEachPixelLayout) {
    const std::string settings = settingsOf(script);
    ASSERT_EQ(settings.size(), 4u) << "the first line must be '# game.ini: XX XX XX XX'";
    // The game reads that line itself: the data holds no game.ini.
    ASSERT_FALSE(fs::exists(dir / "data" / "game.ini"));

    const std::string first = replay("565");
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(fieldLine(first, "error_boxes"), "\"error_boxes\": [],");
    EXPECT_EQ(replay("565"), first) << "the same script gave another game";
    expectKept(first, "565");

    const std::string other = replay("555");
    expectKept(other, "555");
    // The layouts draw the same game into different pixels.
    EXPECT_EQ(fieldLine(other, "battles"), fieldLine(first, "battles"));
    EXPECT_EQ(fieldLine(other, "sounds_played"), fieldLine(first, "sounds_played"));
    EXPECT_NE(fieldLine(other, "frame_hash"), fieldLine(first, "frame_hash"));
}

INSTANTIATE_TEST_SUITE_P(Recorded, Replay, ::testing::ValuesIn(replayNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace

namespace {

TEST(FrameHash, SeesEveryPixelBitButNotTheRowPadding) {
    constexpr int W = 6, H = 3;
    std::vector<std::uint16_t> tight(W * H), padded(8 * H, 0xABCD);
    for (int i = 0; i < W * H; ++i) tight[i] = static_cast<std::uint16_t>(i * 2654435761u >> 16);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) padded[y * 8 + x] = tight[y * W + x];
    const std::uint64_t base = platform::frameHash({tight.data(), W, H, W});
    EXPECT_EQ(platform::frameHash({padded.data(), W, H, 8}), base);
    // Any one bit of any pixel, the top bits of a four-pixel word included, changes the hash.
    for (int i = 0; i < W * H; ++i)
        for (int bit = 0; bit < 16; ++bit) {
            std::vector<std::uint16_t> changed = tight;
            changed[i] ^= static_cast<std::uint16_t>(1u << bit);
            EXPECT_NE(platform::frameHash({changed.data(), W, H, W}), base) << "pixel " << i << " bit " << bit;
        }
    // The same pixels in another shape are another frame.
    EXPECT_NE(platform::frameHash({tight.data(), H, W, H}), base);
}

TEST(FrameHash, ChainDependsOnTheOrderOfFrames) {
    const std::uint64_t a = 0x1111, b = 0x2222;
    EXPECT_NE(platform::chainFrameHash(platform::chainFrameHash(0, a), b),
              platform::chainFrameHash(platform::chainFrameHash(0, b), a));
    EXPECT_NE(platform::chainFrameHash(platform::chainFrameHash(0, a), a), platform::chainFrameHash(0, a));
}

}  // namespace
