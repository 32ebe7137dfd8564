// The settings file, its command-line forms and the settings a recorded game carries, seen from
// the game binary: two people who never fire play until the battle ends by time, which comes
// sooner or later with the turn time.
#include "core/config_file.h"
#include "game_binary.h"

using namespace e2e;

namespace {

// To the start of a battle of two humans on the 320 x 240 screen; nobody fires.
const std::string TWO_IDLE_HUMANS = "30 key SPACE\n60 key SPACE\n130 click 260 220\n190 click 100 220\n";
// With a turn of 1 s (20 ticks) the battle's limit is 320 ticks, 960 frames: it ends by time
// between these two frames; the designed battle lasts 24000 frames.
constexpr int BEFORE_SHORT_END = 1100;
constexpr int AFTER_SHORT_END = 1300;

class Settings : public GameBinary {
protected:
    // Battles finished by frame `frames` of the idle battle.
    int battlesBy(int frames, const std::string& options, const std::string& env = "") {
        const Result r = run("--headless --data data --script idle.txt --stats - --max-frames " +
                                 std::to_string(frames) + " " + options,
                             env);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(has(r.out, "\"error_boxes\": []")) << r.out;
        return statNumber(r.out, "battles");
    }
    void writeConf(const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
    }
};

}  // namespace

TEST_F(Settings, TurnTimeEndsTheBattleByTimeSooner) {
    writeIni({0, 1, 0, 1});
    writeScript("idle.txt", TWO_IDLE_HUMANS);
    EXPECT_EQ(battlesBy(BEFORE_SHORT_END, "--turn-time 1"), 0);
    EXPECT_EQ(battlesBy(AFTER_SHORT_END, "--turn-time 1"), 1);
    EXPECT_EQ(battlesBy(AFTER_SHORT_END, ""), 0) << "the designed battle lasts 8000 ticks";
    EXPECT_EQ(battlesBy(AFTER_SHORT_END, "--turn-time 25"), 0) << "25 s is the designed turn";
    EXPECT_EQ(battlesBy(2 * AFTER_SHORT_END, "--turn-time 2"), 1);
}

TEST_F(Settings, HeadlessReadsOnlyTheFileNamedWithConfigAndTheCommandLineWins) {
    writeIni({0, 1, 0, 1});
    writeScript("idle.txt", TWO_IDLE_HUMANS);
    writeConf(dir / "home" / "ramparo" / "ramparo.conf", "turn-time = 1\n");
    const std::string xdg = "XDG_CONFIG_HOME='" + (dir / "home").string() + "' HOME='" + dir.string() + "'";
    EXPECT_EQ(battlesBy(AFTER_SHORT_END, "", xdg), 0) << "the user's own file changes no test";
    EXPECT_EQ(battlesBy(AFTER_SHORT_END, "--config home/ramparo/ramparo.conf", xdg), 1);
    EXPECT_EQ(battlesBy(AFTER_SHORT_END, "--config home/ramparo/ramparo.conf --turn-time 25", xdg), 0);
}

TEST_F(Settings, BadHugeAndBinaryFilesGiveAMessageAndARunningGame) {
    writeIni({1, 1, 0, 1});
    const std::pair<std::string, std::string> cases[] = {
        {"volume = 50\nturn-time = soon\n", "bad.conf:2: turn-time takes a number of seconds 1..3600, not 'soon'"},
        {std::string(MAX_SETTINGS_FILE_BYTES + 100, 'x'), "huge.conf is larger than 64 KiB; it is ignored"},
        {std::string("\x7f" "ELF\x02\x01\x01\0\0\0", 10) + std::string(300, '\xff'), "binary.conf is not a text file"},
        {std::string(2000, '\xfe') + "\n=\n", "junk.conf:1: expected 'key = value'"},
    };
    const char* names[] = {"bad.conf", "huge.conf", "binary.conf", "junk.conf"};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        writeConf(dir / names[i], cases[i].first);
        const Result r = run(std::string("--headless --data data --max-frames 600 --stats - --config ") + names[i]);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(has(r.err, dir.string() + "/" + cases[i].second)) << r.err;
        EXPECT_TRUE(has(r.out, "\"exit\": \"max-frames\"")) << r.out;
        EXPECT_TRUE(has(r.out, "\"frames\": 5,")) << "the game started as always\n" << r.out;
    }
    const Result missing = run("--headless --data data --max-frames 10 --config none.conf");
    EXPECT_EQ(missing.status, 0);
    EXPECT_TRUE(has(missing.err, "none.conf: it does not exist")) << missing.err;
}

TEST_F(Settings, AReplayAppliesTheRecordedSettingsUnlessTheCommandLineSaysOtherwise) {
    // No game.ini in the data: the recorded one is used, so no message about a missing file.
    writeScript("idle.txt", "# game.ini: 00 01 00 01\n# turn-time: 1\n" + TWO_IDLE_HUMANS);
    EXPECT_EQ(battlesBy(AFTER_SHORT_END, ""), 1);
    EXPECT_EQ(battlesBy(AFTER_SHORT_END, "--turn-time 25"), 0);
    // The recorded screen mode (0, 320 x 240) is what the clicks of the script were aimed at: in
    // another mode they miss the set-up's buttons and no battle starts.
    EXPECT_EQ(battlesBy(AFTER_SHORT_END, "--screen-mode 1"), 0);
}

TEST_F(Settings, PrintConfigWritesEveryKeyCommentedOut) {
    const Result r = run("--print-config");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, defaultSettingsText());
    for (const char* key : {"full-screen", "screen-mode", "pixel-format", "weather", "volume", "turn-time", "computer-skill"})
        EXPECT_TRUE(has(r.out, std::string("\n# ") + key + " = ")) << key;
}

TEST_F(Settings, NormalSkillIsTheDesignedComputerAndARecordedSkillReplays) {
    // Two computers at 640 x 480 fight their first battle.
    const std::string computers = "30 key SPACE\n60 key SPACE\n110 click 320 300\n130 click 500 440\n"
                                  "160 click 320 300\n290 click 200 440\n";
    const auto play = [&](const std::string& header, const std::string& options) {
        writeScript("cpu.txt", "# game.ini: 01 01 00 01\n" + header + computers);
        const Result r = run("--headless --data data --script cpu.txt --stats - --max-frames 3000 " + options);
        EXPECT_EQ(r.status, 0) << r.err;
        std::string kept;  // the statistics without the timings
        std::istringstream lines(r.out);
        for (std::string line; std::getline(lines, line);)
            if (!has(line, "_ms")) kept += line + "\n";
        return kept;
    };
    const std::string designed = play("", "");
    EXPECT_TRUE(has(designed, "\"frame_hash\"")) << designed;
    EXPECT_EQ(play("", "--computer-skill normal"), designed);
    EXPECT_EQ(play("# computer-skill: normal\n", ""), designed);
    const std::string hard = play("", "--computer-skill hard");
    EXPECT_NE(hard, designed) << "the skill reaches the game";
    EXPECT_EQ(play("# computer-skill: hard\n", ""), hard);
    EXPECT_EQ(play("# computer-skill: hard\n", "--computer-skill normal"), designed);
}
