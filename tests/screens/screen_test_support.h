// The game's real pictures and sounds on a platform whose frames and sleeps a test can act on.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "../test_platform.h"
#include "audio/sound_system.h"
#include "core/input.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/images.h"
#include "gfx/text.h"
#include "platform/audio_device.h"
#include "platform/silent_audio.h"

// Presents and sleeps are where input reaches the game: the hooks stand for a person's hands.
class ScreenPlatform : public TestPlatform {
public:
    std::function<void(int present)> onPresent;
    std::function<void(int sleep)> onSleep;
    int sleeps = 0;
    std::unique_ptr<platform::VirtualMixer> mixer = platform::createVirtualMixer();

    // A screen that never returns ends the test instead of hanging it.
    static constexpr int WAIT_POINT_LIMIT = 20000;

    void present(platform::PixelView frame, bool wait) override {
        TestPlatform::present(frame, wait);
        if (presents > WAIT_POINT_LIMIT) throw platform::QuitRequested();
        if (onPresent) onPresent(presents);
    }
    void sleep(int ms) override {
        TestPlatform::sleep(ms);
        if (++sleeps > WAIT_POINT_LIMIT) throw platform::QuitRequested();
        if (onSleep) onSleep(sleeps);
    }
    bool startTimer(int, std::function<void()>) override { return true; }
    platform::AudioDevice& audio() override { return *mixer; }

    int played(int soundId) const {
        const std::map<int, int> counts = mixer->playCounts();
        const auto it = counts.find(soundId);
        return it == counts.end() ? 0 : it->second;
    }
};

// 640 x 480, 5-6-5, the generated data loaded, the game's data directory as working directory.
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousDir = std::filesystem::current_path();
        std::filesystem::current_path(RAMPARO_BUILD_DATA_DIR);
        gameConfig = GameConfig{};
        screenWidth = 640;
        screenHeight = 480;
        pixelFormat = 2;
        fontHeight = 12;
        soundSystem.attach(machine.audio());
        InitDisplay();
        if (!raznoe) AllocateImageTables();
        LoadStartupImages();
        LoadGameImages();
        soundSystem.LoadSoundBank("sound.sdf", 11);
        soundVolume = 10000;
        inputState.lastKeyDown = 0;
        inputState.leftButton = 0;
        cursorPos = {};
        machine.errorBoxes.clear();
    }
    void TearDown() override {
        // The sound system is global; the test's mixer is not.
        static platform::SilentAudio none;
        soundSystem.attach(none);
        std::filesystem::current_path(previousDir);
    }

    // Puts the pointer at (x, y) as the game's next cursor read will see it.
    void pointAt(int x, int y) {
        machine.cursor = {x, y};
        cursorPos = {x, y};
    }
    // Whether every non-transparent pixel of image (of its first `rows` rows) shows at (x, y) in
    // the back buffer.
    static bool shownAt(const ImageEntry& image, int x, int y, int rows = 1 << 16) {
        for (int row = 0; row < image.height && row < rows; ++row)
            for (int col = 0; col < image.width; ++col) {
                const std::uint16_t pixel = image.surface->row(row)[col];
                if (pixel != 0 && backBuffer->row(y + row)[x + col] != pixel) return false;
            }
        return true;
    }

    ScreenPlatform machine;

private:
    std::filesystem::path previousDir;
};
