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

    // When the frame that follows one a vsync'd present put on screen at `shownAt` may hand over:
    // at once, the display sets the rate. The schedule goes on from there, so an unchanged frame
    // (not presented) still takes one refresh; and presents that stop blocking (a hidden window)
    // cannot run the game much above 60 frames a second.
    Clock::time_point afterRefresh(Clock::time_point shownAt);

private:
    static constexpr Clock::duration SHORTEST_REFRESH = std::chrono::milliseconds(12);
    Clock::time_point deadline_{};
};

}  // namespace platform::sdl
