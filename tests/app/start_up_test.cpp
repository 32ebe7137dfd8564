#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../test_platform.h"
#include "app/input.h"
#include "app/main_frame.h"
#include "app/settings.h"
#include "gfx/display.h"
#include "gfx/images.h"
#include "gfx/text.h"

namespace fs = std::filesystem;

namespace {

// Records the order of the start-up's calls into the platform.
class StartUpPlatform : public TestPlatform {
public:
    std::vector<std::string> calls;
    platform::InputHandler* handler = nullptr;

    platform::DisplayStatus openDisplay(int w, int h) override {
        calls.push_back("display " + std::to_string(w) + "x" + std::to_string(h));
        return platform::DisplayStatus::Ok;
    }
    std::uint32_t redMask() const override {
        const_cast<StartUpPlatform*>(this)->calls.push_back("masks");
        return TestPlatform::redMask();
    }
    void setInputHandler(platform::InputHandler* h) override { handler = h; }
    void errorBox(std::string_view text, const char* caption) override {
        calls.push_back("box " + std::string(text));
        TestPlatform::errorBox(text, caption);
    }
    platform::FontRenderer& font() override { return recorder; }

    class FontRecorder : public platform::FontRenderer {
    public:
        std::vector<std::string>* calls = nullptr;
        bool open(int height) override {
            calls->push_back("font " + std::to_string(height));
            return true;
        }
        void draw(std::uint16_t*, int, int, int, int, int, int, std::string_view, std::uint32_t,
                  bool) override {}
    } recorder;

    StartUpPlatform() { recorder.calls = &calls; }
};

class StartUp : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("ramparo_start_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        previous = fs::current_path();
        fs::current_path(dir);
        gameConfig = GameConfig{};
        screenWidth = 640;
        screenHeight = 480;
        pixelFormat = 1;
    }
    void TearDown() override {
        fs::current_path(previous);
        fs::remove_all(dir);
    }
    StartUpPlatform platform;
    fs::path dir;
    fs::path previous;
};

}  // namespace

TEST_F(StartUp, GameInitRunsInOrder) {
    std::ofstream("game.ini", std::ios::binary).write("\x02\x00\x00\x00", 4);
    CMainFrame frame;
    EXPECT_TRUE(frame.initialised());
    EXPECT_EQ(platform.handler, &frame);
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"display 800x600", "box No Timer", "masks", "font 23"}));
    EXPECT_EQ(pixelFormat, 2);
    EXPECT_EQ(fontHeight, 23);
    EXPECT_NE(raznoe, nullptr);
    EXPECT_NE(sprit, nullptr);
    EXPECT_NE(fon, nullptr);
}

TEST_F(StartUp, FontFollowsModeEvenWithoutSettingsFile) {
    CMainFrame frame;
    EXPECT_EQ(platform.calls.front(), "box no open game.ini");
    EXPECT_EQ(platform.calls[1], "display 640x480") << "the display stays 640 x 480";
    EXPECT_EQ(fontHeight, 12) << "while screenMode 0 chooses the smallest font";
}

TEST_F(StartUp, InputReachesTheWindowHandlers) {
    CMainFrame frame;
    ASSERT_EQ(platform.handler, &frame);
    platform.handler->onMouseButton(platform::MouseButton::Right, true);
    platform.handler->onMouseButton(platform::MouseButton::Left, true);
    platform.handler->onKeyDown('Q');
    EXPECT_EQ(inputState.rightButton, 1);
    EXPECT_EQ(inputState.leftButton, 1);
    EXPECT_EQ(inputState.lastKeyDown, 'Q');
    platform.handler->onMouseButton(platform::MouseButton::Left, false);
    EXPECT_EQ(inputState.leftButton, 0);
    EXPECT_EQ(inputState.rightButton, 1);
    platform.handler->onMouseButton(platform::MouseButton::Right, false);
    EXPECT_EQ(inputState.rightButton, 0);
}

TEST(FontHeight, ByScreenMode) {
    EXPECT_EQ(fontHeightForMode(0), 12);
    EXPECT_EQ(fontHeightForMode(1), 18);
    EXPECT_EQ(fontHeightForMode(2), 23);
    EXPECT_EQ(fontHeightForMode(3), 30);
    EXPECT_EQ(fontHeightForMode(4), 0) << "the face's default height";
    EXPECT_EQ(fontHeightForMode(0x31), 0);
}
