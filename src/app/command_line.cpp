#include "app/command_line.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace {

bool parseInteger(std::string_view text, long long low, long long high, long long& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end && value >= low && value <= high;
}

constexpr std::string_view optionsWithValue[] = {"--data",   "--config",     "--screen-mode", "--pixel-format",
                                                   "--weather", "--volume",    "--turn-time",   "--computer-skill", "--script",
                                                   "--max-frames", "--stats",  "--record", "--join", "--name", "--pace"};
constexpr std::string_view flags[] = {"--help",   "-h",          "--version",     "--print-config",
                                      "--window", "--full-screen", "--headless", "--assist", "--no-assist", "--host"};
// The options that set a key of the settings file, by the same name.
constexpr std::string_view settingOptions[] = {"--screen-mode", "--pixel-format", "--weather", "--volume",
                                               "--turn-time", "--computer-skill"};

}  // namespace

std::vector<std::string_view> knownOptions() {
    std::vector<std::string_view> all(std::begin(optionsWithValue), std::end(optionsWithValue));
    all.insert(all.end(), std::begin(flags), std::end(flags));
    return all;
}

namespace {

CommandLine refused(std::string error) {
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.error = std::move(error);
    return line;
}

}  // namespace

CommandLine parseCommandLine(std::span<const std::string_view> args) {
    CommandLine line;
    bool headlessOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view option = args[i];
        std::string_view value;
        bool hasValue = false;
        // Both "--data DIR" and "--data=DIR".
        if (const auto equals = option.find('=');
            option.starts_with("--") && equals != std::string_view::npos) {
            value = option.substr(equals + 1);
            option = option.substr(0, equals);
            hasValue = true;
        }
        // --host takes a port or nothing.
        if (option == "--host") {
            if (!hasValue && i + 1 < args.size() && !args[i + 1].empty() && !args[i + 1].starts_with("-")) {
                value = args[++i];
                hasValue = true;
            }
            long long port = 0;
            if (hasValue && !parseInteger(value, 1, 65535, port))
                return refused("--host takes a port number 1..65535, not '" + std::string(value) + "'");
            line.host = true;
            line.port = static_cast<std::uint16_t>(port);
            continue;
        }
        const bool takesValue = std::ranges::find(optionsWithValue, option) != std::end(optionsWithValue);
        const bool isFlag = std::ranges::find(flags, option) != std::end(flags);
        if (!takesValue && !isFlag) {
            return refused(option.starts_with("-") ? "unknown option '" + std::string(option) + "'"
                                                   : "unexpected argument '" + std::string(option) + "'");
        }
        if (takesValue && !hasValue) {
            if (i + 1 >= args.size()) return refused("option '" + std::string(option) + "' needs a value");
            value = args[++i];
        } else if (isFlag && hasValue) {
            return refused("option '" + std::string(option) + "' takes no value");
        }
        const std::string shown(value);
        long long number = 0;
        if (option == "--help" || option == "-h") {
            line.action = CommandLine::Action::Help;
            return line;
        } else if (option == "--version") {
            line.action = CommandLine::Action::Version;
            return line;
        } else if (option == "--data") {
            if (value.empty()) return refused("option '--data' needs a directory");
            line.dataDir = shown;
        } else if (option == "--print-config") {
            line.action = CommandLine::Action::PrintConfig;
            return line;
        } else if (option == "--window" || option == "--full-screen") {
            line.settings.fullScreen = option == "--full-screen";
        } else if (option == "--assist" || option == "--no-assist") {
            line.settings.assist = option == "--assist";
        } else if (std::ranges::find(settingOptions, option) != std::end(settingOptions)) {
            std::string why;
            if (!setSetting(line.settings, option.substr(2), value, why))
                return refused(std::string(option) + " takes " + why);
        } else if (option == "--config") {
            if (value.empty()) return refused("option '--config' needs a file name");
            line.configFile = shown;
        } else if (option == "--headless") {
            line.headless = true;
        } else if (option == "--script") {
            line.backend.scriptFile = shown;
            headlessOnly = true;
        } else if (option == "--max-frames") {
            if (!parseInteger(value, 0, 1'000'000'000'000, number))
                return refused("--max-frames takes a number of frames, not '" + shown + "'");
            line.backend.maxFrames = number;
            headlessOnly = true;
        } else if (option == "--stats") {
            if (value.empty()) return refused("option '--stats' needs a file name or '-'");
            line.backend.statsFile = shown;
            headlessOnly = true;
        } else if (option == "--record") {
            if (value.empty()) return refused("option '--record' needs a file name");
            line.backend.recordFile = shown;
        } else if (option == "--join") {
            // ADDRESS or ADDRESS:PORT
            const std::size_t colon = value.rfind(':');
            if (colon != std::string_view::npos && value.find(':') != colon)
                return refused("--join takes an IPv4 address or a host name (the network speaks IPv4 only), not '" +
                               shown + "'");
            long long port = 0;
            if (colon != std::string_view::npos && !parseInteger(value.substr(colon + 1), 1, 65535, port))
                return refused("--join takes ADDRESS or ADDRESS:PORT (a port 1..65535), not '" + shown + "'");
            line.joinAddress = std::string(value.substr(0, colon));
            if (line.joinAddress.empty()) return refused("--join needs the host's address");
            line.port = static_cast<std::uint16_t>(port);
        } else if (option == "--name") {
            line.name = shown;
        } else if (option == "--pace") {
            if (!parseInteger(value, 1, 100000, number))
                return refused("--pace takes frames a second, 1..100000, not '" + shown + "'");
            line.pace = static_cast<int>(number);
        }
    }
    if (headlessOnly && !line.headless) return refused("--script, --max-frames and --stats need --headless");
    const bool online = line.host || !line.joinAddress.empty();
    if (line.host && !line.joinAddress.empty()) return refused("--host and --join cannot both be given");
    if (!line.name.empty() && line.joinAddress.empty()) return refused("--name needs --join");
    if (line.pace != 0 && !(line.host && line.headless)) return refused("--pace needs --headless and --host");
    if (!line.backend.recordFile.empty() && line.headless && !online)
        return refused("--record needs the window or an online game (--host, --join)");
    return line;
}

std::string usageText() {
    return "Usage: ramparo [OPTION]...\n"
           "Ramparo, a turn-based artillery game for 2 to 5 players.\n"
           "\n"
           "  -h, --help           show this help and exit\n"
           "  --version            show the version and exit\n"
           "  --data DIR           read the game's files from DIR\n"
           "  --config FILE        read the settings from FILE instead of\n"
           "                       $XDG_CONFIG_HOME/ramparo/ramparo.conf (~/.config/ramparo/...);\n"
           "                       headless runs read a settings file only when given this\n"
           "  --print-config       write every setting with its default, commented out, and exit\n"
           "  --window             start in a window instead of full screen (Alt+Enter toggles)\n"
           "  --full-screen        start full screen, whatever the settings file says\n"
           "  --screen-mode N      use screen mode N instead of byte 0 of game.ini (not written):\n"
           "                       0 = 320x240, 1 = 640x480, 2 = 800x600, 3 = 1024x768\n"
           "  --pixel-format F     16-bit pixel layout: 565 (default) or 555\n"
           "  --weather W          on, off, or game.ini (its byte 3 decides; the default)\n"
           "  --volume N           loudness in percent, 0..100 (default 100, as designed)\n"
           "  --turn-time SECONDS  time for a turn, 1..3600 (default 25); the battle's time limit\n"
           "                       scales with it\n"
           "  --computer-skill S   easy, normal (the designed computer; the default) or hard; a list\n"
           "                       such as easy,hard gives players 1, 2, ... their own, the last\n"
           "                       one for the rest\n"
           "  --assist             aiming aids: angle and power, the last shots' traces, arrows to\n"
           "                       fortresses off screen, damage bars, the weapon and aim kept from\n"
           "                       the last turn, the clock in seconds (--no-assist: off, the default)\n"
           "  --record FILE        write this session's input as an input script, which\n"
           "                       --headless --script FILE replays (headless: online games only)\n"
           "\n"
           "Online play (see the README, \"Playing online\"):\n"
           "  --host [PORT]        host a game others can join (port 24680 unless given)\n"
           "  --join ADDRESS[:PORT]  join the game hosted at ADDRESS; its settings are used\n"
           "  --name NAME          the name your player gets when the host gives you one\n"
           "\n"
           "Test runs:\n"
           "  --headless           no window and no sound device; virtual time\n"
           "  --script FILE        feed the input script FILE\n"
           "  --max-frames N       end the run after N frames of virtual time\n"
           "  --stats FILE         write the run's statistics as JSON to FILE ('-': standard output)\n"
           "  --pace FPS           a headless host's frames a second (60 unless given; tests run faster)\n"
           "  (--script, --max-frames and --stats need --headless)\n"
           "\n"
           "An option's value may also follow '=', as in --data=DIR. The command line wins over the\n"
           "settings file, which wins over game.ini; a replayed script's recorded settings come\n"
           "under the settings file.\n"
           "Without --data the game reads its files from the current directory when it holds them,\n"
           "else from the data directory it was built or installed with. It never writes there.\n"
           "F12 saves a screenshot in the pictures folder (XDG_PICTURES_DIR, else ~/Pictures).\n"
           "See also: man 6 ramparo\n";
}

std::string gameVersion() { return RAMPARO_VERSION; }

std::string versionText() { return "ramparo " + gameVersion() + "\n"; }
