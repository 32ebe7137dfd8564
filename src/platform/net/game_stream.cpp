#include "platform/net/game_stream.h"

#include "platform/net/session.h"

namespace platform {

bool handInput(const ScriptEvent& event, InputHandler* handler, const std::function<void(Point)>& movePointer) {
    const bool mayAct = event.peer == (handler ? handler->actingPeer() : 0);
    switch (event.kind) {
        case ScriptEvent::Kind::Key:
            if (handler && mayAct) handler->onKeyDown(event.virtualKey);
            return true;
        case ScriptEvent::Kind::Move:
        case ScriptEvent::Kind::Click:
            if (mayAct) movePointer(event.point);
            return true;
        case ScriptEvent::Kind::Press:
        case ScriptEvent::Kind::Release:
            if (handler && mayAct) handler->onMouseButton(event.button, event.kind == ScriptEvent::Kind::Press);
            return true;
        case ScriptEvent::Kind::Join:
            if (handler) handler->onPeerJoined(event.peer, event.name);
            return true;
        case ScriptEvent::Kind::Leave:
            if (handler) handler->onPeerLeft(event.peer);
            return true;
        default:
            return false;
    }
}

bool GameStream::take(std::int64_t frame, InputHandler* handler, std::ofstream& record,
                      const std::function<void(const ScriptEvent&)>& hand) {
    due.clear();
    const bool held = session.reach(frame, due);
    for (const ScriptEvent& event : due) {
        const std::string line = formatScriptEvent(event);
        if (record.is_open()) record << line << '\n';
        played += line + '\n';
        hand(event);
    }
    if (!due.empty() && record.is_open()) record.flush();
    if (session.hosting() && handler) session.setGameState(handler->actingPeer(), handler->joinable());
    return held;
}

SessionEnded GameStream::end(std::int64_t frame, std::ofstream& record) {
    if (record.is_open()) {
        record << frame << " quit\n";
        record.close();
    }
    std::string why = session.endReason();
    if (session.outOfStep()) why += net::saveReport(header + played);
    return SessionEnded(why);
}

}  // namespace platform
