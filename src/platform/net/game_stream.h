// What both backends do with an online game's stream at a wait point: hand its events to the game
// as every machine does, record them, and say so when the game has ended under this machine.
#pragma once

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/script.h"

namespace platform {

namespace net {
class Session;
}

// An input event to the game, only when the machine that made it may act now (every input of a
// game at one machine is the host's); joins and leaves always. `movePointer` puts the pointer where
// a move says. False for the events that are not input (screenshots, hashes, ...): the backend's.
bool handInput(const ScriptEvent& event, InputHandler* handler, const std::function<void(Point)>& movePointer);

class GameStream {
public:
    // `header`: the host's settings, which start a recording and a report.
    GameStream(net::Session& session, std::string header) : session(session), header(std::move(header)) {}

    // Hands the events of every frame up to `frame` to `hand` in order, writing each to `record`
    // when it is open; the host then learns whose input the game takes. False when the online game
    // has ended and the frame will never come.
    bool take(std::int64_t frame, InputHandler* handler, std::ofstream& record,
              const std::function<void(const ScriptEvent&)>& hand);
    // The online game ended before `frame`: the recording ends there, and a report is written when
    // the machines went out of step. What the game is to be told.
    SessionEnded end(std::int64_t frame, std::ofstream& record);

private:
    net::Session& session;
    std::string header;
    std::vector<ScriptEvent> due;
    std::string played;  // the stream so far, for a report
};

}  // namespace platform
