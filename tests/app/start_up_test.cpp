#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../test_platform.h"
#include "app/main_frame.h"
#include "core/input.h"
#include "core/settings.h"
#include "gfx/images.h"
#include "gfx/text.h"
#include "work_dir.h"

namespace {

// Records the order of the start-up's calls into the platform.
class StartUpPlatform : public TestPlatform, public platform::FontRenderer {
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
    void errorBox(std::string_view text, const char*) override {
        calls.push_back("box " + std::string(text));
    }
    platform::FontRenderer& font() override { return *this; }
    bool open(int height) override {
        calls.push_back("font " + std::to_string(height));
        return true;
    }
    void draw(std::uint16_t*, int, int, int, int, int, int, std::string_view, std::uint32_t, bool) override {}
};

class StartUp : public ::testing::Test {
protected:
    void SetUp() override {
        gameConfig = GameConfig{};
        screenWidth = 640;
        screenHeight = 480;
        pixelFormat = 1;
    }
    WorkDir dir;
    StartUpPlatform platform;
};

}  // namespace

TEST_F(StartUp, GameInitRunsInOrder) {
    WorkDir::writeIni({2, 0, 0, 0});
    CMainFrame frame;
    EXPECT_TRUE(frame.initialised());
    EXPECT_EQ(platform.handler, &frame);
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"display 800x600", "box No Timer", "masks", "font 23", "box no open load"}));
    EXPECT_EQ(pixelFormat, 2);
    EXPECT_EQ(fontHeight, 23);
    EXPECT_TRUE(raznoe && sprit && fon);
}

TEST_F(StartUp, FontFollowsModeEvenWithoutSettingsFile) {
    CMainFrame frame;
    EXPECT_EQ(platform.calls[0], "box no open game.ini");
    EXPECT_EQ(platform.calls[1], "display 640x480");
    EXPECT_EQ(fontHeight, 12) << "screenMode 0 chooses the smallest font while the display stays 640 x 480";
    EXPECT_EQ(fontHeightForMode(4), 0) << "an unknown mode asks for the face's default height";
}

TEST_F(StartUp, ButtonsReachTheirOwnLatches) {
    CMainFrame frame;
    platform.handler->onMouseButton(platform::MouseButton::Right, true);
    EXPECT_EQ(inputState.rightButton, 1);
    EXPECT_EQ(inputState.leftButton, 0);
    platform.handler->onMouseButton(platform::MouseButton::Left, true);
    platform.handler->onMouseButton(platform::MouseButton::Right, false);
    EXPECT_EQ(inputState.leftButton, 1);
    EXPECT_EQ(inputState.rightButton, 0);
    inputState.leftButton = 0;  // the game thread takes the click
    platform.handler->onMouseButton(platform::MouseButton::Left, false);
    EXPECT_EQ(inputState.leftButton, 0) << "a release after the click was taken leaves 0";
}
