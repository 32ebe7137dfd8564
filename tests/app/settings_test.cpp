#include "app/settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../test_platform.h"

namespace fs = std::filesystem;

TEST(Settings, PiApproxHasItsExactBits) { EXPECT_EQ(std::bit_cast<std::uint32_t>(PI_APPROX), 0x40490FD0u); }

// Each test reads "game.ini" in a directory of its own, from freshly reset globals.
class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("ramparo_settings_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        previous = fs::current_path();
        fs::current_path(dir);
        gameConfig = GameConfig{};
        screenWidth = 640;
        screenHeight = 480;
        screenModeOverride = -1;
    }
    void TearDown() override {
        fs::current_path(previous);
        fs::remove_all(dir);
        screenModeOverride = -1;
    }
    void writeIni(const std::vector<std::uint8_t>& bytes) {
        std::ofstream file("game.ini", std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    TestPlatform platform;
    fs::path dir;
    fs::path previous;
};

TEST_F(SettingsFile, FourBytesSetModeAndOptions) {
    writeIni({3, 1, 2, 5, 99, 99});
    readSettings();
    EXPECT_TRUE(platform.errorBoxes.empty());
    EXPECT_EQ(gameConfig.screenMode, 3);
    EXPECT_EQ(gameConfig.skipVblankWait, 1);
    EXPECT_EQ(gameConfig.quietRefreshFallback, 2);
    EXPECT_EQ(gameConfig.weatherEnabled, 5);
    EXPECT_EQ(screenWidth, 1024);
    EXPECT_EQ(screenHeight, 768);
}

TEST_F(SettingsFile, EveryKnownModeHasItsSize) {
    const std::uint16_t sizes[4][2] = {{320, 240}, {640, 480}, {800, 600}, {1024, 768}};
    for (std::uint8_t mode = 0; mode < 4; ++mode) {
        writeIni({mode, 0, 0, 0});
        readSettings();
        EXPECT_EQ(screenWidth, sizes[mode][0]);
        EXPECT_EQ(screenHeight, sizes[mode][1]);
    }
}

TEST_F(SettingsFile, MissingFileShowsMessageAndKeepsDefaults) {
    readSettings();
    ASSERT_EQ(platform.errorBoxes, std::vector<std::string>{"no open game.ini"});
    EXPECT_EQ(gameConfig.screenMode, 0);
    EXPECT_EQ(gameConfig.skipVblankWait, 0);
    EXPECT_EQ(gameConfig.weatherEnabled, 0);
    // screenMode 0 would mean 320 x 240, but without the file the size stays 640 x 480.
    EXPECT_EQ(screenWidth, 640);
    EXPECT_EQ(screenHeight, 480);
}

TEST_F(SettingsFile, ShortFileReadsMissingBytesAsZero) {
    gameConfig.weatherEnabled = 7;
    writeIni({2, 1});
    readSettings();
    EXPECT_EQ(gameConfig.screenMode, 2);
    EXPECT_EQ(gameConfig.skipVblankWait, 1);
    EXPECT_EQ(gameConfig.quietRefreshFallback, 0);
    EXPECT_EQ(gameConfig.weatherEnabled, 0);
    EXPECT_EQ(screenWidth, 800);
}

TEST_F(SettingsFile, EmptyFileIsModeZero) {
    writeIni({});
    readSettings();
    EXPECT_TRUE(platform.errorBoxes.empty());
    EXPECT_EQ(gameConfig.screenMode, 0);
    EXPECT_EQ(screenWidth, 320);
}

TEST_F(SettingsFile, UnknownModeKeepsSize) {
    writeIni({4, 0, 0, 1});
    readSettings();
    EXPECT_EQ(gameConfig.screenMode, 4);
    EXPECT_EQ(screenWidth, 640);
    EXPECT_EQ(screenHeight, 480);
    EXPECT_EQ(gameConfig.weatherEnabled, 1);
}

TEST_F(SettingsFile, CharacterOneIsByte0x31NotModeOne) {
    writeIni({'1', '1', '1', '1'});
    readSettings();
    EXPECT_EQ(gameConfig.screenMode, 0x31);
    EXPECT_EQ(gameConfig.skipVblankWait, 0x31);
    EXPECT_EQ(screenWidth, 640);
    EXPECT_EQ(screenHeight, 480);
}

TEST_F(SettingsFile, ScreenModeOverrideReplacesByteZeroOnly) {
    writeIni({1, 1, 1, 1});
    screenModeOverride = 3;
    readSettings();
    EXPECT_EQ(gameConfig.screenMode, 3);
    EXPECT_EQ(gameConfig.skipVblankWait, 1);
    EXPECT_EQ(screenWidth, 1024);
    std::ifstream file("game.ini", std::ios::binary);
    EXPECT_EQ(file.get(), 1) << "the file is never written";
}

TEST_F(SettingsFile, ScreenModeOverrideWithoutFile) {
    screenModeOverride = 0;
    readSettings();
    EXPECT_EQ(platform.errorBoxes, std::vector<std::string>{"no open game.ini"});
    EXPECT_EQ(screenWidth, 320);
    EXPECT_EQ(gameConfig.skipVblankWait, 0);
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
