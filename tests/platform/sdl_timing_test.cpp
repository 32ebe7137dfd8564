// Virtual time at the window's wait points, which a recorded session names its input by.
#include <gtest/gtest.h>

#include "platform/sdl/wait_clock.h"

using namespace platform::sdl;

// The property a replay relies on: an event recorded at frame F at some wait point is handed over
// by the headless rule (at the end of the first wait point whose virtual time, after its advance,
// is at or after F) at that very wait point. Input waits for a wait point where a frame began.
TEST(SdlWaitClock, RecordedFramesReplayAtTheSameWaitPoint) {
    WaitClock shortSleeps;
    std::vector<std::int64_t> delivery;
    for (int i = 0; i < 6; ++i) shortSleeps.advanceMs(10), delivery.push_back(shortSleeps.deliveryFrame());
    EXPECT_EQ(delivery, (std::vector<std::int64_t>{0, 1, -1, 2, 3, -1})) << "at 0.6, 1.2, 1.8, 2.4, 3.0, 3.6 frames";
    shortSleeps.advanceMs(-5);  // a negative sleep does not turn time back
    EXPECT_EQ(shortSleeps.frame(), 3);

    WaitClock clock;
    std::vector<std::int64_t> times, frames;  // each wait point's end in 1/60000 s; the frame it records
    const int sleeps[] = {10, 10, 100, 0, 1, 16, 17, 50, 3, 1000};
    for (int step = 0; step < 400; ++step) {
        const int ms = sleeps[step % 10];
        const std::int64_t units = step % 3 == 0 ? WaitClock::UNITS_PER_FRAME : ms * WaitClock::UNITS_PER_MS;
        step % 3 == 0 ? clock.advanceFrame() : clock.advanceMs(ms);
        times.push_back((times.empty() ? 0 : times.back()) + units);
        frames.push_back(clock.deliveryFrame());
    }
    int delivered = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (frames[i] < 0) continue;
        ++delivered;
        const auto first = std::lower_bound(times.begin(), times.end(), frames[i] * WaitClock::UNITS_PER_FRAME);
        EXPECT_EQ(std::size_t(first - times.begin()), i);
    }
    EXPECT_GT(delivered, 100);
}
