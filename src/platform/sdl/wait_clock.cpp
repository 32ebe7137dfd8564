#include "platform/sdl/wait_clock.h"

namespace platform::sdl {

std::int64_t WaitClock::deliveryFrame() {
    const std::int64_t frameStart = frame() * UNITS_PER_FRAME;
    const bool frameBegan = frameStart > previousWait_;
    previousWait_ = now_;
    return frameBegan ? frame() : -1;
}

}  // namespace platform::sdl
