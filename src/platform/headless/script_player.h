// Plays an input script against virtual time: hands out each event once its frame has come,
// repeats the periodic ones and turns a click into a move, a press and a release one frame later.
#pragma once

#include <cstdint>
#include <functional>
#include <queue>
#include <vector>

#include "platform/script.h"

namespace platform {

class ScriptPlayer {
public:
    explicit ScriptPlayer(const std::vector<ScriptEvent>& events);

    // Calls deliver, in time order (script order within a frame), for every event due at or before
    // frame; never with a Click.
    void deliverDue(std::int64_t frame, const std::function<void(const ScriptEvent&)>& deliver);

private:
    struct Pending {
        std::int64_t frame;
        std::int64_t order;     // the event's place in the script: same-frame events go as written
        std::int64_t sequence;  // then the order they were queued in
        ScriptEvent event;
        bool operator>(const Pending& other) const {
            if (frame != other.frame) return frame > other.frame;
            if (order != other.order) return order > other.order;
            return sequence > other.sequence;
        }
    };
    void push(std::int64_t frame, std::int64_t order, const ScriptEvent& event);

    std::priority_queue<Pending, std::vector<Pending>, std::greater<>> queue;
    std::int64_t nextSequence = 0;
};

}  // namespace platform
