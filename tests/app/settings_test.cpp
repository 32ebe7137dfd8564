#include "core/settings.h"

#include <gtest/gtest.h>

#include <bit>
#include <fstream>
#include <string>
#include <vector>

#include "../test_platform.h"
#include "work_dir.h"

TEST(Settings, PiApproxHasItsExactBits) { EXPECT_EQ(std::bit_cast<std::uint32_t>(PI_APPROX), 0x40490FD0u); }

// Each test reads "game.ini" in a directory of its own, from freshly reset globals.
class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        gameConfig = GameConfig{};
        screenWidth = 640;
        screenHeight = 480;
        screenModeOverride = -1;
    }
    void TearDown() override { screenModeOverride = -1; }
    void expectSize(int w, int h) {
        EXPECT_EQ(screenWidth, w);
        EXPECT_EQ(screenHeight, h);
    }

    WorkDir dir;
    TestPlatform platform;
};

TEST_F(SettingsFile, FourBytesAndEveryKnownMode) {
    const int sizes[4][2] = {{320, 240}, {640, 480}, {800, 600}, {1024, 768}};
    for (std::uint8_t mode = 0; mode < 4; ++mode) {
        WorkDir::writeIni({mode, 1, 2, 5, 99});
        readSettings();
        expectSize(sizes[mode][0], sizes[mode][1]);
    }
    EXPECT_TRUE(platform.errorBoxes.empty());
    EXPECT_EQ(gameConfig.screenMode, 3);
    EXPECT_EQ(gameConfig.skipVblankWait, 1);
    EXPECT_EQ(gameConfig.quietRefreshFallback, 2);
    EXPECT_EQ(gameConfig.weatherEnabled, 5);
}

TEST_F(SettingsFile, MissingFileShowsMessageAndKeepsDefaults) {
    readSettings();
    ASSERT_EQ(platform.errorBoxes, std::vector<std::string>{"no open game.ini"});
    EXPECT_EQ(gameConfig.screenMode, 0);
    EXPECT_EQ(gameConfig.weatherEnabled, 0);
    expectSize(640, 480);  // not the 320 x 240 of mode 0
}

TEST_F(SettingsFile, ShortFileReadsMissingBytesAsZero) {
    gameConfig.weatherEnabled = 7;
    WorkDir::writeIni({2, 1});
    readSettings();
    EXPECT_EQ(gameConfig.skipVblankWait, 1);
    EXPECT_EQ(gameConfig.quietRefreshFallback, 0);
    EXPECT_EQ(gameConfig.weatherEnabled, 0);
    expectSize(800, 600);
    WorkDir::writeIni({});
    readSettings();
    EXPECT_TRUE(platform.errorBoxes.empty());
    expectSize(320, 240);
}

TEST_F(SettingsFile, UnknownModeKeepsSizeAndCharacterOneIsUnknown) {
    WorkDir::writeIni({4, 0, 0, 1});
    readSettings();
    EXPECT_EQ(gameConfig.screenMode, 4);
    expectSize(640, 480);
    WorkDir::writeIni({'1', '1', '1', '1'});
    readSettings();
    EXPECT_EQ(gameConfig.screenMode, 0x31);
    EXPECT_EQ(gameConfig.skipVblankWait, 0x31);
    expectSize(640, 480);
}

TEST_F(SettingsFile, ScreenModeOverrideReplacesByteZeroOnly) {
    WorkDir::writeIni({1, 1, 1, 1});
    screenModeOverride = 3;
    readSettings();
    EXPECT_EQ(gameConfig.screenMode, 3);
    EXPECT_EQ(gameConfig.skipVblankWait, 1);
    expectSize(1024, 768);
    EXPECT_EQ(std::ifstream("game.ini", std::ios::binary).get(), 1) << "the file is never written";

    std::filesystem::remove("game.ini");
    screenModeOverride = 0;
    readSettings();
    EXPECT_EQ(platform.errorBoxes, std::vector<std::string>{"no open game.ini"});
    expectSize(320, 240);
}

TEST(PixelFormatDetection, OnlyExact565MasksGiveLayoutTwo) {
    TestPlatform platform;
    pixelFormat = 1;
    platform.masks[0] = 0x7C00;
    platform.masks[1] = 0x03E0;
    detectPixelFormat();
    EXPECT_EQ(pixelFormat, 1);
    platform.masks[0] = 0xF800;
    platform.masks[1] = 0x07E0;
    detectPixelFormat();
    EXPECT_EQ(pixelFormat, 2);
}
