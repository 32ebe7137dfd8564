// The window backend end to end in a real window (CI runs it under xvfb-run; skipped without a
// display). The test plays the window system's part by pushing SDL events from the game thread.
#include <gtest/gtest.h>
#include <unistd.h>

#include <SDL2/SDL.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "../read_file.h"
#include "platform/backends.h"
#include "platform/png.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

void push(Uint32 type, Uint8 windowEvent = 0, SDL_Keycode key = 0, Uint16 mod = KMOD_NONE) {
    SDL_Event event{};
    event.type = type;
    event.window.event = windowEvent;
    if (type == SDL_KEYDOWN) event.key = {SDL_KEYDOWN, 0, 0, SDL_PRESSED, 0, 0, 0, {SDL_SCANCODE_UNKNOWN, key, mod, 0}};
    if (type == SDL_MOUSEBUTTONDOWN) event.button = {type, 0, 0, 0, SDL_BUTTON_LEFT, SDL_PRESSED, 1, 0, 0, 0};
    SDL_PushEvent(&event);
}

struct Recorder : InputHandler {
    std::vector<std::string> got;
    void onKeyDown(int virtualKey) override { got.push_back("key " + std::to_string(virtualKey)); }
    void onMouseButton(MouseButton b, bool pressed) override {
        got.push_back((pressed ? "press " : "release ") + std::to_string(b == MouseButton::Left));
    }
};

// Each test in a home of its own whose pictures folder is ~/Shots, recording its session.
class SdlWindow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) GTEST_SKIP() << "no display";
        home = fs::temp_directory_path() / ("ramparo_window_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(home / "config");
        std::ofstream(home / "config" / "user-dirs.dirs") << "XDG_PICTURES_DIR=\"$HOME/Shots\"\n";
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
        options.windowed = true;
        options.recordFile = (home / "record.txt").string();
        options.recordHeader = "# game.ini: 01 01 00 01\n# turn-time: 7\n";
    }
    void TearDown() override { fs::remove_all(home); }

    // The backend with its display open at width x height, and a picture of that size to present.
    std::unique_ptr<Platform> open(int width, int height) {
        std::string error;
        std::unique_ptr<Platform> backend = createSdlPlatform(options, &error);
        EXPECT_TRUE(backend) << error;
        if (!backend) return backend;
        EXPECT_EQ(backend->openDisplay(width, height), DisplayStatus::Ok);
        pixels.resize(static_cast<std::size_t>(width) * height);
        for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = std::uint16_t((i % width / 10) << 11 | i / width);
        // Presented with rows padded to a pitch of width + 3, which the window copies away.
        padded.assign(static_cast<std::size_t>(width + 3) * height, 0xFFFF);
        for (int y = 0; y < height; ++y) std::copy_n(&pixels[y * width], width, &padded[y * (width + 3)]);
        picture = {padded.data(), width, height, width + 3};
        backend->setInputHandler(&input);
        return backend;
    }
    bool recorded(const std::string& line) const { return readFile(home / "record.txt").find(line) != line.npos; }

    fs::path home;
    BackendOptions options;
    std::vector<std::uint16_t> pixels, padded;
    PixelView picture;
    Recorder input;
};

}  // namespace

// Keys and buttons reach the game, Alt+Enter and F12 are the window's (F12 saves the game's own
// picture, never over an earlier shot); the timer ticks on the window thread; the pointer stays in
// its clip; the session is recorded after the settings it was played with.
TEST_F(SdlWindow, InputTimerPointerScreenshotsAndTheRecording) {
    auto backend = open(640, 480);
    ASSERT_TRUE(backend);
    backend->clipCursor(Rect{5, 5, 635, 475});
    const auto windowThread = std::this_thread::get_id();
    std::atomic<int> ticks{0};
    std::atomic<bool> tickOnWindowThread{true};
    ASSERT_TRUE(backend->startTimer(30, [&] {
        tickOnWindowThread = tickOnWindowThread && std::this_thread::get_id() == windowThread;
        ++ticks;
        backend->present(picture, false);
    }));
    int ticksDuringSleep = 0;
    const fs::path shots = home / "Shots";
    EXPECT_EQ(backend->run([&] {
        for (int i = 0; i < 30; ++i) backend->present(picture, true);
        push(SDL_KEYDOWN, 0, SDLK_RETURN, KMOD_LALT);
        push(SDL_KEYDOWN, 0, SDLK_y);
        push(SDL_MOUSEBUTTONDOWN);
        push(SDL_KEYDOWN, 0, SDLK_F12);
        push(SDL_KEYDOWN, 0, SDLK_F12);  // a second shot in the same second gets its own name
        std::error_code ec;
        for (int i = 0; i < 120 && !(fs::is_directory(shots, ec) && std::distance(fs::directory_iterator(shots), {}) > 1); ++i)
            backend->present(picture, true);
        const int before = ticks;
        backend->sleep(200);
        ticksDuringSleep = ticks - before;
        const Point pointer = backend->cursorPosition();
        EXPECT_TRUE(pointer.x >= 5 && pointer.x < 635 && pointer.y >= 5 && pointer.y < 475) << pointer.x << "," << pointer.y;
        backend->movePointer(Point{1000, 40});
        EXPECT_EQ(std::pair(backend->cursorPosition().x, backend->cursorPosition().y), std::pair(634, 40));
        backend->present(picture, true);
    }), 0);
    EXPECT_EQ(input.got, (std::vector<std::string>{"key 89", "press 1"}));
    EXPECT_GE(ticksDuringSleep, 3);
    EXPECT_TRUE(tickOnWindowThread);
    ASSERT_TRUE(fs::is_directory(shots));
    EXPECT_EQ(std::distance(fs::directory_iterator(shots), {}), 2);
    for (const fs::directory_entry& file : fs::directory_iterator(shots)) {
        EXPECT_TRUE(file.path().filename().string().starts_with("ramparo-")) << file;
        std::vector<std::uint16_t> saved;
        int width = 0, height = 0;
        EXPECT_TRUE(loadPng(file.path().string(), 2, saved, width, height)) << file;
        EXPECT_EQ(std::pair(width, height), std::pair(640, 480));
        EXPECT_EQ(saved, pixels) << "the game's own pixels, not the scaled window";
    }
    backend.reset();
    const std::string script = readFile(home / "record.txt");
    EXPECT_TRUE(script.starts_with(options.recordHeader + "# Ramparo input")) << script;
    for (const char* line : {" move 320 240\n", " key Y\n", " press left\n", " move 634 40\n"})
        EXPECT_TRUE(recorded(line)) << line << script;
    EXPECT_FALSE(recorded("RETURN") || recorded("0x7B")) << "the window's own keys are no input\n" << script;
}

// The game ends at a wait point when the window is closed, when it shuts down, or at --max-frames.
TEST_F(SdlWindow, ClosingShuttingDownOrMaxFramesEndTheGameAtItsNextWaitPoint) {
    for (const int way : {0, 1, 2}) {  // closed, shut down, 20 frames (in 5-5-5)
        SCOPED_TRACE(way);
        options.maxFrames = way == 2 ? 20 : -1;
        options.pixelFormat = way == 2 ? 1 : 2;
        auto backend = open(320, 240);
        ASSERT_TRUE(backend);
        EXPECT_EQ((std::vector{backend->redMask(), backend->greenMask(), backend->blueMask()}),
                  (way == 2 ? std::vector{0x7C00u, 0x03E0u, 0x001Fu} : std::vector{0xF800u, 0x07E0u, 0x001Fu}));
        int waits = 0;
        bool quitAtWaitPoint = false;
        EXPECT_EQ(backend->run([&] {
            if (way < 2) backend->present(picture, true);
            way == 0 ? push(SDL_QUIT) : way == 1 ? backend->shutdown() : void();
            try {
                for (; waits < 600; ++waits) way == 0 ? backend->sleep(10) : backend->present(picture, true);
            } catch (const QuitRequested&) {
                quitAtWaitPoint = true;
                throw;
            }
        }), 0);
        EXPECT_TRUE(quitAtWaitPoint);
        EXPECT_EQ(waits, way == 2 ? 19 : waits) << "the 20th present reaches frame 20 and ends the run";
        backend.reset();
        EXPECT_TRUE(way != 0 || recorded(" quit\n"));
    }
}

// Coming back from a minimised window, or a renderer that lost its textures, reaches the game as a
// surface loss it restores from; a window that only lost focus keeps its surfaces.
TEST_F(SdlWindow, ReturningOrALostTextureIsASurfaceLossTheGameGetsOver) {
    auto backend = open(320, 240);
    ASSERT_TRUE(backend);
    std::vector<bool> losses;  // after: minimised, restored, restored display, focus only, texture reset
    const auto lossAfter = [&](std::vector<Uint8> windowEvents, Uint32 type = SDL_WINDOWEVENT) {
        for (Uint8 what : windowEvents) push(type, what);
        bool lost = false;
        for (int i = 0; i < 60 && !lost; ++i) {
            backend->present(picture, true);
            lost = backend->takeSurfaceLoss();
        }
        losses.push_back(lost);
    };
    EXPECT_EQ(backend->run([&] {
        // Let the window system's own first events (shown, focus) pass before playing its part.
        for (int i = 0; i < 30; ++i) backend->present(picture, true);
        backend->takeSurfaceLoss();
        lossAfter({SDL_WINDOWEVENT_MINIMIZED});
        lossAfter({SDL_WINDOWEVENT_RESTORED, SDL_WINDOWEVENT_FOCUS_GAINED});
        bool restored = false;  // the game's restore loop: wait until the display is back
        for (int i = 0; i < 100 && !restored; ++i) {
            backend->sleep(10);
            restored = backend->restoreDisplay();
        }
        losses.push_back(restored);
        lossAfter({SDL_WINDOWEVENT_FOCUS_LOST, SDL_WINDOWEVENT_FOCUS_GAINED});
        lossAfter({0}, SDL_RENDER_TARGETS_RESET);
        EXPECT_FALSE(backend->takeSurfaceLoss()) << "reported once";
    }), 0);
    EXPECT_EQ(losses, (std::vector<bool>{false, true, true, false, true}));
    backend.reset();
    EXPECT_TRUE(recorded(" lose-surfaces\n")) << "the recording carries the loss: a replay restores at the same point";
}
