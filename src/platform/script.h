// Input scripts: one event a line, "<frame> <command> [args]", '#' starts a comment. Headless runs
// play them; a window session can be recorded as one. The frame is virtual time in 60 Hz frames;
// "START+PERIOD" repeats the event every PERIOD frames from START.
//
// An online game's recording adds who made each input ("<frame> @2 key A": peer 2; without it the
// host, or the only machine) and the peers that join and leave ("<frame> join 2 NAME",
// "<frame> leave 2"); a replay hands them to the game as the session did.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace platform {

struct ScriptEvent {
    enum class Kind { Key, Move, Press, Release, Click, Screenshot, Hash, LoseSurfaces, Quit, Join, Leave };
    std::int64_t frame = 0;
    std::int64_t period = 0;  // 0: once
    Kind kind = Kind::Quit;
    int virtualKey = 0;                      // Key
    Point point;                             // Move, Click
    MouseButton button = MouseButton::Left;  // Press, Release
    std::string file;                        // Screenshot
    int peer = 0;                            // whose input (0: the host or local); Join, Leave: who
    std::string name;                        // Join: the peer's player name
    int line = 0;                            // where it was written, for messages
};

// Parses a whole script. False with "line N: ..." in error at the first malformed line.
bool parseScript(std::string_view text, std::vector<ScriptEvent>& events, std::string& error);
// Reads and parses a script file; the error names the file and the line.
bool loadScript(const std::string& path, std::vector<ScriptEvent>& events, std::string& error);
// The highest peer number an online game gives a joined machine.
constexpr int MAX_PEER = 4;
// A joined player's name as the game shows it: A..Z, 0..9, at most this long.
constexpr std::size_t MAX_PEER_NAME = 12;
// The name cut down to what names may hold (letters upper-cased); empty when nothing is left.
std::string peerName(std::string_view wanted);

// A key as scripts name it: A..Z, 0..9, SPACE, ESCAPE, BACKSPACE, RETURN, else its code as 0xNN.
std::string keyName(int virtualKey);
// One event as a script line (no newline), in the form parseScript reads back.
std::string formatScriptEvent(const ScriptEvent& event);

}  // namespace platform
