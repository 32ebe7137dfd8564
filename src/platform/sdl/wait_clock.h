// The game's virtual time as the headless backend counts it, kept by the window backend so that
// a recorded session names the frame at which each input reached the game.
#pragma once

#include <cstdint>

namespace platform::sdl {

class WaitClock {
public:
    // 1/60000 s: a 60 Hz frame and a millisecond are both whole numbers of units.
    static constexpr std::int64_t UNITS_PER_FRAME = 1000;
    static constexpr std::int64_t UNITS_PER_MS = 60;

    // Called at the end of each wait point, after its present or sleep advanced time. Input is
    // handed to the game only at a wait point where a frame F began (since the previous one), and
    // is recorded at F. A replay hands an event over at the end of the first wait point whose time
    // is at or after the event's frame: that is this same wait point. Returns F, or -1 when no
    // frame began (short sleeps), in which case input waits for the next wait point.
    std::int64_t deliveryFrame();

    void advanceFrame() { now_ += UNITS_PER_FRAME; }
    void advanceMs(int milliseconds) { now_ += milliseconds > 0 ? milliseconds * UNITS_PER_MS : 0; }

    std::int64_t frame() const { return now_ / UNITS_PER_FRAME; }
    // True once virtual time has reached maxFrames; never for a negative limit.
    bool reached(long long maxFrames) const { return maxFrames >= 0 && now_ >= maxFrames * UNITS_PER_FRAME; }

private:
    std::int64_t now_ = 0;
    std::int64_t previousWait_ = -1;
};

}  // namespace platform::sdl
