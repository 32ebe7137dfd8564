#include "gfx/front_buffer.h"

#include "screen_test_support.h"

namespace {

class FrontBufferPlatform : public ScreenPlatform {
public:
    const std::uint16_t* shown = nullptr;
    void present(platform::PixelView frame, bool wait) override {
        shown = frame.pixels;
        ScreenPlatform::present(frame, wait);
    }
};

}  // namespace

TEST(FrontBuffer, ShowsTheVisibleSurfaceAgainWithoutAFlip) {
    FrontBufferPlatform machine;
    screenWidth = 64;
    screenHeight = 48;
    InitDisplay();
    Surface* const front = primarySurface;
    Surface* const back = backBuffer;
    PresentFrontBuffer();
    EXPECT_EQ(machine.presents, 1);
    EXPECT_EQ(machine.shown, front->pixels.data());
    EXPECT_EQ(primarySurface, front);
    EXPECT_EQ(backBuffer, back);
}
