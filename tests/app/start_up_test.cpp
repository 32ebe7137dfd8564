// The start-up, the display and the frames, on a platform that notes what the game asks of it.
#include <gtest/gtest.h>

#include <bit>
#include <optional>

#include "../test_platform.h"
#include "app/main_frame.h"
#include "audio/sound_system.h"
#include "core/input.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/images.h"
#include "work_dir.h"

namespace {

class AppPlatform : public TestPlatform, public platform::FontRenderer, public platform::AudioDevice {
public:
    std::vector<std::string> calls;
    platform::DisplayStatus status = platform::DisplayStatus::Ok;
    bool timer = true, soundPresent = false, formatOk = true;
    int failedRestores = 0;
    platform::SoundFormat format;
    platform::InputHandler* handler = nullptr;

    platform::DisplayStatus openDisplay(int w, int h) override {
        calls.push_back("display " + std::to_string(w) + "x" + std::to_string(h));
        return status;
    }
    std::uint32_t redMask() const override {
        const_cast<AppPlatform*>(this)->calls.push_back("masks");
        return TestPlatform::redMask();
    }
    void present(platform::PixelView frame, bool wait) override {
        EXPECT_EQ(frame.pixels, primarySurface->pixels.data()) << "the new front is presented";
        calls.push_back(wait ? "present, waiting" : "present");
    }
    bool restoreDisplay() override { return calls.push_back("restore"), failedRestores-- <= 0; }
    void errorBox(std::string_view text, const char*) override { calls.push_back("box " + std::string(text)); }
    bool startTimer(int, std::function<void()>) override { return timer; }
    void clipCursor(platform::Rect r) override {
        calls.push_back("clip " + std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
                        " " + std::to_string(r.bottom));
    }
    void setInputHandler(platform::InputHandler* h) override { handler = h; }
    platform::FontRenderer& font() override { return *this; }
    bool open(int height) override { return calls.push_back("font " + std::to_string(height)), true; }
    void draw(std::uint16_t*, int, int, int, int, int, int, std::string_view, std::uint32_t, bool) override {}
    // A sound device that accepts or refuses the primary format.
    platform::AudioDevice& audio() override { return *this; }
    bool available() const override { return soundPresent; }
    bool setFormat(platform::SoundFormat f) override { return format = f, formatOk; }
    bool loadSound(int, platform::SoundFormat, std::span<const std::uint8_t>) override { return false; }
    platform::VoiceId play(int, bool, int) override { return -1; }
    bool stop(platform::VoiceId) override { return false; }
    bool isPlaying(platform::VoiceId) override { return false; }
    void release(platform::VoiceId) override {}
    std::map<int, int> playCounts() const override { return {}; }
};

// A 320 x 240 display.
class Display : public ::testing::Test {
protected:
    void SetUp() override {
        gameConfig = GameConfig{};
        screenWidth = 320, screenHeight = 240, pixelFormat = 2;
    }
    void TearDown() override {
        static platform::SilentAudio none;
        soundSystem.attach(none);
    }
    AppPlatform platform;
};

}  // namespace

TEST(Settings, PiApproxHasItsExactBits) { EXPECT_EQ(std::bit_cast<std::uint32_t>(PI_APPROX), 0x40490FD0u); }

// "game.ini" in a directory of its own, read by the start-up with the globals as the program
// starts: settings, display, pixel layout, the font of the screen mode, the image tables and the
// start-up pictures ("mouse.spr" is missing here).
TEST(StartUp, GameIniBytesChooseTheDisplayAndTheFontInTheStartUpsOrder) {
    using Bytes = std::vector<std::uint8_t>;
    const struct {
        std::optional<Bytes> file;
        int modeOverride;
        Bytes config;  // screenMode, skipVblankWait, quietRefreshFallback, weatherEnabled
        int width, height, font;
    } cases[] = {
        {Bytes{0, 1, 2, 5, 99}, -1, {0, 1, 2, 5}, 320, 240, 12},  // bytes after the fourth are ignored
        {Bytes{1, 0, 0, 0}, -1, {1, 0, 0, 0}, 640, 480, 18},
        {Bytes{2, 1}, -1, {2, 1, 0, 0}, 800, 600, 23},  // a short file reads its missing bytes as 0
        {Bytes{3, 0, 0, 1}, -1, {3, 0, 0, 1}, 1024, 768, 30},
        {Bytes{4, 0, 0, 1}, -1, {4, 0, 0, 1}, 640, 480, 0},  // the size stays; the face's own height
        {Bytes{'1', '1', '1', '1'}, -1, {0x31, 0x31, 0x31, 0x31}, 640, 480, 0},  // raw bytes, not text
        {std::nullopt, -1, {0, 0, 0, 7}, 640, 480, 12},  // nothing read: mode 0 but 640 x 480
        {Bytes{1, 1, 1, 1}, 3, {3, 1, 1, 1}, 1024, 768, 30},  // the override replaces byte 0 only
        {std::nullopt, 0, {0, 0, 0, 0}, 320, 240, 12},
    };
    for (const auto& c : cases) {
        const std::string w = std::to_string(c.width), h = std::to_string(c.height);
        SCOPED_TRACE(w + "x" + h + ", override " + std::to_string(c.modeOverride));
        WorkDir dir;
        AppPlatform platform;
        gameConfig = GameConfig{.weatherEnabled = 7};
        screenWidth = 640, screenHeight = 480, pixelFormat = 1;
        screenModeOverride = c.modeOverride;
        if (c.file) WorkDir::writeIni(*c.file);
        CMainFrame frame;
        std::erase_if(platform.calls, [](const std::string& call) { return call.starts_with("clip"); });
        std::vector<std::string> expected{"display " + w + "x" + h, "masks", "font " + std::to_string(c.font),
                                          "box no open load"};
        if (!c.file) expected.insert(expected.begin(), "box no open game.ini");
        EXPECT_EQ(platform.calls, expected);
        const GameConfig& g = gameConfig;
        EXPECT_EQ((Bytes{g.screenMode, g.skipVblankWait, g.quietRefreshFallback, g.weatherEnabled}), c.config);
        EXPECT_TRUE(frame.initialised() && raznoe && sprit && fon);
        EXPECT_EQ(platform.handler, &frame);
        EXPECT_EQ(pixelFormat, 2);
    }
    screenModeOverride = -1;
}

TEST(StartUp, KeysAndButtonsReachTheirOwnLatches) {
    WorkDir dir;
    AppPlatform platform;
    CMainFrame frame;
    platform::InputHandler& window = *platform.handler;
    window.onMouseButton(platform::MouseButton::Right, true);
    EXPECT_EQ(std::tie(inputState.leftButton, inputState.rightButton), std::make_tuple(0, 1));
    window.onMouseButton(platform::MouseButton::Left, true);
    window.onMouseButton(platform::MouseButton::Right, false);
    EXPECT_EQ(std::tie(inputState.leftButton, inputState.rightButton), std::make_tuple(1, 0));
    window.onMouseButton(platform::MouseButton::Left, false);
    EXPECT_EQ(inputState.leftButton, 0);
    window.onKeyDown('Q');
    EXPECT_EQ(std::exchange(inputState.lastKeyDown, 0), 'Q');
}

TEST(PackColor, FiveFiveFiveFiveSixFiveAndUnmaskedComponents) {
    const std::tuple<int, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t> cases[] = {
        // Components are not masked: red 32 sets bit 15, red 60 reaches past 16 bits in 5-6-5, blue 60 runs into green.
        {1, 31, 31, 31, 0x7FFF}, {1, 30, 29, 28, 0x7BBC}, {1, 32, 0, 0, 0x8000}, {1, 60, 60, 60, 0xF7BC},
        {2, 31, 31, 31, 0xFFDF}, {2, 30, 29, 28, 0xF75C}, {2, 0, 31, 0, 62u << 5},  // green 31 is 62, not 63
        {2, 60, 0, 0, 60u << 11}, {2, 0, 0, 60, 0x3C}, {0, 7, 31, 31, 7}, {3, 7, 31, 31, 7}};  // unknown: red
    for (const auto& [format, r, g, b, packed] : cases) {
        pixelFormat = format;
        EXPECT_EQ(PackColor(r, g, b), packed) << format << ": " << r << "," << g << "," << b;
    }
    pixelFormat = 1;
}

TEST(Fill, RectIsAllOrNothingAndTheSurfaceTakesTheLowSixteenBits) {
    Surface s(8, 6);
    EXPECT_EQ(FillRect(&s, 0x1234, {2, 1, 5, 3}), 0);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(s.row(y)[x], x >= 2 && x < 5 && y >= 1 && y < 3 ? 0x1234 : 0) << x << "," << y;
    const Surface before = s;
    for (const FillArea& outside : {FillArea{-1, 0, 3, 3}, FillArea{0, -1, 3, 3}, FillArea{6, 0, 9, 3},
                                    FillArea{0, 4, 3, 7}, FillArea{5, 0, 4, 3}, FillArea{0, 3, 3, 2}})
        EXPECT_EQ(FillRect(&s, 0xFFFF, outside), 0);
    EXPECT_EQ(s.pixels, before.pixels) << "a rectangle reaching past the edge fills nothing";
    EXPECT_EQ(FillRect(&s, 0xFFFF, {0, 0, 8, 6}), 0);
    EXPECT_EQ(s.row(5)[7], 0xFFFF) << "the whole surface is inside";
    EXPECT_EQ(FillSurface(&s, 0x1ABCD), 0);
    for (std::uint16_t p : s.pixels) EXPECT_EQ(p, 0xABCD);
    EXPECT_EQ(FillRect(nullptr, 1, {0, 0, 1, 1}) + FillSurface(nullptr, 1), 0);
}

TEST_F(Display, FlipKeepsTheFrameBeforeLastInTheBackBufferAndWaitsAsTheSettingsSay) {
    InitDisplay();
    ASSERT_EQ(backBuffer->width * backBuffer->height, 320 * 240);
    for (const std::uint16_t frame : {0xA, 0xB}) FillSurface(backBuffer, frame), PresentFrame();
    EXPECT_EQ(std::tie(primarySurface->pixels[0], backBuffer->pixels[0]), std::make_tuple(0xB, 0xA))
        << "the back buffer holds the frame before last";
    gameConfig.skipVblankWait = 1;
    PresentFrame();
    PresentFrameNoWait();
    gameConfig.skipVblankWait = 0;
    PresentFrameNoWait();
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"display 320x240", "clip 5 5 315 235", "present, waiting",
                                                        "present, waiting", "present", "present", "present"}));
}

TEST_F(Display, OpenedDisplayConfinesTheCursorAndStartsTimerAndSound) {
    platform.soundPresent = true;
    soundSystem.attach(platform.audio());
    openDisplay();
    EXPECT_EQ(std::tie(platform.format.rate, platform.format.bits, platform.format.channels),
              std::make_tuple(44100, 16, 2));
    EXPECT_EQ(platform.sleptMs, 120);
    platform.timer = platform.formatOk = false;
    openDisplay();
    platform.soundPresent = false;  // no sound device is no failure
    soundSystem.attach(platform.audio());
    openDisplay();
    const std::string display = "display 320x240", clip = "clip 5 5 315 235";
    EXPECT_EQ(platform.calls, (std::vector<std::string>{display, clip, display, clip, "box No Timer",
                                                        "box error music FormatPrimaryBufer", display, clip,
                                                        "box No Timer"}));
}

TEST_F(Display, FailuresHaveTheirTextsAndEndTheStep) {
    using enum platform::DisplayStatus;
    const std::pair<platform::DisplayStatus, const char*> cases[] = {
        {NoDisplay, "box ERROR DIRECT X DirectDrawCreate"}, {WindowFailed, "box ERROR DIRECT X SetDisplayMode"},
        {RendererFailed, "box ERROR DIRECT X DirectDrawCreate Surface su"},
        {TextureFailed, "box ERROR DIRECT X DirectDrawCreate Surface bc"}};
    platform.timer = false;
    for (const auto& [status, text] : cases) {
        platform.calls.clear(), platform.status = status;
        InitDisplay();
        PresentFrame();  // the frame buffers exist anyway: drawing and flipping stay safe
        EXPECT_EQ(platform.calls, (std::vector<std::string>{"display 320x240", text, "present, waiting"}))
            << "the step ends at the failure, before the cursor and the timer";
    }
}

TEST_F(Display, RestoreWaitsUntilTheDisplayIsBack) {
    InitDisplay();
    platform.sleptMs = 0, platform.calls.clear();
    RestoreLostSurfaces();
    EXPECT_EQ(platform.sleptMs, 0) << "nothing lost, nothing done";
    platform.loseSurfaces = true, platform.failedRestores = 3;
    RestoreLostSurfaces();
    std::erase_if(platform.calls, [](const std::string& call) { return call.starts_with("box"); });  // no sprites here
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"restore", "restore", "restore", "restore", "clip 5 5 315 235"}));
    EXPECT_EQ(platform.sleptMs, 4 * 10 + 100) << "10 ms per attempt, then 100 ms";
}
