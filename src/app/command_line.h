// The command line. Without arguments the game plays exactly as it always has; every option here is
// an addition (data directory, window, display overrides, and the headless test runs).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/config_file.h"
#include "platform/backends.h"

struct CommandLine {
    enum class Action { Run, Help, Version, PrintConfig, Error };
    Action action = Action::Run;
    std::string error;  // why the command line was refused (Action::Error)
    bool headless = false;
    std::string dataDir;  // --data; empty: found as usual
    std::string configFile;   // --config; empty: the usual settings file in a window, none headless
    PlayerSettings settings;  // the settings given on the command line, over every other layer
    // Online play: --host [PORT] listens; --join ADDRESS[:PORT] joins, as --name.
    bool host = false;
    std::string joinAddress;
    std::uint16_t port = 0;  // 0: the default port
    std::string name;
    int pace = 0;  // --pace: a headless host's frames a second; 0 the usual 60
    platform::BackendOptions backend;  // windowed and pixelFormat are set once the layers are known
};

// args excludes the program name.
CommandLine parseCommandLine(std::span<const std::string_view> args);

// Every option the parser accepts, so that tests can hold the help text and the manual to them.
std::vector<std::string_view> knownOptions();

std::string usageText();
std::string versionText();
// The version alone ("1.2.0").
std::string gameVersion();
