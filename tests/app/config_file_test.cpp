#include "core/config_file.h"

#include <gtest/gtest.h>

#include <regex>

#include "core/settings.h"
#include "work_dir.h"

namespace {

constexpr ComputerSkill EASY = ComputerSkill::Easy, NORMAL = ComputerSkill::Normal, HARD = ComputerSkill::Hard;

PlayerSettings parse(std::string_view text, std::vector<std::string>& problems) {
    return parseSettingsText(text, "my.conf", problems);
}

}  // namespace

TEST(SettingsFileText, GoodLinesCommentsAndBlankLines) {
    const std::pair<const char*, PlayerSettings> cases[] = {
        {"# only a comment\n\n   \n\t# another\n", {}},
        {"full-screen = no\n", {.fullScreen = false}},
        {"full-screen=yes", {.fullScreen = true}},
        {"  screen-mode\t=  2   # 800 x 600\r\n", {.screenMode = 2}},
        {"screen-mode = 255", {.screenMode = 255}},
        {"screen-mode = game.ini", {.screenMode = FROM_GAME_INI}},
        {"pixel-format = 555", {.pixelFormat = 1}},
        {"pixel-format = 565", {.pixelFormat = 2}},
        {"weather = off\nweather = on", {.weather = 1}},  // the last one counts
        {"weather = game.ini", {.weather = FROM_GAME_INI}},
        {"volume = 0\nturn-time = 3600", {.volume = 0, .turnTime = 3600}},
        {"volume = 100\nturn-time = 1", {.volume = 100, .turnTime = 1}},
        {"computer-skill = hard", {.computerSkill = ComputerSkills{HARD, HARD, HARD, HARD, HARD}}},
        {"computer-skill = easy,hard", {.computerSkill = ComputerSkills{EASY, HARD, HARD, HARD, HARD}}},
        {"computer-skill = hard,normal,easy,easy,hard",
         {.computerSkill = ComputerSkills{HARD, NORMAL, EASY, EASY, HARD}}},
        {"assist = on", {.assist = true}},
        {"assist = off", {.assist = false}},
        {"pads = off\npad-dead-zone = 0\npad-speed = 400", {.pads = false, .padDeadZone = 0, .padSpeed = 400}},
        {"pads = on\npad-dead-zone = 90\npad-speed = 10", {.pads = true, .padDeadZone = 90, .padSpeed = 10}},
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
        {"volume = -1", "volume takes a number 0..100"},
        {"turn-time = 0", "my.conf:1: turn-time takes a number of seconds 1..3600, not '0'"},
        {"turn-time = 3601", "turn-time takes"},
        {"computer-skill = expert", "my.conf:1: computer-skill takes easy, normal or hard"},
        {"computer-skill = easy,", "computer-skill takes"},
        {"computer-skill = easy,easy,easy,easy,easy,easy", "computer-skill takes"},
        {"screen-mode = 256", "my.conf:1: screen-mode takes a number 0..255 or game.ini"},
        {"pads = maybe", "my.conf:1: pads takes on or off"},
        {"pad-dead-zone = 91", "pad-dead-zone takes a number 0..90"},
        {"pad-speed = 9", "pad-speed takes a number 10..400"},
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
    std::vector<std::string> problems;
    EXPECT_EQ(parse("volume = 50\nvolume = x\nturn-time = 9\n", problems),
              (PlayerSettings{.volume = 50, .turnTime = 9})) << "a bad line spoils only itself";
}

TEST(SettingsFileText, PrintedDefaultsAreAllCommentedOutAndUncommentedGiveTheDefaults) {
    std::vector<std::string> problems;
    EXPECT_EQ(parse(defaultSettingsText(), problems), PlayerSettings{});
    const std::string uncommented =
        std::regex_replace(defaultSettingsText(), std::regex("(^|\n)# ([a-z-]+ = )"), "$1$2");
    const PlayerSettings parsed = parse(uncommented, problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_TRUE(parsed.fullScreen && parsed.screenMode && parsed.pixelFormat && parsed.weather && parsed.volume &&
                parsed.turnTime && parsed.computerSkill && parsed.pads && parsed.padDeadZone && parsed.padSpeed)
        << uncommented;
    EXPECT_EQ(resolve(parsed), resolve({}));
    EXPECT_EQ(resolve({}).turnTicks, 500) << "the designed turn";
    EXPECT_EQ(resolve({}).computerSkills, DESIGNED_SKILLS) << "no setting: the designed computer";
}

TEST(SettingsFileRead, MissingUnreadableAndTooManyProblems) {
    WorkDir dir;
    std::filesystem::create_directory("folder.conf");
    std::ofstream("limit.conf") << "volume = 7\n" << std::string(MAX_SETTINGS_FILE_BYTES - 11, '#');
    for (std::ofstream many("many.conf"); many.tellp() < 20 * 9;) many << "bad line\n";
    std::vector<std::string> problems;
    EXPECT_EQ(readSettingsFile("missing.conf", false, problems), PlayerSettings{});
    EXPECT_EQ(readSettingsFile("limit.conf", true, problems).volume, 7) << "exactly 64 KiB is read";
    EXPECT_TRUE(problems.empty());
    readSettingsFile("missing.conf", true, problems);
    readSettingsFile("folder.conf", true, problems);
    readSettingsFile("many.conf", true, problems);
    ASSERT_EQ(problems.size(), 2u + 11u) << "ten shown, the rest counted";
    EXPECT_EQ(problems[0], "cannot read the settings file missing.conf: it does not exist");
    EXPECT_EQ(problems[1], "cannot read the settings file folder.conf; it is ignored");
    EXPECT_EQ(problems.back(), "many.conf: 10 more problems not shown");
}

TEST(SettingsFileRead, DefaultPathFollowsXdgConfigHome) {
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"/home/someone", "/cfg", "/cfg/ramparo/ramparo.conf"},
        {"/home/someone", "relative", "/home/someone/.config/ramparo/ramparo.conf"},  // not absolute: ignored
        {"/home/someone", nullptr, "/home/someone/.config/ramparo/ramparo.conf"},
        {"/", nullptr, "/.config/ramparo/ramparo.conf"},
        {nullptr, nullptr, ""}};
    for (const auto& [homeDir, config, path] : cases) {
        homeDir ? ::setenv("HOME", homeDir, 1) : ::unsetenv("HOME");
        config ? ::setenv("XDG_CONFIG_HOME", config, 1) : ::unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(defaultSettingsPath(), path) << (config ? config : "unset");
    }
    ::setenv("HOME", home.c_str(), 1);
}

TEST(RecordedSettings, LinesReadBackAndBadOnesAreNamed) {
    const std::vector<std::uint8_t> ini{0x01, 0x00, 0xAB, 0x01};
    const ComputerSkills skills{EASY, HARD, NORMAL, NORMAL, NORMAL};
    const std::string lines = recordedSettingsLines(ini, 140, skills, true);
    EXPECT_EQ(lines, "# game.ini: 01 00 AB 01\n# turn-time: 7\n# computer-skill: easy,hard,normal\n# assist: on\n");
    EXPECT_EQ(recordedSettingsLines(std::nullopt, 500, DESIGNED_SKILLS, false),
              "# turn-time: 25\n# computer-skill: normal\n# assist: off\n");
    std::vector<std::string> problems;
    const RecordedSettings back = parseRecordedSettings(lines + "# comment\n10 key A\n# turn-time: 9\n", problems);
    EXPECT_EQ(back.gameIni, ini);
    EXPECT_EQ(back.settings.turnTime, 7) << "only the lines before the first event count";
    EXPECT_EQ(back.settings.computerSkill, skills);
    EXPECT_EQ(back.settings.assist, true);
    parseRecordedSettings("# game.ini: 01 01 00\n# turn-time: 0\n# computer-skill: best\n# assist: maybe\n", problems);
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_EQ(problems[3], "the recorded assist takes on or off, not 'maybe'");
    EXPECT_EQ(problems[0], "the recorded game.ini line '# game.ini: 01 01 00' needs four bytes in hex");
    EXPECT_EQ(problems[1], "the recorded turn-time takes a number of seconds 1..3600, not '0'");
    EXPECT_TRUE(problems[2].starts_with("the recorded computer-skill takes easy, normal or hard")) << problems[2];
}

TEST(RecordedSettings, BytesInUseCarryTheOverridesAndReplaceTheFile) {
    WorkDir dir;
    screenModeOverride = weatherOverride = -1;
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
