#include "app/command_line.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <vector>

#include "app/data_dir.h"

namespace {
CommandLine parse(std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> list(args);
    return parseCommandLine(list);
}
}  // namespace

TEST(CommandLineParsing, NoArgumentsPlaysAsAlways) {
    const CommandLine line = parse({});
    EXPECT_EQ(line.action, CommandLine::Action::Run);
    EXPECT_FALSE(line.headless);
    EXPECT_EQ(line.settings, PlayerSettings{}) << "no layer of its own";
    EXPECT_TRUE(line.configFile.empty());
    EXPECT_EQ(line.backend.maxFrames, -1);
    EXPECT_TRUE(line.dataDir.empty());
}

TEST(CommandLineParsing, EveryOption) {
    const CommandLine line = parse({"--data", "/d", "--window", "--screen-mode", "3", "--pixel-format", "555",
                                    "--headless", "--script", "s.txt", "--max-frames=600", "--stats", "-"});
    ASSERT_EQ(line.action, CommandLine::Action::Run) << line.error;
    EXPECT_EQ(line.dataDir, "/d");
    EXPECT_EQ(line.settings.fullScreen, false);
    EXPECT_EQ(line.settings.screenMode, 3);
    EXPECT_EQ(line.settings.pixelFormat, 1);
    EXPECT_TRUE(line.headless);
    EXPECT_EQ(line.backend.scriptFile, "s.txt");
    EXPECT_EQ(line.backend.maxFrames, 600);
    EXPECT_EQ(line.backend.statsFile, "-");
    EXPECT_EQ(parse({"--record", "r.txt"}).backend.recordFile, "r.txt");
    EXPECT_EQ(parse({"--pixel-format", "565"}).settings.pixelFormat, 2);
    const CommandLine more = parse({"--config", "my.conf", "--turn-time=40", "--volume", "0", "--weather", "off",
                                    "--window", "--full-screen", "--screen-mode", "game.ini"});
    ASSERT_EQ(more.action, CommandLine::Action::Run) << more.error;
    EXPECT_EQ(more.configFile, "my.conf");
    EXPECT_EQ(more.settings.turnTime, 40);
    EXPECT_EQ(parse({"--computer-skill", "normal,easy"}).settings.computerSkill,
              (ComputerSkills{ComputerSkill::Normal, ComputerSkill::Easy, ComputerSkill::Easy, ComputerSkill::Easy,
                              ComputerSkill::Easy}));
    EXPECT_EQ(more.settings.volume, 0);
    EXPECT_EQ(more.settings.weather, 0);
    EXPECT_EQ(more.settings.fullScreen, true) << "the later of --window and --full-screen";
    EXPECT_EQ(more.settings.screenMode, FROM_GAME_INI);
    EXPECT_EQ(parse({"--print-config", "--bogus"}).action, CommandLine::Action::PrintConfig);
}

TEST(CommandLineParsing, HelpAndVersionWinOverTheRest) {
    EXPECT_EQ(parse({"--window", "--help", "--bogus"}).action, CommandLine::Action::Help);
    EXPECT_EQ(parse({"-h"}).action, CommandLine::Action::Help);
    EXPECT_EQ(parse({"--version"}).action, CommandLine::Action::Version);
    EXPECT_NE(usageText().find("--max-frames"), std::string::npos);
    EXPECT_EQ(versionText().rfind("ramparo ", 0), 0u);
}

TEST(CommandLineParsing, RefusalsSayWhy) {
    const std::pair<std::vector<std::string_view>, const char*> cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"extra"}, "unexpected argument 'extra'"},
        {{"--data"}, "needs a value"},
        {{"--screen-mode", "256"}, "0..255"},
        {{"--screen-mode", "-1"}, "0..255"},
        {{"--screen-mode", "2x"}, "0..255"},
        {{"--pixel-format", "888"}, "555 or 565"},
        {{"--headless", "--max-frames", "-5"}, "number of frames"},
        {{"--script", "s.txt"}, "need --headless"},
        {{"--stats", "-"}, "need --headless"},
        {{"--headless", "--record", "r.txt"}, "--record"},
        {{"--window=yes"}, "takes no value"},
        {{"--bogus=1"}, "unknown option '--bogus'"},
        {{"--turn-time", "0"}, "--turn-time takes a number of seconds 1..3600, not '0'"},
        {{"--computer-skill=clever"}, "--computer-skill takes easy, normal or hard"},
        {{"--volume", "101"}, "--volume takes a number 0..100"},
        {{"--weather", "rain"}, "--weather takes on, off or game.ini"},
        {{"--config"}, "needs a value"},
        {{"--config="}, "needs a file name"},
        {{"--full-screen=no"}, "takes no value"},
    };
    for (const auto& [args, why] : cases) {
        const CommandLine line = parseCommandLine(args);
        EXPECT_EQ(line.action, CommandLine::Action::Error) << why;
        EXPECT_NE(line.error.find(why), std::string::npos) << line.error;
    }
}

TEST(DataDirectory, ChoiceOrder) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("ramparo_data_" + std::to_string(::getpid()));
    const fs::path empty = root / "empty";
    const fs::path withData = root / "with";
    const fs::path built = root / "built";
    fs::create_directories(empty);
    fs::create_directories(withData);
    fs::create_directories(built);
    std::ofstream(withData / "mouse.spr") << "x";
    const std::vector<fs::path> builtIn{root / "missing", built};

    EXPECT_EQ(chooseDataDirectory("/given", withData, builtIn), "/given");
    EXPECT_EQ(chooseDataDirectory("", withData, builtIn), withData);
    EXPECT_EQ(chooseDataDirectory("", empty, builtIn), built) << "the first built-in directory that exists";
    EXPECT_EQ(chooseDataDirectory("", empty, std::vector<fs::path>{root / "missing"}), empty);
    fs::remove_all(root);
}
