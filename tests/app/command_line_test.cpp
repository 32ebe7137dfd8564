#include "app/command_line.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "../read_file.h"

namespace {

// What a parsed command line asks for, in one line of text.
std::string summary(const CommandLine& line) {
    if (line.action == CommandLine::Action::Error) return "error: " + line.error;
    const char* actions[] = {"run", "help", "version", "print-config"};
    std::ostringstream out;
    out << actions[static_cast<int>(line.action)] << (line.headless ? " headless" : "");
    const platform::BackendOptions& b = line.backend;
    for (const auto& [name, value] : {std::pair{" data=", line.dataDir}, {" config=", line.configFile},
                                      {" script=", b.scriptFile}, {" stats=", b.statsFile}, {" record=", b.recordFile}})
        if (!value.empty()) out << name << value;
    if (b.maxFrames != -1) out << " frames=" << b.maxFrames;
    if (line.pace != 0) out << " pace=" << line.pace;
    if (line.host) out << " host";
    if (!line.joinAddress.empty()) out << " join=" << line.joinAddress;
    if (line.port != 0) out << " port=" << line.port;
    if (!line.name.empty()) out << " name=" << line.name;
    return out.str();
}

}  // namespace

TEST(CommandLineParsing, ArgumentsToWhatTheyAskFor) {
    constexpr ComputerSkill NORMAL = ComputerSkill::Normal, EASY = ComputerSkill::Easy;
    const struct {
        std::vector<std::string_view> args;
        std::string expected;
        PlayerSettings settings;
    } cases[] = {
        {{}, "run", {}},  // as the game always played, with no settings layer of its own
        {{"--data", "/d", "--window", "--screen-mode", "3", "--pixel-format", "555", "--headless", "--script", "s.txt",
          "--max-frames=600", "--stats", "-"},
         "run headless data=/d script=s.txt stats=- frames=600",
         {.fullScreen = false, .screenMode = 3, .pixelFormat = 1}},
        {{"--config", "my.conf", "--turn-time=40", "--volume", "0", "--weather", "off", "--window", "--full-screen",
          "--screen-mode", "game.ini", "--pixel-format", "565"},
         "run config=my.conf",  // the later of --window and --full-screen
         {.fullScreen = true, .screenMode = FROM_GAME_INI, .pixelFormat = 2, .weather = 0, .volume = 0,
          .turnTime = 40}},
        {{"--computer-skill", "normal,easy"}, "run",
         {.computerSkill = ComputerSkills{NORMAL, EASY, EASY, EASY, EASY}}},
        {{"--assist"}, "run", {.assist = true}},
        {{"--assist", "--no-assist"}, "run", {.assist = false}},
        {{"--record", "r.txt"}, "run record=r.txt", {}},
        {{"--headless", "--max-frames", "0"}, "run headless frames=0", {}},
        {{"--print-config", "--bogus"}, "print-config", {}},
        {{"--window", "--help", "--bogus"}, "help", {}}, {{"-h"}, "help", {}},
        {{"--version"}, "version", {}},
        {{"--bogus"}, "error: unknown option '--bogus'", {}},
        {{"extra"}, "error: unexpected argument 'extra'", {}},
        {{"--data"}, "error: option '--data' needs a value", {}},
        {{"--data="}, "error: option '--data' needs a directory", {}},
        {{"--config="}, "error: option '--config' needs a file name", {}},
        {{"--headless", "--stats="}, "error: option '--stats' needs a file name or '-'", {}},
        {{"--record="}, "error: option '--record' needs a file name", {}},
        {{"--screen-mode", "256"}, "error: --screen-mode takes a number 0..255 or game.ini, not '256'", {}},
        {{"--headless", "--max-frames", "-1"}, "error: --max-frames takes a number of frames, not '-1'", {}},
        {{"--script", "s.txt"}, "error: --script, --max-frames and --stats need --headless", {}},
        {{"--stats", "-"}, "error: --script, --max-frames and --stats need --headless", {}},
        {{"--headless", "--pace", "30"}, "error: --pace needs --headless and --host", {}},
        {{"--headless", "--record", "r.txt"},
         "error: --record needs the window or an online game (--host, --join)", {}},
        // Online: the port follows --host only when it is not another option.
        {{"--host"}, "run host", {}},
        {{"--host", "5000", "--headless", "--record", "r.txt", "--pace", "200"},
         "run headless record=r.txt pace=200 host port=5000", {}},
        {{"--host=5000"}, "run host port=5000", {}},
        {{"--host", "0"}, "error: --host takes a port number 1..65535, not '0'", {}},
        {{"--join", "a:b"}, "error: --join takes ADDRESS or ADDRESS:PORT (a port 1..65535), not 'a:b'", {}},
        {{"--join", "host:24680", "--name", "ANN"}, "run join=host port=24680 name=ANN", {}},
        {{"--join=example.org"}, "run join=example.org", {}},
        {{"--join", "::1"}, "error: --join takes an IPv4 address or a host name (the network speaks IPv4 only), not '::1'", {}},
        {{"--name", "ANN"}, "error: --name needs --join", {}},
        {{"--host", "--join", "h"}, "error: --host and --join cannot both be given", {}},
        {{"--window=yes"}, "error: option '--window' takes no value", {}},
        {{"--volume", "101"}, "error: --volume takes a number 0..100, not '101'", {}},
    };
    for (const auto& [args, expected, settings] : cases) {
        const CommandLine line = parseCommandLine(args);
        EXPECT_EQ(summary(line), expected);
        if (line.action == CommandLine::Action::Run) {
            EXPECT_EQ(line.settings, settings) << expected;
        }
    }
    EXPECT_EQ(versionText(), "ramparo " RAMPARO_VERSION "\n");
}

TEST(CommandLineParsing, EveryOptionIsNamedInTheHelpTheManualAndTheReadme) {
    const std::string manual =  // the manual writes - as \-
        std::regex_replace(readFile(RAMPARO_TEST_SOURCE_DIR "/../docs/ramparo.6.in"), std::regex(R"(\\-)"), "-");
    const std::string readme = readFile(RAMPARO_TEST_SOURCE_DIR "/../README.md");
    for (const std::string_view option : knownOptions()) {
        const std::regex word("(^|[^-\\w])" + std::string(option) + "($|[^-\\w])");  // not "-h" in "--help"
        for (const auto& [where, text] : {std::pair{"--help", usageText()}, {"the manual", manual}, {"README", readme}})
            EXPECT_TRUE(std::regex_search(text, word)) << option << " missing from " << where;
    }
}
