// The window backend end to end in a real window (CI runs it under xvfb-run; skipped without a
// display). The test plays the window system's part by pushing SDL events from the game thread.
#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "platform/backends.h"

using namespace platform;

namespace {

class Recorder : public InputHandler {
public:
    std::vector<int> keys;
    std::vector<std::pair<MouseButton, bool>> buttons;
    void onKeyDown(int virtualKey) override { keys.push_back(virtualKey); }
    void onMouseButton(MouseButton button, bool pressed) override { buttons.emplace_back(button, pressed); }
};

struct Gradient {
    static constexpr int W = 640;
    static constexpr int H = 480;
    std::vector<std::uint16_t> pixels = std::vector<std::uint16_t>(W * H);
    PixelView draw(int shift) {
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                pixels[y * W + x] = static_cast<std::uint16_t>((((x + shift) * 32 / W) & 31) << 11 | (y * 64 / H) << 5);
        return {pixels.data(), W, H, W};
    }
};

void pushKey(SDL_Keycode key, Uint16 mod) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    SDL_PushEvent(&event);
}

void pushEvent(Uint32 type) {
    SDL_Event event{};
    event.type = type;
    if (type == SDL_MOUSEBUTTONDOWN) {
        event.button.button = SDL_BUTTON_LEFT;
        event.button.state = SDL_PRESSED;
    }
    SDL_PushEvent(&event);
}

class SdlWindowSmoke : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) GTEST_SKIP() << "no display";
        options.windowed = true;
        recordPath = std::filesystem::temp_directory_path() /
                     ("ramparo_record_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt");
        options.recordFile = recordPath.string();
        options.recordHeader = "# game.ini: 01 01 00 01\n# turn-time: 7\n";
    }
    void TearDown() override { std::filesystem::remove(recordPath); }

    std::unique_ptr<Platform> create() {
        std::string error;
        auto backend = createSdlPlatform(options, &error);
        if (!backend) ADD_FAILURE() << error;
        return backend;
    }
    std::string recorded() const {
        std::ifstream in(recordPath);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    BackendOptions options;
    std::filesystem::path recordPath;
    Gradient gradient;
};

}  // namespace

TEST_F(SdlWindowSmoke, PresentsInputTimerAndSurfaceLoss) {
    auto backend = create();
    ASSERT_TRUE(backend);
    ASSERT_EQ(backend->openDisplay(Gradient::W, Gradient::H), DisplayStatus::Ok);
    EXPECT_EQ(backend->redMask(), 0xF800u);
    backend->clipCursor(Rect{5, 5, Gradient::W - 5, Gradient::H - 5});

    const auto windowThread = std::this_thread::get_id();
    std::atomic<int> ticks{0};
    std::atomic<bool> tickOnWindowThread{true};
    Gradient timerPicture;
    const PixelView timerFrame = timerPicture.draw(100);
    ASSERT_TRUE(backend->startTimer(30, [&] {
        if (std::this_thread::get_id() != windowThread) tickOnWindowThread = false;
        ++ticks;
        backend->present(timerFrame, false);
    }));

    Recorder input;
    backend->setInputHandler(&input);
    bool lossSeen = false;
    bool restored = false;
    int ticksDuringSleep = 0;
    int presents = 0;
    const int status = backend->run([&] {
        for (int i = 0; i < 30; ++i, ++presents) backend->present(gradient.draw(i * 8), true);
        pushKey(SDLK_RETURN, KMOD_LALT);  // the window's own key: never reaches the game
        pushKey(SDLK_y, KMOD_NONE);
        pushEvent(SDL_MOUSEBUTTONDOWN);
        for (int i = 0; i < 60 && input.buttons.empty(); ++i, ++presents) backend->present(gradient.draw(0), true);
        pushEvent(SDL_RENDER_TARGETS_RESET);
        for (int i = 0; i < 60 && !lossSeen; ++i, ++presents) {
            backend->present(gradient.draw(0), true);
            lossSeen = backend->takeSurfaceLoss();
        }
        EXPECT_FALSE(backend->takeSurfaceLoss());  // reported once
        restored = backend->restoreDisplay();
        const int before = ticks;
        backend->sleep(200);
        ticksDuringSleep = ticks - before;
        // The pointer never leaves the clip rectangle.
        const Point pointer = backend->cursorPosition();
        EXPECT_GE(pointer.x, 5);
        EXPECT_LT(pointer.x, Gradient::W - 5);
        EXPECT_GE(pointer.y, 5);
        EXPECT_LT(pointer.y, Gradient::H - 5);
        backend->movePointer(Point{1000, 40});
        EXPECT_EQ(backend->cursorPosition().x, Gradient::W - 6);
        EXPECT_EQ(backend->cursorPosition().y, 40);
        backend->present(gradient.draw(0), true);
    });
    EXPECT_EQ(status, 0);
    EXPECT_GE(presents, 31);
    EXPECT_EQ(input.keys, std::vector<int>{0x59});
    ASSERT_EQ(input.buttons.size(), 1u);
    EXPECT_EQ(input.buttons[0].first, MouseButton::Left);
    EXPECT_TRUE(input.buttons[0].second);
    EXPECT_TRUE(lossSeen);
    EXPECT_TRUE(restored);
    EXPECT_GE(ticksDuringSleep, 3);
    EXPECT_TRUE(tickOnWindowThread);

    backend.reset();
    const std::string script = recorded();
    EXPECT_TRUE(script.starts_with(options.recordHeader + "# Ramparo input")) << "the recorded settings first\n"
                                                                             << script;
    EXPECT_NE(script.find(" move 320 240\n"), std::string::npos) << script;
    EXPECT_NE(script.find(" key Y\n"), std::string::npos) << script;
    EXPECT_NE(script.find(" press left\n"), std::string::npos) << script;
    EXPECT_EQ(script.find("RETURN"), std::string::npos) << script;
    EXPECT_NE(script.find(" move " + std::to_string(Gradient::W - 6) + " 40\n"), std::string::npos) << script;
}

TEST_F(SdlWindowSmoke, MaxFramesEndsTheGameAtThatVirtualFrame) {
    options.maxFrames = 20;
    auto backend = create();
    ASSERT_TRUE(backend);
    ASSERT_EQ(backend->openDisplay(Gradient::W, Gradient::H), DisplayStatus::Ok);
    int presents = 0;
    const int status = backend->run([&] {
        for (;;) {
            backend->present(gradient.draw(presents), true);
            ++presents;
        }
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(presents, 19);  // the 20th present reaches frame 20 and ends the run
}

TEST_F(SdlWindowSmoke, ClosingTheWindowEndsTheGameAtItsNextWaitPoint) {
    auto backend = create();
    ASSERT_TRUE(backend);
    ASSERT_EQ(backend->openDisplay(Gradient::W, Gradient::H), DisplayStatus::Ok);
    bool quitAtWaitPoint = false;
    const int status = backend->run([&] {
        backend->present(gradient.draw(0), true);
        pushEvent(SDL_QUIT);
        try {
            for (int i = 0; i < 600; ++i) backend->sleep(10);
        } catch (const QuitRequested&) {
            quitAtWaitPoint = true;
            throw;
        }
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(quitAtWaitPoint);
    backend.reset();
    EXPECT_NE(recorded().find(" quit\n"), std::string::npos);
}

TEST_F(SdlWindowSmoke, ShutdownClosesTheWindow) {
    auto backend = create();
    ASSERT_TRUE(backend);
    ASSERT_EQ(backend->openDisplay(Gradient::W, Gradient::H), DisplayStatus::Ok);
    bool laterPresentQuits = false;
    const int status = backend->run([&] {
        backend->present(gradient.draw(0), true);
        backend->shutdown();
        try {
            backend->present(gradient.draw(1), true);
            backend->present(gradient.draw(2), true);
        } catch (const QuitRequested&) {
            laterPresentQuits = true;
        }
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(laterPresentQuits);
}

TEST_F(SdlWindowSmoke, FiveFiveFiveLayout) {
    options.pixelFormat = 1;
    auto backend = create();
    ASSERT_TRUE(backend);
    EXPECT_EQ(backend->redMask(), 0x7C00u);
    EXPECT_EQ(backend->greenMask(), 0x03E0u);
    EXPECT_EQ(backend->blueMask(), 0x001Fu);
    ASSERT_EQ(backend->openDisplay(320, 240), DisplayStatus::Ok);
    int presents = 0;
    EXPECT_EQ(backend->run([&] {
        std::vector<std::uint16_t> pixels(320 * 240, 0x7C00);
        for (; presents < 5; ++presents) backend->present({pixels.data(), 320, 240, 320}, false);
    }),
              0);
    EXPECT_EQ(presents, 5);
}
