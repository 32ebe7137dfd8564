// In a real window (xvfb-run in CI; skipped without a display): F12 writes the picture on screen,
// and coming back from a minimised window reaches the game as a surface loss it can restore from.
#include <gtest/gtest.h>
#include <unistd.h>

#include <SDL2/SDL.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/backends.h"
#include "platform/png.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

constexpr int W = 320;
constexpr int H = 240;

void pushWindowEvent(Uint8 what) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = what;
    SDL_PushEvent(&event);
}

void pushF12() {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = SDLK_F12;
    SDL_PushEvent(&event);
}

class KeyCounter : public InputHandler {
public:
    int keys = 0;
    void onKeyDown(int) override { ++keys; }
    void onMouseButton(MouseButton, bool) override {}
};

class SdlWindowReturn : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) GTEST_SKIP() << "no display";
        home = fs::temp_directory_path() / ("ramparo_home_" + std::to_string(::getpid()));
        fs::remove_all(home);
        fs::create_directories(home / "config");
        std::ofstream(home / "config" / "user-dirs.dirs") << "XDG_PICTURES_DIR=\"$HOME/Shots\"\n";
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
        options.windowed = true;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) pixels[y * W + x] = static_cast<std::uint16_t>((x / 10) << 11 | (y / 4));
    }
    void TearDown() override { fs::remove_all(home); }

    fs::path home;
    BackendOptions options;
    std::vector<std::uint16_t> pixels = std::vector<std::uint16_t>(W * H);
};

}  // namespace

TEST_F(SdlWindowReturn, F12SavesThePictureOnScreenAndNeverReachesTheGame) {
    std::string error;
    auto backend = createSdlPlatform(options, &error);
    ASSERT_TRUE(backend) << error;
    ASSERT_EQ(backend->openDisplay(W, H), DisplayStatus::Ok);
    KeyCounter input;
    backend->setInputHandler(&input);
    const fs::path shots = home / "Shots";
    const int status = backend->run([&] {
        // The second present returns once the first frame is on screen.
        backend->present({pixels.data(), W, H, W}, true);
        backend->present({pixels.data(), W, H, W}, true);
        pushF12();
        pushF12();  // a second shot in the same second gets its own name
        for (int i = 0; i < 120; ++i) {
            backend->present({pixels.data(), W, H, W}, true);
            std::error_code ec;
            if (fs::is_directory(shots, ec) && std::distance(fs::directory_iterator(shots), {}) >= 2) break;
        }
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(input.keys, 0);
    ASSERT_TRUE(fs::is_directory(shots));
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(shots)) files.push_back(entry.path());
    ASSERT_EQ(files.size(), 2u);
    for (const fs::path& file : files) {
        EXPECT_TRUE(file.filename().string().starts_with("ramparo-")) << file;
        std::vector<std::uint16_t> saved;
        int width = 0;
        int height = 0;
        ASSERT_TRUE(loadPng(file.string(), 2, saved, width, height)) << file;
        EXPECT_EQ(width, W);
        EXPECT_EQ(height, H);
        EXPECT_EQ(saved, pixels) << "the game's own pixels, not the scaled window";
    }
}

TEST_F(SdlWindowReturn, RestoredAfterMinimisedIsASurfaceLossTheGameGetsOver) {
    options.recordFile = (home / "record.txt").string();
    std::string error;
    auto backend = createSdlPlatform(options, &error);
    ASSERT_TRUE(backend) << error;
    ASSERT_EQ(backend->openDisplay(W, H), DisplayStatus::Ok);
    bool lossBeforeReturn = true;
    bool lossSeen = false;
    bool restored = false;
    bool focusOnlyLoss = true;
    const int status = backend->run([&] {
        // Let the window system's own first events (shown, focus) pass before playing its part.
        for (int i = 0; i < 30; ++i) backend->present({pixels.data(), W, H, W}, true);
        backend->takeSurfaceLoss();
        pushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);
        for (int i = 0; i < 10; ++i) backend->present({pixels.data(), W, H, W}, true);
        lossBeforeReturn = backend->takeSurfaceLoss();
        pushWindowEvent(SDL_WINDOWEVENT_RESTORED);
        pushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        for (int i = 0; i < 60 && !lossSeen; ++i) {
            backend->present({pixels.data(), W, H, W}, true);
            lossSeen = backend->takeSurfaceLoss();
        }
        // The game's restore loop: wait until the display is back, then carry on presenting.
        for (int i = 0; i < 100 && !restored; ++i) {
            backend->sleep(10);
            restored = backend->restoreDisplay();
        }
        // A window (not full screen) that loses and regains focus keeps its surfaces.
        pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
        pushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        for (int i = 0; i < 10; ++i) backend->present({pixels.data(), W, H, W}, true);
        focusOnlyLoss = backend->takeSurfaceLoss();
    });
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(lossBeforeReturn) << "nothing is lost while away";
    EXPECT_TRUE(lossSeen);
    EXPECT_TRUE(restored);
    EXPECT_FALSE(focusOnlyLoss);
    // The recording carries the loss, so that a replay restores at the same point.
    backend.reset();
    std::ifstream record(home / "record.txt");
    std::stringstream recorded;
    recorded << record.rdbuf();
    EXPECT_NE(recorded.str().find(" lose-surfaces\n"), std::string::npos) << recorded.str();
}
