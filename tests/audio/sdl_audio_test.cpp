#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/audio_device.h"
#include "platform/sdl/sdl_audio_volume.h"

TEST(MixerVolume, FollowsTheDecibelLaw) {
    EXPECT_EQ(platform::mixerVolume(0), 128);
    EXPECT_EQ(platform::mixerVolume(-600), 64);    // -6 dB: about half
    EXPECT_EQ(platform::mixerVolume(-2000), 13);   // -20 dB: a tenth, 12.8
    EXPECT_EQ(platform::mixerVolume(-4000), 1);    // -40 dB: 1.28
    EXPECT_EQ(platform::mixerVolume(-10000), 0);
    EXPECT_EQ(platform::mixerVolume(-20000), 0);
    EXPECT_EQ(platform::mixerVolume(500), 128);
}

// SDL's dummy audio driver stands in for a sound card; where SDL has none, there is nothing to test.
class SdlAudio : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        device = platform::createSdlAudio();
        if (!device->available()) GTEST_SKIP() << "no SDL audio driver";
        ASSERT_TRUE(device->setFormat({44100, 16, 2}));
        // One second of 8-bit mono at 22050 Hz: converted to the device format on load.
        ASSERT_TRUE(device->loadSound(1, {22050, 8, 1}, std::vector<std::uint8_t>(22050, 128)));
    }
    std::unique_ptr<platform::AudioDevice> device;
};

TEST_F(SdlAudio, AReusedMixerVoiceDoesNotAnswerForItsOldCopy) {
    const platform::VoiceId first = device->play(1, false, 0);
    ASSERT_GE(first, 0);
    EXPECT_TRUE(device->isPlaying(first));
    EXPECT_TRUE(device->stop(first));
    EXPECT_FALSE(device->isPlaying(first));

    const platform::VoiceId second = device->play(1, true, -600);
    ASSERT_GE(second, 0);
    EXPECT_NE(second, first);
    EXPECT_FALSE(device->isPlaying(first));
    EXPECT_TRUE(device->stop(first));  // the old copy is gone: nothing to stop
    EXPECT_TRUE(device->isPlaying(second));
    EXPECT_TRUE(device->stop(second));
    EXPECT_EQ(device->playCounts()[1], 2);
}

TEST_F(SdlAudio, RefusesWhatItCannotPlay) {
    EXPECT_LT(device->play(2, false, 0), 0);
    EXPECT_FALSE(device->loadSound(2, {22050, 12, 1}, std::vector<std::uint8_t>(4, 0)));
    EXPECT_FALSE(device->stop(-1));
    EXPECT_FALSE(device->isPlaying(-1));
    EXPECT_FALSE(device->playMusic("no-such-music.xm"));
}
