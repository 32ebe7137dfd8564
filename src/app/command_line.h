// The command line. Without arguments the game plays exactly as it always has; every option here is
// an addition (data directory, window, display overrides, and the headless test runs).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/backends.h"

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::string error;  // why the command line was refused (Action::Error)
    bool headless = false;
    std::string dataDir;  // --data; empty: found as usual
    int screenMode = -1;  // --screen-mode; -1: byte 0 of "game.ini"
    platform::BackendOptions backend;
};

// args excludes the program name.
CommandLine parseCommandLine(std::span<const std::string_view> args);

// Every option the parser accepts, so that tests can hold the help text and the manual to them.
std::vector<std::string_view> knownOptions();

std::string usageText();
std::string versionText();
