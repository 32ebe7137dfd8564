// The hand-over between the game thread and the window thread, with real threads (run it under
// ThreadSanitizer too).
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/sdl/window_link.h"

using namespace platform;
using namespace platform::sdl;

namespace {

struct Picture {
    std::vector<std::uint16_t> pixels;
    int width;
    int height;
    int pitch;
    PixelView view() const { return {pixels.data(), width, height, pitch}; }
};

Picture picture(int width, int height, int pitch, std::uint16_t value) {
    return {std::vector<std::uint16_t>(static_cast<std::size_t>(pitch) * height, value), width, height, pitch};
}

}  // namespace

TEST(SdlWindowLink, FrameIsCopiedWithoutPitchAndShownOnce) {
    std::atomic<int> wakes{0};
    WindowLink link([&] { ++wakes; });
    Picture frame = picture(3, 2, 5, 0);
    for (int i = 0; i < 10; ++i) frame.pixels[i] = static_cast<std::uint16_t>(i);

    EXPECT_TRUE(link.postFrame(frame.view()));
    EXPECT_EQ(wakes, 1);
    frame.pixels.assign(frame.pixels.size(), 0xFFFF);  // the game draws on: the copy must not change
    std::vector<std::uint16_t> uploaded;
    EXPECT_TRUE(link.takeFrame([&](PixelView view) {
        EXPECT_EQ(view.pitch, 3);
        uploaded.assign(view.pixels, view.pixels + view.width * view.height);
    }));
    EXPECT_EQ(uploaded, (std::vector<std::uint16_t>{0, 1, 2, 5, 6, 7}));
    EXPECT_FALSE(link.takeFrame([](PixelView) { ADD_FAILURE() << "taken twice"; }));
}

TEST(SdlWindowLink, IdenticalFrameIsNotHandedOverAgain) {
    WindowLink link([] {});
    const Picture frame = picture(4, 4, 4, 0x1234);
    EXPECT_TRUE(link.postFrame(frame.view()));
    link.takeFrame([](PixelView) {});
    link.frameShown(WindowLink::Clock::now());
    EXPECT_FALSE(link.postFrame(frame.view()));
    // Same pixels through a different pitch are the same frame.
    const Picture wide = picture(4, 4, 9, 0x1234);
    EXPECT_FALSE(link.postFrame(wide.view()));
    // One changed pixel is a new frame.
    Picture changed = frame;
    changed.pixels[15] = 0;
    EXPECT_TRUE(link.postFrame(changed.view()));
    link.takeFrame([](PixelView) {});
    link.frameShown(WindowLink::Clock::now());
    // After the timer drew (or the texture was rebuilt) the same frame must be shown again.
    link.screenReplaced();
    EXPECT_TRUE(link.postFrame(changed.view()));
}

TEST(SdlWindowLink, EmptyOrMalformedFramesAreIgnored) {
    WindowLink link([] { ADD_FAILURE() << "woken for nothing"; });
    EXPECT_FALSE(link.postFrame(PixelView{}));
    const Picture frame = picture(4, 4, 4, 1);
    EXPECT_FALSE(link.postFrame(PixelView{frame.pixels.data(), 4, 4, 3}));
}

TEST(SdlWindowLink, GameWaitsUntilTheWindowShowedItsFrame) {
    WindowLink link([] {});
    std::atomic<bool> running{true};
    std::thread window([&] {
        while (running) {
            link.takeFrame([](PixelView) {});
            link.frameShown(WindowLink::Clock::now());
            if (auto message = link.takeMessage()) {
                EXPECT_EQ(message->text, "no free chanel");
                EXPECT_EQ(message->title, "Ramparo");
                link.messageClosed();
            }
            std::this_thread::yield();
        }
    });
    for (std::uint16_t i = 0; i < 50; ++i) {
        const Picture frame = picture(8, 8, 8, i);
        ASSERT_TRUE(link.postFrame(frame.view()));
        ASSERT_TRUE(link.waitShown().has_value());
    }
    link.showMessage({"no free chanel", "Ramparo"});
    running = false;
    window.join();
}

TEST(SdlWindowLink, ClosingReleasesEveryWait) {
    WindowLink link([] {});
    const Picture frame = picture(2, 2, 2, 7);
    ASSERT_TRUE(link.postFrame(frame.view()));
    std::thread closer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        link.close();
    });
    EXPECT_FALSE(link.waitShown().has_value());  // nobody shows it: the close ends the wait
    closer.join();
    EXPECT_TRUE(link.closed());
    EXPECT_FALSE(link.waitFor(std::chrono::hours(1)));
    link.showMessage({"never shown", "Ramparo"});  // returns at once
    EXPECT_FALSE(link.postFrame(frame.view()));
}
