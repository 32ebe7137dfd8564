// The game's real pictures and sounds on a platform a test acts through: it records the texts
// each frame draws, counts the sounds played, and lets a test press keys, click and move the
// pointer at the wait points (presents and sleeps), where a person's input reaches the game.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "../test_platform.h"
#include "audio/sound_system.h"
#include "core/input.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/images.h"
#include "gfx/text.h"

struct DrawnText { int x, y; std::string text; std::uint32_t colour; bool centred; };

class ScreenPlatform : public TestPlatform, public platform::FontRenderer {
public:
    std::map<int, std::function<void()>> atPresent;  // run after the present of that number
    std::function<void(int sleep)> onSleep;
    int sleeps = 0;
    const std::uint16_t* shown = nullptr;             // the pixels presented last
    std::vector<DrawnText> drawn, lastFrame;          // since the last present; the frame presented last
    std::unique_ptr<platform::VirtualMixer> mixer = platform::createVirtualMixer();
    static constexpr int LIMIT = 20000;  // wait points before a screen that never returns ends the test

    void present(platform::PixelView frame, bool wait) override {
        TestPlatform::present(frame, wait);
        shown = frame.pixels;
        lastFrame = std::exchange(drawn, {});
        if (presents > LIMIT) throw platform::QuitRequested();
        if (atPresent.contains(presents)) atPresent[presents]();
    }
    void sleep(int ms) override {
        TestPlatform::sleep(ms);
        if (++sleeps > LIMIT) throw platform::QuitRequested();
        if (onSleep) onSleep(sleeps);
    }
    bool startTimer(int, std::function<void()>) override { return true; }
    platform::AudioDevice& audio() override { return *mixer; }
    platform::FontRenderer& font() override { return *this; }
    bool open(int) override { return true; }
    void draw(std::uint16_t*, int, int, int, int, int x, int y, std::string_view text, std::uint32_t colour,
              bool centred) override {
        drawn.push_back({x, y, std::string(text), colour, centred});
    }
    int played(int soundId) const { return mixer->playCounts()[soundId]; }
};

// The last drawing of text, over its shadow drawn just before it at (x, y), one pixel up and left.
inline bool drawnAt(const std::vector<DrawnText>& texts, std::string_view text, int x, int y, std::uint32_t shadow,
                    std::uint32_t colour, bool centred = true) {
    for (std::size_t i = texts.size(); i-- > 1;) {
        if (texts[i].text != text) continue;
        const DrawnText &s = texts[i - 1], &t = texts[i];
        return s.text == text && std::tie(s.x, s.y, s.colour, s.centred) == std::tie(x, y, shadow, centred) &&
               std::tie(t.x, t.y, t.colour, t.centred) == std::make_tuple(x - 1, y - 1, colour, centred);
    }
    return false;
}

// 640 x 480 (T = 48, font 18), 5-6-5, the generated data loaded, its directory the working one.
class ScreenTest : public ::testing::Test {
protected:
    static constexpr int W = 640, H = 480, T = H / 10, F = 18;

    void SetUp() override {
        std::filesystem::current_path(RAMPARO_BUILD_DATA_DIR);
        gameConfig = GameConfig{};
        screenWidth = W, screenHeight = H, pixelFormat = 2, fontHeight = F;
        soundSystem.attach(machine.audio());
        InitDisplay();
        if (!raznoe) AllocateImageTables();
        LoadStartupImages();
        LoadGameImages();
        soundSystem.LoadSoundBank("sound.sdf", 11);
        soundVolume = 10000;
        inputState = InputState{};
        cursorPos = {};
    }
    void TearDown() override {
        static platform::SilentAudio none;  // the sound system is global; the test's mixer is not
        soundSystem.attach(none);
        std::filesystem::current_path(previousDir);
    }

    void pointAt(int x, int y) { machine.cursor = cursorPos = {x, y}; }
    // The pointer on the middle of image placed at (x, y), the button down.
    void clickOn(const ImageEntry& image, int x, int y) {
        pointAt(x + image.width / 2, y + image.height / 2);
        inputState.leftButton = 1;
    }
    // Whether every non-transparent pixel of image (of its first `rows` rows) shows at (x, y).
    static bool shownAt(const ImageEntry& image, int x, int y, int rows = 1 << 16) {
        for (int row = 0; row < image.height && row < rows; ++row)
            for (int col = 0; col < image.width; ++col) {
                const std::uint16_t pixel = image.surface->row(row)[col];
                if (pixel != 0 && backBuffer->row(y + row)[x + col] != pixel) return false;
            }
        return true;
    }

    ScreenPlatform machine;
    const std::filesystem::path previousDir = std::filesystem::current_path();
};
