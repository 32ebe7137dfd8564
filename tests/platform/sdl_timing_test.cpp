// Virtual time at the window's wait points, which a recorded session names its input by, and the
// 60 Hz pacing schedule.
#include <gtest/gtest.h>

#include "platform/sdl/frame_pacer.h"
#include "platform/sdl/wait_clock.h"

using namespace platform::sdl;
using namespace std::chrono_literals;

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

// A fast game waits for deadlines exactly a frame apart; half a frame late, the schedule holds;
// seconds late (a battle being built), it starts afresh rather than rush a burst of frames.
TEST(SdlFramePacer, SteadySixtyFramesASecondThatNeverRush) {
    FramePacer pacer;
    const auto start = FramePacer::Clock::now();
    EXPECT_EQ(pacer.nextDeadline(start), start);
    auto deadline = start;
    for (int i = 1; i <= 120; ++i) {
        const auto next = pacer.nextDeadline(deadline + 1ms);
        ASSERT_EQ(next - deadline, FramePacer::FRAME);
        deadline = next;
    }
    EXPECT_NEAR(std::chrono::duration<double>(deadline - start).count(), 2.0, 0.001);
    const auto late = deadline + FramePacer::FRAME + FramePacer::FRAME / 2;
    EXPECT_EQ(pacer.nextDeadline(late), deadline + FramePacer::FRAME);
    EXPECT_EQ(pacer.nextDeadline(late), deadline + 2 * FramePacer::FRAME);
    const auto muchLater = deadline + 3s;
    EXPECT_EQ(pacer.nextDeadline(muchLater), muchLater);
    EXPECT_EQ(pacer.nextDeadline(muchLater), muchLater + FramePacer::FRAME);
}

// A display that blocks on its refresh sets the rate; presents that stop blocking still pace.
TEST(SdlFramePacer, TheDisplaysRefreshOrTheScheduleSetsTheRate) {
    FramePacer pacer;
    auto refresh = FramePacer::Clock::now();
    pacer.nextDeadline(refresh);
    for (int i = 0; i < 100; ++i) {  // a 60 Hz display a little off 60.000
        refresh += std::chrono::microseconds(16683);
        ASSERT_EQ(pacer.afterRefresh(refresh), refresh);
    }
    EXPECT_EQ(pacer.nextDeadline(refresh), refresh + FramePacer::FRAME);  // an unchanged frame still takes one
    FramePacer unblocked;
    const auto start = FramePacer::Clock::now();
    auto deadline = unblocked.nextDeadline(start);
    for (int i = 0; i < 60; ++i) deadline = unblocked.afterRefresh(deadline + 1ms);
    EXPECT_GT(std::chrono::duration<double>(deadline - start).count(), 60 / 90.0);
}
