#include "platform/sdl/frame_pacer.h"

#include <algorithm>

namespace platform::sdl {

FramePacer::Clock::time_point FramePacer::nextDeadline(Clock::time_point now) {
    deadline_ += FRAME;
    if (deadline_ + FRAME < now) deadline_ = now;
    return deadline_;
}

FramePacer::Clock::time_point FramePacer::afterRefresh(Clock::time_point shownAt) {
    deadline_ = std::max(shownAt, deadline_ + SHORTEST_REFRESH);
    return deadline_;
}

}  // namespace platform::sdl
