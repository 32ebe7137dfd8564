#include "core/config_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "core/settings.h"
#include "work_dir.h"

namespace {
constexpr ComputerSkill EASY = ComputerSkill::Easy, NORMAL = ComputerSkill::Normal, HARD = ComputerSkill::Hard;
}  // namespace

namespace {

PlayerSettings parse(std::string_view text, std::vector<std::string>& problems) {
    return parseSettingsText(text, "my.conf", problems);
}

}  // namespace

TEST(SettingsFileText, GoodLinesCommentsAndBlankLines) {
    const std::pair<const char*, PlayerSettings> cases[] = {
        {"", {}},
        {"# only a comment\n\n   \n\t# another\n", {}},
        {"full-screen = no\n", {.fullScreen = false}},
        {"full-screen=yes", {.fullScreen = true}},
        {"  screen-mode\t=  2   # 800 x 600\r\n", {.screenMode = 2}},
        {"screen-mode = game.ini", {.screenMode = FROM_GAME_INI}},
        {"pixel-format = 555", {.pixelFormat = 1}},
        {"weather = off\nweather = on", {.weather = 1}},  // the last one counts
        {"volume = 0", {.volume = 0}},
        {"turn-time = 3600\nvolume = 37", {.volume = 37, .turnTime = 3600}},
        {"computer-skill = hard", {.computerSkill = ComputerSkills{HARD, HARD, HARD, HARD, HARD}}},
        {"computer-skill = easy,hard", {.computerSkill = ComputerSkills{EASY, HARD, HARD, HARD, HARD}}},
        {"computer-skill = hard,normal,easy,easy,hard",
         {.computerSkill = ComputerSkills{HARD, NORMAL, EASY, EASY, HARD}}},
    };
    for (const auto& [text, expected] : cases) {
        std::vector<std::string> problems;
        EXPECT_EQ(parse(text, problems), expected) << text;
        EXPECT_TRUE(problems.empty()) << text << ": " << problems.front();
    }
}

TEST(SettingsFileText, BadLinesNameFileLineAndKeyAndKeepTheDefault) {
    const std::pair<const char*, const char*> cases[] = {
        {"volume = loud", "my.conf:1: volume takes a number 0..100, not 'loud'; the default is used"},
        {"\n\nvolume = 101", "my.conf:3: volume takes a number 0..100"},
        {"turn-time = 0", "my.conf:1: turn-time takes a number of seconds 1..3600, not '0'"},
        {"turn-time = 2.5", "turn-time takes"},
        {"computer-skill = expert", "my.conf:1: computer-skill takes easy, normal or hard"},
        {"computer-skill = easy,", "computer-skill takes"},
        {"computer-skill = easy,easy,easy,easy,easy,easy", "computer-skill takes"},
        {"screen-mode = 256", "my.conf:1: screen-mode takes a number 0..255 or game.ini"},
        {"pixel-format = 888", "pixel-format takes 555 or 565"},
        {"weather = maybe", "weather takes on, off or game.ini"},
        {"full-screen =", "full-screen takes yes or no, not ''"},
        {"# ok\nloudness = 3", "my.conf:2: unknown key 'loudness'; the line is ignored"},
        {"volume 50", "my.conf:1: expected 'key = value', not 'volume 50'"},
        {"volume = \x01\x02", "not '?" "?'"},
    };
    for (const auto& [text, message] : cases) {
        std::vector<std::string> problems;
        EXPECT_EQ(parse(text, problems), PlayerSettings{}) << text;
        ASSERT_EQ(problems.size(), 1u) << text;
        EXPECT_NE(problems[0].find(message), std::string::npos) << problems[0];
    }
    // A bad line spoils only itself.
    std::vector<std::string> problems;
    EXPECT_EQ(parse("volume = 50\nvolume = x\nturn-time = 9\n", problems),
              (PlayerSettings{.volume = 50, .turnTime = 9}));
    EXPECT_EQ(problems.size(), 1u);
}

TEST(SettingsFileText, PrintedDefaultsUncommentedParseToTheDefaults) {
    std::istringstream lines(defaultSettingsText());
    std::string uncommented;
    int keys = 0;
    for (std::string line; std::getline(lines, line);) {
        // A key line is "# key = value"; the rest are the comments about them.
        if (std::regex_match(line, std::regex("# [a-z-]+ = [^ ]+"))) {
            uncommented += line.substr(2) + "\n";
            ++keys;
        } else {
            uncommented += line + "\n";
        }
    }
    std::vector<std::string> problems;
    const PlayerSettings parsed = parse(uncommented, problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_EQ(keys, 7);
    EXPECT_TRUE(parsed.fullScreen && parsed.screenMode && parsed.pixelFormat && parsed.weather && parsed.volume &&
                parsed.turnTime && parsed.computerSkill)
        << uncommented;
    EXPECT_EQ(resolve(parsed), resolve({}));
    EXPECT_EQ(resolve({}).turnTicks, 500) << "the designed turn";
    EXPECT_EQ(parse(defaultSettingsText(), problems), PlayerSettings{}) << "as printed, everything is a comment";
}

TEST(SettingsLayers, CommandLineThenFileThenRecordingThenDefaults) {
    struct Case {
        PlayerSettings line, file, recorded;
        ResolvedSettings expected;
    };
    const Case cases[] = {
        {{}, {}, {}, {}},
        {{}, {.turnTime = 10}, {.turnTime = 30}, {.turnTicks = 200}},
        {{.turnTime = 25}, {.turnTime = 10}, {}, {.turnTicks = 500}},
        {{}, {}, {.turnTime = 30}, {.turnTicks = 600}},
        {{.screenMode = FROM_GAME_INI}, {.screenMode = 3}, {}, {.screenMode = FROM_GAME_INI}},
        {{.fullScreen = false}, {.fullScreen = true, .pixelFormat = 1, .weather = 0, .volume = 5}, {},
         {.fullScreen = false, .pixelFormat = 1, .weather = 0, .volume = 5}},
    };
    for (const Case& c : cases) EXPECT_EQ(resolve(layered(c.line, layered(c.file, c.recorded))), c.expected);
}

// Oversized and binary files: tests/e2e/settings_test.cpp, through the game.
TEST(SettingsFileRead, MissingAndUnreadableFilesAndTooManyProblems) {
    WorkDir dir;
    std::filesystem::create_directory("folder.conf");
    std::ofstream("limit.conf") << "volume = 7\n" << std::string(MAX_SETTINGS_FILE_BYTES - 11, '#');
    std::string many;
    for (int i = 0; i < 20; ++i) many += "bad line\n";
    std::ofstream("many.conf") << many;
    std::vector<std::string> problems;
    EXPECT_EQ(readSettingsFile("missing.conf", false, problems), PlayerSettings{});
    EXPECT_EQ(readSettingsFile("limit.conf", true, problems).volume, 7) << "exactly 64 KiB is read";
    EXPECT_TRUE(problems.empty());
    readSettingsFile("missing.conf", true, problems);
    readSettingsFile("folder.conf", true, problems);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0], "cannot read the settings file missing.conf: it does not exist");
    EXPECT_EQ(problems[1], "cannot read the settings file folder.conf; it is ignored");
    problems.clear();
    readSettingsFile("many.conf", true, problems);
    ASSERT_EQ(problems.size(), 11u) << "ten shown, the rest counted";
    EXPECT_EQ(problems.back(), "many.conf: 10 more problems not shown");
}

TEST(SettingsFileRead, DefaultPathFollowsXdgConfigHome) {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string savedXdg = xdg ? xdg : "", savedHome = home ? home : "";
    ::setenv("HOME", "/home/someone", 1);
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(defaultSettingsPath(), "/cfg/ramparo/ramparo.conf");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
    EXPECT_EQ(defaultSettingsPath(), "/home/someone/.config/ramparo/ramparo.conf");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(defaultSettingsPath(), "/home/someone/.config/ramparo/ramparo.conf");
    ::unsetenv("HOME");
    EXPECT_EQ(defaultSettingsPath(), "");
    if (xdg) ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    if (home) ::setenv("HOME", savedHome.c_str(), 1);
}

TEST(RecordedSettings, LinesReadBackAndBadOnesAreNamed) {
    const std::vector<std::uint8_t> ini{0x01, 0x00, 0xAB, 0x01};
    std::vector<std::string> problems;
    const ComputerSkills skills{EASY, HARD, NORMAL, NORMAL, NORMAL};
    const std::string lines = recordedSettingsLines(ini, 140, skills, true);
    EXPECT_EQ(lines, "# game.ini: 01 00 AB 01\n# turn-time: 7\n# computer-skill: easy,hard,normal\n# assist: on\n");
    const RecordedSettings back = parseRecordedSettings(lines + "# comment\n10 key A\n# turn-time: 9\n", problems);
    EXPECT_EQ(back.gameIni, ini);
    EXPECT_EQ(back.settings.turnTime, 7) << "only the lines before the first event count";
    EXPECT_EQ(back.settings.assist, true);
    EXPECT_EQ(back.settings.computerSkill, skills);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(recordedSettingsLines(std::nullopt, 500, DESIGNED_SKILLS, false),
              "# turn-time: 25\n# computer-skill: normal\n# assist: off\n");
    EXPECT_EQ(resolve({}).computerSkills, DESIGNED_SKILLS) << "no setting: the designed computer";

    const std::pair<const char*, const char*> bad[] = {
        {"# game.ini: 01 01 00\n", "needs four bytes"},
        {"# game.ini: 01 01 00 01 02\n", "needs four bytes"},
        {"# game.ini: 01 1G 00 01\n", "needs four bytes"},
        {"# game.ini: 101 01 00 01\n", "needs four bytes"},
        {"# turn-time: 0\n", "the recorded turn-time takes a number of seconds"},
        {"# computer-skill: best\n", "the recorded computer-skill takes easy, normal or hard"},
    };
    for (const auto& [text, message] : bad) {
        problems.clear();
        const RecordedSettings r = parseRecordedSettings(text, problems);
        EXPECT_FALSE(r.gameIni) << text;
        EXPECT_FALSE(r.settings.turnTime) << text;
        EXPECT_FALSE(r.settings.computerSkill) << text;
        ASSERT_EQ(problems.size(), 1u) << text;
        EXPECT_NE(problems[0].find(message), std::string::npos) << problems[0];
    }
}

TEST(RecordedSettings, BytesInUseCarryTheOverridesAndReplaceTheFile) {
    WorkDir dir;
    screenModeOverride = weatherOverride = -1;
    gameIniReplacement.reset();
    EXPECT_FALSE(settingsBytesInUse()) << "no file, no override: nothing applied";
    screenModeOverride = 2;
    EXPECT_EQ(settingsBytesInUse(), (std::vector<std::uint8_t>{2}));
    WorkDir::writeIni({1, 1, 0, 1, 9});
    weatherOverride = 0;
    EXPECT_EQ(settingsBytesInUse(), (std::vector<std::uint8_t>{2, 1, 0, 0}));
    screenModeOverride = weatherOverride = -1;
    EXPECT_EQ(settingsBytesInUse(), (std::vector<std::uint8_t>{1, 1, 0, 1}));
    gameIniReplacement = std::vector<std::uint8_t>{0, 0, 0, 0};
    EXPECT_EQ(settingsBytesInUse(), (std::vector<std::uint8_t>{0, 0, 0, 0}));
    gameIniReplacement.reset();
}
