#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../test_platform.h"
#include "app/main_frame.h"
#include "audio/sound_system.h"
#include "core/settings.h"
#include "gfx/display.h"

namespace {

// Remembers what was presented and lets a test decide how the display and its services behave.
class DisplayPlatform : public TestPlatform {
public:
    platform::DisplayStatus status = platform::DisplayStatus::Ok;
    bool timer = true;
    int failedRestores = 0;
    std::vector<const std::uint16_t*> shown;
    std::vector<bool> waits;
    std::vector<platform::Rect> clips;

    platform::DisplayStatus openDisplay(int, int) override { return status; }
    void present(platform::PixelView frame, bool wait) override {
        TestPlatform::present(frame, wait);
        shown.push_back(frame.pixels);
        waits.push_back(wait);
    }
    bool startTimer(int, std::function<void()>) override { return timer; }
    bool restoreDisplay() override { return failedRestores-- <= 0; }
    void clipCursor(platform::Rect rect) override { clips.push_back(rect); }
    platform::AudioDevice& audio() override { return device; }

    // A sound device that refuses or accepts the primary format.
    class Device : public platform::AudioDevice {
    public:
        bool present = false;
        bool formatOk = true;
        platform::SoundFormat format;
        bool available() const override { return present; }
        bool setFormat(platform::SoundFormat f) override {
            format = f;
            return formatOk;
        }
        bool loadSound(int, platform::SoundFormat, std::span<const std::uint8_t>) override { return false; }
        platform::VoiceId play(int, bool, int) override { return -1; }
        bool stop(platform::VoiceId) override { return false; }
        bool isPlaying(platform::VoiceId) override { return false; }
        void release(platform::VoiceId) override {}
        std::map<int, int> playCounts() const override { return {}; }
    } device;
};

class Presentation : public ::testing::Test {
protected:
    void SetUp() override {
        gameConfig = GameConfig{};
        screenWidth = 320;
        screenHeight = 240;
        pixelFormat = 2;
    }
    DisplayPlatform platform;
};

}  // namespace

TEST(PackColor, FiveFiveFive) {
    pixelFormat = 1;
    EXPECT_EQ(PackColor(31, 31, 31), 0x7FFFu);
    EXPECT_EQ(PackColor(30, 30, 30), 0x7BDEu);
    EXPECT_EQ(PackColor(0, 0, 0), 0u);
    // Components are not masked: red 32 sets bit 15, and 60 reaches past 16 bits.
    EXPECT_EQ(PackColor(32, 0, 0), 0x8000u);
    EXPECT_EQ(PackColor(60, 0, 0), 60u << 10);
    EXPECT_EQ(PackColor(0, 60, 0), 60u << 5);
    EXPECT_EQ(PackColor(60, 60, 60), (60u << 10) | (60u << 5) | 60u);
}

TEST(PackColor, FiveSixFive) {
    pixelFormat = 2;
    EXPECT_EQ(PackColor(31, 31, 31), 0xFFDFu);
    EXPECT_EQ(PackColor(30, 30, 30), 0xF79Eu);
    EXPECT_EQ(PackColor(0, 0, 0), 0u);
    EXPECT_EQ(PackColor(0, 31, 0) >> 5, 62u) << "green 31 gives field 62, not 63";
    EXPECT_EQ(PackColor(60, 0, 0), 60u << 11);
    EXPECT_EQ(PackColor(0, 0, 60), 60u);
    EXPECT_EQ(PackColor(0, 0, 60) & 0xFFFF, 0x3Cu) << "blue 60 runs into green";
}

TEST(PackColor, UnknownLayoutReturnsRed) {
    pixelFormat = 0;
    EXPECT_EQ(PackColor(7, 31, 31), 7u);
    pixelFormat = 1;
}

TEST(Fill, RectIsAllOrNothing) {
    Surface s(8, 6);
    EXPECT_EQ(FillRect(&s, 0x1234, {2, 1, 5, 3}), 0);
    int filled = 0;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 2 && x < 5 && y >= 1 && y < 3;
            EXPECT_EQ(s.row(y)[x], inside ? 0x1234 : 0) << x << "," << y;
            filled += inside;
        }
    EXPECT_EQ(filled, 6);

    const Surface before = s;
    for (const FillArea& outside : {FillArea{-1, 0, 3, 3}, FillArea{0, -1, 3, 3}, FillArea{6, 0, 9, 3},
                                    FillArea{0, 4, 3, 7}, FillArea{5, 0, 4, 3}})
        EXPECT_EQ(FillRect(&s, 0xFFFF, outside), 0);
    EXPECT_EQ(s.pixels, before.pixels) << "a rectangle reaching past the edge fills nothing";

    EXPECT_EQ(FillRect(&s, 0xFFFF, {0, 0, 8, 6}), 0);
    EXPECT_EQ(s.row(5)[7], 0xFFFF) << "the whole surface is inside";
    EXPECT_EQ(FillRect(nullptr, 1, {0, 0, 1, 1}), 0);
}

TEST(Fill, SurfaceTakesLowSixteenBits) {
    Surface s(3, 2);
    EXPECT_EQ(FillSurface(&s, 0x1ABCD), 0);
    for (std::uint16_t p : s.pixels) EXPECT_EQ(p, 0xABCD);
    EXPECT_EQ(FillSurface(nullptr, 1), 0);
}

TEST_F(Presentation, FlipKeepsTheFrameBeforeLastInTheBackBuffer) {
    InitDisplay();
    ASSERT_NE(backBuffer, nullptr);
    ASSERT_NE(primarySurface, nullptr);
    EXPECT_EQ(backBuffer->width, 320);
    EXPECT_EQ(backBuffer->height, 240);
    FillSurface(backBuffer, 0xA);
    PresentFrame();
    EXPECT_EQ(primarySurface->pixels[0], 0xA);
    EXPECT_EQ(platform.shown.back(), primarySurface->pixels.data()) << "the new front is presented";
    FillSurface(backBuffer, 0xB);
    PresentFrame();
    EXPECT_EQ(primarySurface->pixels[0], 0xB);
    EXPECT_EQ(backBuffer->pixels[0], 0xA) << "the back buffer holds the frame before last";
    EXPECT_NE(platform.shown[0], platform.shown[1]);
}

TEST_F(Presentation, VerticalBlankWaitFollowsSettings) {
    InitDisplay();
    PresentFrame();
    gameConfig.skipVblankWait = 1;
    PresentFrame();
    PresentFrameNoWait();
    gameConfig.skipVblankWait = 0;
    PresentFrameNoWait();
    EXPECT_EQ(platform.waits, (std::vector<bool>{true, false, false, false}));
}

TEST_F(Presentation, OpenedDisplayConfinesCursorAndStartsServices) {
    platform.device.present = true;
    soundSystem.attach(platform.audio());
    openDisplay();
    EXPECT_TRUE(platform.errorBoxes.empty());
    ASSERT_EQ(platform.clips.size(), 1u);
    EXPECT_EQ(platform.clips[0].left, 5);
    EXPECT_EQ(platform.clips[0].top, 5);
    EXPECT_EQ(platform.clips[0].right, 315);
    EXPECT_EQ(platform.clips[0].bottom, 235);
    EXPECT_EQ(platform.device.format.rate, 44100);
    EXPECT_EQ(platform.device.format.bits, 16);
    EXPECT_EQ(platform.device.format.channels, 2);
    EXPECT_EQ(platform.sleptMs, 120);
}

TEST_F(Presentation, DisplayFailuresHaveTheirTextsAndEndTheStep) {
    const std::pair<platform::DisplayStatus, const char*> cases[] = {
        {platform::DisplayStatus::NoDisplay, "ERROR DIRECT X DirectDrawCreate"},
        {platform::DisplayStatus::WindowFailed, "ERROR DIRECT X SetDisplayMode"},
        {platform::DisplayStatus::RendererFailed, "ERROR DIRECT X DirectDrawCreate Surface su"},
        {platform::DisplayStatus::TextureFailed, "ERROR DIRECT X DirectDrawCreate Surface bc"},
    };
    platform.timer = false;
    for (const auto& [status, text] : cases) {
        platform.errorBoxes.clear();
        platform.clips.clear();
        platform.status = status;
        InitDisplay();
        EXPECT_EQ(platform.errorBoxes, std::vector<std::string>{text});
        EXPECT_TRUE(platform.clips.empty()) << "the step ends at the failure";
        // The frame buffers exist anyway: drawing and flipping stay safe.
        ASSERT_NE(backBuffer, nullptr);
        PresentFrame();
    }
}

TEST_F(Presentation, TimerAndSoundFormatFailuresGoOn) {
    platform.device.formatOk = false;
    soundSystem.attach(platform.audio());
    openDisplay();
    EXPECT_TRUE(platform.errorBoxes.empty()) << "no sound device is no failure";
    platform.timer = false;
    platform.device.present = true;
    soundSystem.attach(platform.audio());
    openDisplay();
    EXPECT_EQ(platform.errorBoxes, (std::vector<std::string>{"No Timer", "error music FormatPrimaryBufer"}));
}

TEST_F(Presentation, RestoreWaitsUntilTheDisplayIsBack) {
    InitDisplay();
    platform.sleptMs = 0;
    platform.clips.clear();
    RestoreLostSurfaces();
    EXPECT_EQ(platform.sleptMs, 0) << "nothing lost, nothing done";
    platform.loseSurfaces = true;
    platform.failedRestores = 3;
    RestoreLostSurfaces();
    EXPECT_EQ(platform.sleptMs, 4 * 10 + 100) << "10 ms per attempt, then 100 ms";
    ASSERT_EQ(platform.clips.size(), 1u);
    EXPECT_EQ(platform.clips[0].right, 315);
}
