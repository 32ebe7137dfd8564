// Input scripts: one event a line, "<frame> <command> [args]", '#' starts a comment. Headless runs
// play them; a window session can be recorded as one. The frame is virtual time in 60 Hz frames;
// "START+PERIOD" repeats the event every PERIOD frames from START.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace platform {

struct ScriptEvent {
    enum class Kind { Key, Move, Press, Release, Click, Screenshot, Hash, LoseSurfaces, Quit };
    std::int64_t frame = 0;
    std::int64_t period = 0;  // 0: once
    Kind kind = Kind::Quit;
    int virtualKey = 0;                      // Key
    Point point;                             // Move, Click
    MouseButton button = MouseButton::Left;  // Press, Release
    std::string file;                        // Screenshot
    int line = 0;                            // where it was written, for messages
};

// Parses a whole script. False with "line N: ..." in error at the first malformed line.
bool parseScript(std::string_view text, std::vector<ScriptEvent>& events, std::string& error);
// Reads and parses a script file; the error names the file and the line.
bool loadScript(const std::string& path, std::vector<ScriptEvent>& events, std::string& error);
// A key as scripts name it: A..Z, 0..9, SPACE, ESCAPE, BACKSPACE, RETURN, else its code as 0xNN.
std::string keyName(int virtualKey);
// One event as a script line (no newline), in the form parseScript reads back.
std::string formatScriptEvent(const ScriptEvent& event);

}  // namespace platform
