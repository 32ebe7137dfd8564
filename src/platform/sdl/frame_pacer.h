// The schedule that holds the game thread to 60 frames a second.
#pragma once

#include <chrono>

namespace platform::sdl {

class FramePacer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration FRAME = std::chrono::microseconds(16667);

    // When the frame that ends at `now` may hand over to the next one. Steady: deadlines are one
    // frame apart; a game that fell more than a frame behind starts afresh from now instead of
    // rushing through the frames it missed.
    Clock::time_point nextDeadline(Clock::time_point now);

    // A vsync'd present returned at `shownAt`, just after a refresh: the next frame may hand over
    // a little before the following refresh, so that the display and not the schedule sets the
    // rate, an unchanged frame (not presented) still takes one refresh, and a present that does not
    // block (hidden window) still cannot run the game much faster than 60 frames a second.
    void followRefresh(Clock::time_point shownAt);

private:
    // Enough for an upload and a render before the refresh.
    static constexpr Clock::duration REFRESH_MARGIN = std::chrono::milliseconds(4);
    Clock::time_point deadline_{};
};

}  // namespace platform::sdl
