// Creating the backend chosen on the command line.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace platform {

namespace net {
class Session;
}

struct BackendOptions {
    int pixelFormat = 2;       // 2 = 5-6-5; 1 forces 5-5-5 (--pixel-format 555)
    bool windowed = false;     // --window: start in a window instead of desktop full screen
    std::string dataDir;       // the directory the game reads its files from (already changed into)
    // Headless only.
    std::string scriptFile;    // --script
    long long maxFrames = -1;  // --max-frames; -1 runs until the game ends
    std::string statsFile;     // --stats; "-" is standard output
    // Window, and headless in an online game.
    std::string recordFile;    // --record
    std::string recordHeader;  // the recorded settings, written first ("# game.ini: ..." lines)
    // An online game (--host, --join), owned by main; null for a game at one machine.
    net::Session* session = nullptr;
    bool pads = true;          // gamepads feed the game
    int padDeadZone = 15;      // percent of a stick's travel
    int padSpeed = 100;        // percent of the pointer's top speed
};

// Null with a message in *error when the backend cannot start (no display, a malformed script).
std::unique_ptr<Platform> createSdlPlatform(const BackendOptions& options, std::string* error);
std::unique_ptr<Platform> createHeadlessPlatform(const BackendOptions& options, std::string* error);

}  // namespace platform
