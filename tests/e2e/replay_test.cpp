// Replays the recorded games of tests/replays headless and compares their statistics, frame hashes
// included, with the expectations kept beside them. RAMPARO_UPDATE_REPLAYS=1 rewrites those.
#include <map>

#include "game_binary.h"

using namespace e2e;

namespace {

const fs::path replayDir = fs::path(RAMPARO_TEST_SOURCE_DIR) / "replays";

std::vector<std::string> replayNames() {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(replayDir))
        if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string fieldLine(const std::string& stats, const std::string& name) {
    const std::size_t at = stats.find("\"" + name + "\":");
    return at == std::string::npos ? std::string() : stats.substr(at, stats.find('\n', at) - at);
}

class Replay : public GameBinary, public ::testing::WithParamInterface<std::string> {};

// Twice in 5-6-5 and once in 5-5-5, compared with NAME.565.json and NAME.555.json, timings left out.
TEST_P(Replay, PlaysAsRecordedAndAlikeInBothPixelLayouts) {
    const std::string script = readFile(replayDir / (GetParam() + ".txt"));
    write("play.txt", script);
    // The game reads the settings from the first line itself: the data holds no game.ini.
    ASSERT_TRUE(script.starts_with("# game.ini: ") && script.find('\n') == 23) << "not '# game.ini: XX XX XX XX' first";
    std::map<std::string, std::string> stats;
    for (const std::string layout : {"565", "565", "555"}) {
        const Result r = play("play.txt", "--pixel-format " + layout);
        EXPECT_EQ(r.status, 0) << r.err;
        const std::string played = withoutTimings(r.out);
        EXPECT_TRUE(stats.emplace(layout, played).first->second == played) << "the same script gave another game";
        const fs::path kept = replayDir / (GetParam() + "." + layout + ".json");
        if (const char* update = std::getenv("RAMPARO_UPDATE_REPLAYS"); update && std::string(update) == "1") {
            std::ofstream(kept, std::ios::binary) << played;
            continue;
        }
        ASSERT_TRUE(fs::exists(kept)) << kept << " is missing: run with RAMPARO_UPDATE_REPLAYS=1 to write it";
        EXPECT_EQ(played, readFile(kept)) << GetParam() << " (" << layout << ") no longer plays as recorded; if that is "
                                          << "meant, rewrite its expectations with RAMPARO_UPDATE_REPLAYS=1";
    }
    EXPECT_EQ(fieldLine(stats["565"], "error_boxes"), "\"error_boxes\": [],");
    // The layouts draw the same game into different pixels.
    EXPECT_EQ(fieldLine(stats["555"], "battles"), fieldLine(stats["565"], "battles"));
    EXPECT_EQ(fieldLine(stats["555"], "sounds_played"), fieldLine(stats["565"], "sounds_played"));
    EXPECT_NE(fieldLine(stats["555"], "frame_hash"), fieldLine(stats["565"], "frame_hash"));
}

INSTANTIATE_TEST_SUITE_P(Recorded, Replay, ::testing::ValuesIn(replayNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
