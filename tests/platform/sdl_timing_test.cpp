// Virtual time at the wait points, the 60 Hz pacing schedule and the window size.
#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/frame_pacer.h"
#include "platform/sdl/sdl_window.h"
#include "platform/sdl/wait_clock.h"

using namespace platform::sdl;
using namespace std::chrono_literals;

TEST(SdlWaitClock, ShortSleepsDeliverOnlyWhenAFrameBegan) {
    WaitClock clock;
    std::vector<std::int64_t> frames;
    for (int i = 0; i < 6; ++i) {
        clock.advanceMs(10);  // 0.6 frame
        frames.push_back(clock.deliveryFrame());
    }
    // Wait points ending at 0.6, 1.2, 1.8, 2.4, 3.0 and 3.6 frames.
    EXPECT_EQ(frames, (std::vector<std::int64_t>{0, 1, -1, 2, 3, -1}));
}

// The property a replay relies on: an event recorded at frame F at some wait point is handed over
// by the headless rule (at the end of the first wait point whose virtual time, after its advance,
// is at or after F) at that very wait point.
TEST(SdlWaitClock, RecordedFramesReplayAtTheSameWaitPoint) {
    WaitClock clock;
    std::vector<std::int64_t> times;   // virtual time at the end of each wait point, in 1/60000 s
    std::vector<std::int64_t> frames;  // what the window backend records there
    const int sleeps[] = {10, 10, 100, 0, 1, 16, 17, 50, 3, 1000};
    std::int64_t now = 0;
    for (int step = 0; step < 400; ++step) {
        if (step % 3 == 0) {
            clock.advanceFrame();
            now += WaitClock::UNITS_PER_FRAME;
        } else {
            const int ms = sleeps[step % 10];
            clock.advanceMs(ms);
            now += ms * WaitClock::UNITS_PER_MS;
        }
        times.push_back(now);
        frames.push_back(clock.deliveryFrame());
    }
    int delivered = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (frames[i] < 0) continue;
        ++delivered;
        std::size_t first = 0;
        while (times[first] < frames[i] * WaitClock::UNITS_PER_FRAME) ++first;
        EXPECT_EQ(first, i) << "wait point " << i;
    }
    EXPECT_GT(delivered, 100);
}

TEST(SdlWaitClock, MaxFrames) {
    WaitClock clock;
    EXPECT_FALSE(clock.reached(-1));
    EXPECT_TRUE(clock.reached(0));
    for (int i = 0; i < 19; ++i) clock.advanceFrame();
    EXPECT_FALSE(clock.reached(20));
    clock.advanceMs(16);  // 0.96 frame: not yet
    EXPECT_FALSE(clock.reached(20));
    clock.advanceMs(1);
    EXPECT_TRUE(clock.reached(20));
    EXPECT_EQ(clock.frame(), 20);
    clock.advanceMs(-5);  // a negative sleep does not turn time back
    EXPECT_EQ(clock.frame(), 20);
}

TEST(SdlFramePacer, SteadySixtyFramesASecond) {
    FramePacer pacer;
    const auto start = FramePacer::Clock::now();
    EXPECT_EQ(pacer.nextDeadline(start), start);
    // A fast game waits for each deadline; the deadlines stay exactly one frame apart.
    auto deadline = start;
    for (int i = 1; i <= 120; ++i) {
        const auto next = pacer.nextDeadline(deadline + 1ms);
        EXPECT_EQ(next - deadline, FramePacer::FRAME);
        deadline = next;
    }
    EXPECT_NEAR(std::chrono::duration<double>(deadline - start).count(), 2.0, 0.001);
}

TEST(SdlFramePacer, SlowFrameCatchesUpWithinAFrameButNeverRushes) {
    FramePacer pacer;
    const auto start = FramePacer::Clock::now();
    pacer.nextDeadline(start);
    // Late by half a frame: the schedule holds (no wait now, the next frame is on time again).
    const auto late = start + FramePacer::FRAME + FramePacer::FRAME / 2;
    EXPECT_EQ(pacer.nextDeadline(late), start + FramePacer::FRAME);
    EXPECT_EQ(pacer.nextDeadline(late), start + 2 * FramePacer::FRAME);
    // Late by seconds (a battle being built): start afresh, no burst of frames.
    const auto muchLater = start + 3s;
    EXPECT_EQ(pacer.nextDeadline(muchLater), muchLater);
    EXPECT_EQ(pacer.nextDeadline(muchLater), muchLater + FramePacer::FRAME);
}

TEST(SdlFramePacer, AVsyncedDisplaySetsTheRate) {
    FramePacer pacer;
    auto refresh = FramePacer::Clock::now();
    pacer.nextDeadline(refresh);
    // A 60 Hz display a little off 60.000: the frame after a shown one hands over at once.
    const auto period = std::chrono::microseconds(16683);
    for (int i = 0; i < 100; ++i) {
        refresh += period;
        EXPECT_EQ(pacer.afterRefresh(refresh), refresh);
    }
    // An unchanged frame is not presented; the schedule still lets it take one refresh.
    EXPECT_EQ(pacer.nextDeadline(refresh), refresh + FramePacer::FRAME);
}

TEST(SdlFramePacer, PresentsThatStopBlockingStillPace) {
    FramePacer pacer;
    const auto start = FramePacer::Clock::now();
    auto deadline = pacer.nextDeadline(start);
    // Every frame "shown" 1 ms after it was handed over: no refresh holds the game back.
    for (int i = 0; i < 60; ++i) deadline = pacer.afterRefresh(deadline + std::chrono::milliseconds(1));
    const double seconds = std::chrono::duration<double>(deadline - start).count();
    EXPECT_GT(seconds, 60 / 90.0);  // well under 90 frames a second
}

TEST(SdlWindowScale, LargestWholeMultipleThatFits) {
    EXPECT_EQ(windowScale(640, 480, 1280, 1024), 2);
    EXPECT_EQ(windowScale(640, 480, 1280, 959), 1);
    EXPECT_EQ(windowScale(320, 240, 1920, 1040), 4);
    EXPECT_EQ(windowScale(1024, 768, 1920, 1040), 1);
    EXPECT_EQ(windowScale(1024, 768, 800, 600), 1);  // never zero
    EXPECT_EQ(windowScale(0, 0, 800, 600), 1);
}
