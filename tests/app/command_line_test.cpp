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
    EXPECT_FALSE(line.backend.windowed);
    EXPECT_EQ(line.screenMode, -1);
    EXPECT_EQ(line.backend.pixelFormat, 2);
    EXPECT_EQ(line.backend.maxFrames, -1);
    EXPECT_TRUE(line.dataDir.empty());
}

TEST(CommandLineParsing, EveryOption) {
    const CommandLine line = parse({"--data", "/d", "--window", "--screen-mode", "3", "--pixel-format", "555",
                                    "--headless", "--script", "s.txt", "--max-frames=600", "--stats", "-"});
    ASSERT_EQ(line.action, CommandLine::Action::Run) << line.error;
    EXPECT_EQ(line.dataDir, "/d");
    EXPECT_TRUE(line.backend.windowed);
    EXPECT_EQ(line.screenMode, 3);
    EXPECT_EQ(line.backend.pixelFormat, 1);
    EXPECT_TRUE(line.headless);
    EXPECT_EQ(line.backend.scriptFile, "s.txt");
    EXPECT_EQ(line.backend.maxFrames, 600);
    EXPECT_EQ(line.backend.statsFile, "-");
    EXPECT_EQ(parse({"--record", "r.txt"}).backend.recordFile, "r.txt");
    EXPECT_EQ(parse({"--pixel-format", "565"}).backend.pixelFormat, 2);
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
