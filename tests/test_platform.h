// A platform for unit tests: records error boxes, draws no text, plays no sound, never waits.
// Tests that need the real headless backend run the game binary instead.
#pragma once

#include <string>
#include <vector>

#include "platform/audio_device.h"
#include "platform/font.h"
#include "platform/platform.h"
#include "platform/silent_audio.h"

class TestPlatform : public platform::Platform {
public:
    TestPlatform() { platform::set(this); }
    ~TestPlatform() override { platform::set(nullptr); }

    std::vector<std::string> errorBoxes;
    int presents = 0;
    int sleptMs = 0;
    bool loseSurfaces = false;
    std::uint32_t masks[3] = {0xF800, 0x07E0, 0x001F};

    platform::DisplayStatus openDisplay(int, int) override { return platform::DisplayStatus::Ok; }
    std::uint32_t redMask() const override { return masks[0]; }
    std::uint32_t greenMask() const override { return masks[1]; }
    std::uint32_t blueMask() const override { return masks[2]; }
    void present(platform::PixelView, bool) override { ++presents; }
    bool takeSurfaceLoss() override {
        const bool lost = loseSurfaces;
        loseSurfaces = false;
        return lost;
    }
    bool restoreDisplay() override { return true; }
    void clipCursor(platform::Rect) override {}
    void setInputHandler(platform::InputHandler*) override {}
    platform::Point cursorPosition() override { return cursor; }
    void movePointer(platform::Point position) override { cursor = position; }
    void sleep(int ms) override { sleptMs += ms; }
    bool startTimer(int, std::function<void()>) override { return false; }
    void errorBox(std::string_view text, const char*) override { errorBoxes.emplace_back(text); }
    platform::AudioDevice& audio() override { return silent; }
    platform::FontRenderer& font() override { return noFont; }
    int run(std::function<void()> gameMain) override {
        gameMain();
        return 0;
    }
    void shutdown() override {}

    platform::Point cursor;

private:
    class NoFont final : public platform::FontRenderer {
    public:
        bool open(int) override { return false; }
        void draw(std::uint16_t*, int, int, int, int, int, int, std::string_view, std::uint32_t, bool) override {}
    };
    platform::SilentAudio silent;
    NoFont noFont;
};
