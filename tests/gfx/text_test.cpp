#include "gfx/text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/settings.h"
#include "gfx/display.h"
#include "gfx_test_support.h"
#include "platform/png.h"

namespace {

constexpr std::uint16_t BACKGROUND = 0x2945;  // a dark grey-blue in 5-6-5
constexpr std::uint32_t WHITE = 0xFFFFFF;

// The test platform with the real font renderer in place of its silent one.
class FontPlatform : public TestPlatform {
public:
    FontPlatform() : ttf_(platform::createTtfFont()) {}
    platform::FontRenderer& font() override { return *ttf_; }
    bool open(int cellHeight) { return ttf_->open(cellHeight); }

private:
    std::unique_ptr<platform::FontRenderer> ttf_;
};

class Text : public ::testing::Test {
protected:
    void SetUp() override {
        pixelFormat = 2;
        screen = Surface(320, 60);
        screen.pixels.assign(screen.pixels.size(), BACKGROUND);
        backBuffer = &screen;
    }
    void TearDown() override { backBuffer = nullptr; }

    // Bounding box of the pixels that differ from the background: left, top, right, bottom (inclusive).
    struct Box {
        int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
        bool empty() const { return right < 0; }
    };
    Box changed() const {
        Box box;
        for (int y = 0; y < screen.height; ++y)
            for (int x = 0; x < screen.width; ++x)
                if (screen.pixels[static_cast<std::size_t>(y) * screen.pitch + x] != BACKGROUND) {
                    box.left = std::min(box.left, x);
                    box.right = std::max(box.right, x);
                    box.top = std::min(box.top, y);
                    box.bottom = std::max(box.bottom, y);
                }
        return box;
    }

    FontPlatform platform;
    Surface screen;
};

TEST_F(Text, GlyphsStayInsideTheirCell) {
    for (int height : {12, 18, 23, 30}) {
        ASSERT_TRUE(platform.open(height));
        screen.pixels.assign(screen.pixels.size(), BACKGROUND);
        DrawText(4, 10, "QUJ|gjpqy$[]", WHITE);
        const Box box = changed();
        ASSERT_FALSE(box.empty()) << height;
        EXPECT_GE(box.top, 10) << height;
        // A descender may hang one row below the cell, as a glyph's own box can.
        EXPECT_LE(box.bottom, 10 + height) << height;
        // Capitals and descenders together span most of the cell.
        EXPECT_GE(box.bottom - box.top + 1, height * 3 / 4) << height;
        EXPECT_LE(box.left, 4 + height / 4) << height;
    }
}

TEST_F(Text, SolidGlyphPixelsTakeTheColourAndTheBackgroundStays) {
    ASSERT_TRUE(platform.open(30));
    DrawText(10, 10, "I", 0x0000FF);  // red in 0x00BBGGRR
    int red = 0;
    for (std::uint16_t p : screen.pixels) red += p == 0xF800;
    EXPECT_GT(red, 20);
    // Left of the text and below its cell nothing changed.
    for (int y = 0; y < 60; ++y) EXPECT_EQ(screen.pixels[static_cast<std::size_t>(y) * 320 + 9], BACKGROUND);
    for (int x = 0; x < 320; ++x)
        EXPECT_EQ(screen.pixels[static_cast<std::size_t>(50) * 320 + x], BACKGROUND);

    pixelFormat = 1;
    screen.pixels.assign(screen.pixels.size(), BACKGROUND);
    DrawText(10, 10, "I", 0xFF0000);  // blue
    red = 0;
    for (std::uint16_t p : screen.pixels) red += p == 0x001F;
    EXPECT_GT(red, 20);
}

TEST_F(Text, EmptyTextAndPositionsOffTheSurfaceDrawNothing) {
    ASSERT_TRUE(platform.open(18));
    DrawText(10, 10, "", WHITE);
    DrawTextCentered(10, 10, "", WHITE);
    DrawText(-5, 10, "WIDE TEXT", WHITE);  // x 65531
    DrawText(10, -5, "WIDE TEXT", WHITE);  // y 65531
    DrawTextCentered(-40, 10, "WIDE TEXT", WHITE);
    EXPECT_TRUE(changed().empty());
}

TEST_F(Text, HeightZeroOpensTheDefaultSize) {
    ASSERT_TRUE(platform.open(0));
    DrawText(0, 0, "HELLO", WHITE);
    const Box box = changed();
    ASSERT_FALSE(box.empty());
    EXPECT_NEAR(box.bottom - box.top + 1, 12, 1);  // capitals of about 0.7 em of a 16-point face
}

TEST_F(Text, CentredOnX) {
    ASSERT_TRUE(platform.open(18));
    DrawTextCentered(160, 5, "NEXT OPPONENT", WHITE);
    const Box box = changed();
    ASSERT_FALSE(box.empty());
    EXPECT_NEAR((box.left + box.right) / 2.0, 160.0, 2.0);
}

TEST_F(Text, ClippedToTheSurfacesWidthInsideItsPitch) {
    ASSERT_TRUE(platform.open(23));
    screen.width = 100;  // 220 columns of each row lie beyond the width and must stay as they are
    DrawText(80, 40, "MMMMMMMM", WHITE);
    DrawTextCentered(99, 0, "MMMMMMMM", WHITE);
    bool drewInside = false;
    for (int y = 0; y < 60; ++y) {
        for (int x = 100; x < 320; ++x)
            ASSERT_EQ(screen.pixels[static_cast<std::size_t>(y) * 320 + x], BACKGROUND);
        for (int x = 80; x < 100; ++x)
            drewInside |= screen.pixels[static_cast<std::size_t>(y) * 320 + x] != BACKGROUND;
    }
    EXPECT_TRUE(drewInside);
}

// A line at each of the game's four font heights against PNG fixtures; RAMPARO_UPDATE_GOLDEN=1
// writes the fixtures instead.
TEST_F(Text, MatchesTheGoldenPictures) {
    const bool update = std::getenv("RAMPARO_UPDATE_GOLDEN") != nullptr;
    for (int height : {12, 18, 23, 30}) {
        ASSERT_TRUE(platform.open(height));
        Surface picture(480, height + 4);
        picture.pixels.assign(picture.pixels.size(), BACKGROUND);
        backBuffer = &picture;
        DrawText(2, 3, "RAMPARO: NONAME 01 - 1234$", 0x0F0F0F);
        DrawText(1, 2, "RAMPARO: NONAME 01 - 1234$", 0x00FFFF);
        const std::string path =
            std::string(RAMPARO_TEST_SOURCE_DIR) + "/gfx/fixtures/text_" + std::to_string(height) + ".png";
        if (update) {
            ASSERT_TRUE(platform::savePng(path, picture.view(), 2)) << path;
            continue;
        }
        std::vector<std::uint16_t> expected;
        int width = 0, pictureHeight = 0;
        ASSERT_TRUE(platform::loadPng(path, 2, expected, width, pictureHeight)) << path;
        ASSERT_EQ(width, picture.width) << path;
        ASSERT_EQ(pictureHeight, picture.height) << path;
        EXPECT_EQ(expected, picture.pixels) << path << " differs; RAMPARO_UPDATE_GOLDEN=1 rewrites it";
    }
}

}  // namespace
