#include "platform/sdl/frame_pacer.h"

namespace platform::sdl {

FramePacer::Clock::time_point FramePacer::nextDeadline(Clock::time_point now) {
    deadline_ += FRAME;
    if (deadline_ + FRAME < now) deadline_ = now;
    return deadline_;
}

void FramePacer::followRefresh(Clock::time_point shownAt) { deadline_ = shownAt - REFRESH_MARGIN; }

}  // namespace platform::sdl
