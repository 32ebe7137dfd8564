// The SDL mixer device, on SDL's dummy audio driver in place of a sound card.
#include <gtest/gtest.h>

#include "platform/audio_device.h"

TEST(SdlAudio, AReusedMixerVoiceDoesNotAnswerForItsOldCopyAndWhatCannotPlayIsRefused) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::unique_ptr<platform::AudioDevice> device = platform::createSdlAudio();
    if (!device->available()) GTEST_SKIP() << "no SDL audio driver";
    ASSERT_TRUE(device->setFormat({44100, 16, 2}));
    // One second of 8-bit mono at 22050 Hz: converted to the device format on load.
    ASSERT_TRUE(device->loadSound(1, {22050, 8, 1}, std::vector<std::uint8_t>(22050, 128)));
    const platform::VoiceId first = device->play(1, false, 0);
    EXPECT_TRUE(first >= 0 && device->isPlaying(first));
    EXPECT_TRUE(device->stop(first));
    EXPECT_FALSE(device->isPlaying(first));
    const platform::VoiceId second = device->play(1, true, -600);
    EXPECT_TRUE(second >= 0 && second != first);
    EXPECT_FALSE(device->isPlaying(first));
    EXPECT_TRUE(device->stop(first)) << "the old copy is gone: nothing to stop";
    EXPECT_TRUE(device->isPlaying(second));
    EXPECT_TRUE(device->stop(second));
    EXPECT_EQ(device->playCounts()[1], 2);

    EXPECT_LT(device->play(2, false, 0), 0);
    EXPECT_FALSE(device->loadSound(2, {22050, 12, 1}, std::vector<std::uint8_t>(4, 0)));
    EXPECT_FALSE(device->stop(-1) || device->isPlaying(-1) || device->playMusic("no-such-music.xm"));
}
