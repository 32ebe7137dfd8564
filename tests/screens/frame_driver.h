// A platform for screen loops: it records the texts drawn in each frame and lets a test act
// between frames (press keys, click, move the pointer).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../test_platform.h"
#include "core/input.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/images.h"
#include "gfx/text.h"

struct DrawnText {
    int x, y;
    std::string text;
    std::uint32_t colour;
    bool centred;
};

class FrameDriver : public TestPlatform {
public:
    // Called after each presented frame with the frame's number (1 = the first).
    std::function<void(int)> betweenFrames;
    std::vector<DrawnText> drawn;      // since the last present
    std::vector<DrawnText> lastFrame;  // the texts of the frame presented last

    void present(platform::PixelView view, bool wait) override {
        TestPlatform::present(view, wait);
        lastFrame = std::move(drawn);
        drawn.clear();
        if (presents > 10000) throw std::runtime_error("the screen never returned");
        if (betweenFrames) betweenFrames(presents);
    }
    platform::FontRenderer& font() override { return recorder; }

    // The last drawing of a text: the text itself, over its shadow.
    static const DrawnText* find(const std::string& text, const std::vector<DrawnText>& texts) {
        for (auto t = texts.rbegin(); t != texts.rend(); ++t)
            if (t->text == text) return &*t;
        return nullptr;
    }

private:
    class Recorder final : public platform::FontRenderer {
    public:
        explicit Recorder(FrameDriver& owner) : owner_(owner) {}
        bool open(int) override { return true; }
        void draw(std::uint16_t*, int, int, int, int, int x, int y, std::string_view text,
                  std::uint32_t colour, bool centred) override {
            owner_.drawn.push_back({x, y, std::string(text), colour, centred});
        }

    private:
        FrameDriver& owner_;
    };
    Recorder recorder{*this};
};

inline void setSolidImage(int index, int width, int height, std::uint16_t value) {
    ImageEntry& entry = raznoe[index];
    entry.surface = std::make_unique<Surface>(width, height);
    std::fill(entry.surface->pixels.begin(), entry.surface->pixels.end(), value);
    entry.width = static_cast<std::uint16_t>(width);
    entry.height = static_cast<std::uint16_t>(height);
}

// A 640 x 480 display with its buffers, the image tables allocated and empty.
inline void openTestDisplay() {
    screenWidth = 640;
    screenHeight = 480;
    fontHeight = 18;
    pixelFormat = 2;
    ASSERT_TRUE(AllocateImageTables());
    for (int i = 0; i < RAZNOE_SIZE; ++i) raznoe[i] = ImageEntry{};
    InitDisplay();
    inputState.lastKeyDown = 0;
    inputState.leftButton = 0;
    inputState.rightButton = 0;
}
