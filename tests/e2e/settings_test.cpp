// The settings file, its command-line forms and the settings a recorded game carries, seen from
// the game binary.
#include "core/config_file.h"
#include "game_binary.h"

using namespace e2e;

// Two people who never fire, on the 320 x 240 screen, play until the battle ends by time. With a
// turn of 1 s (20 ticks) the limit is 320 ticks, 960 frames: it ends between frames 1100 and
// 1300; the designed battle (25 s turns) lasts 8000 ticks, 24000 frames. The user's own settings
// file (turn-time 1) is read only when named with --config; the command line wins over a file and
// over the settings a recording carries.
TEST_F(GameBinary, TheTurnTimeComesFromTheCommandLineTheNamedFileOrTheRecording) {
    write("home/ramparo/ramparo.conf", "turn-time = 1\n");
    const std::string xdg = "XDG_CONFIG_HOME='" + (dir / "home").string() + "' HOME='" + dir.string() + "'";
    const std::string recorded = "# game.ini: 00 01 00 01\n# turn-time: 1\n";
    const std::string conf = "--config home/ramparo/ramparo.conf";
    const struct {
        std::string header, options;
        int frames, battles;
    } cases[] = {
        {"", "--turn-time 1", 1100, 0}, {"", "--turn-time 1", 1300, 1}, {"", "", 1300, 0},
        {"", "--turn-time 25", 1300, 0}, {"", "--turn-time 2", 2600, 1}, {"", conf, 1300, 1},
        {"", conf + " --turn-time 25", 1300, 0},
        // No game.ini: the recorded one is used, so no message about a missing file. In another
        // screen mode the script's clicks miss the set-up's buttons and no battle starts.
        {recorded, "", 1300, 1}, {recorded, "--turn-time 25", 1300, 0},
        {recorded, "--screen-mode 1", 1300, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header + c.options + " by frame " + std::to_string(c.frames));
        c.header.empty() ? writeIni({0, 1, 0, 1}) : void(fs::remove(dir / "data" / "game.ini"));
        write("idle.txt", c.header + "30 key SPACE\n60 key SPACE\n130 click 260 220\n190 click 100 220\n");
        const Result r = play("idle.txt", "--max-frames " + std::to_string(c.frames) + " " + c.options, xdg);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(has(r.out, "\"error_boxes\": []")) << r.out;
        EXPECT_EQ(stat(r.out, "battles"), c.battles) << r.out;
    }
}

TEST_F(GameBinary, BadHugeBinaryOrMissingSettingsFilesGiveAMessageAndARunningGame) {
    writeIni({1, 1, 0, 1});
    const struct {
        const char* name;
        std::string text, message;
    } cases[] = {
        {"bad.conf", "volume = 50\nturn-time = soon\n",
         "bad.conf:2: turn-time takes a number of seconds 1..3600, not 'soon'"},
        {"huge.conf", std::string(MAX_SETTINGS_FILE_BYTES + 100, 'x'), "huge.conf is larger than 64 KiB; it is ignored"},
        {"binary.conf", std::string("\x7f" "ELF\x02\x01\x01\0\0\0", 10) + std::string(300, '\xff'),
         "binary.conf is not a text file"},
        {"junk.conf", std::string(2000, '\xfe') + "\n=\n", "junk.conf:1: expected 'key = value'"},
        {"none.conf", "", "none.conf: it does not exist"},
    };
    for (const auto& c : cases) {
        if (!c.text.empty()) write(c.name, c.text);
        const Result r = run(std::string("--headless --data data --max-frames 600 --stats - --config ") + c.name);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(has(r.err, dir.string() + "/" + c.message)) << r.err;
        EXPECT_TRUE(has(r.out, "\"exit\": \"max-frames\"") && has(r.out, "\"frames\": 5,")) << "as always\n" << r.out;
    }
    const std::string text = run("--print-config").out;  // every key, commented out
    EXPECT_EQ(text, defaultSettingsText());
    for (const char* key : {"full-screen", "screen-mode", "pixel-format", "weather", "volume", "turn-time", "computer-skill", "assist"})
        EXPECT_TRUE(has(text, std::string("\n# ") + key + " = ")) << key;
}

TEST_F(GameBinary, NormalSkillIsTheDesignedComputerAndARecordedSkillOrAidsReplay) {
    const auto game = [&](const std::string& header, const std::string& options) {  // two computers at 640 x 480
        write("cpu.txt", "# game.ini: 01 01 00 01\n" + header + "30 key SPACE\n60 key SPACE\n110 click 320 300\n"
                         "130 click 500 440\n160 click 320 300\n290 click 200 440\n");
        const Result r = play("cpu.txt", "--max-frames 3000 " + options);
        EXPECT_EQ(r.status, 0) << r.err;
        return withoutTimings(r.out);
    };
    const std::string designed = game("", "");
    EXPECT_TRUE(has(designed, "\"frame_hash\"")) << designed;
    EXPECT_EQ(game("", "--computer-skill normal"), designed);
    EXPECT_EQ(game("# computer-skill: normal\n", ""), designed);
    const std::string hard = game("", "--computer-skill hard");
    EXPECT_NE(hard, designed) << "the skill reaches the game";
    EXPECT_EQ(game("# computer-skill: hard\n", ""), hard);
    EXPECT_EQ(game("# computer-skill: hard\n", "--computer-skill normal"), designed);
    const std::string aided = game("", "--assist");  // damage bars and arrows show for computers too
    EXPECT_NE(aided, designed);
    EXPECT_EQ(game("# assist: on\n", ""), aided);
    EXPECT_EQ(game("# assist: on\n", "--no-assist"), designed);
}
