#include <gtest/gtest.h>

#include "audio/sound_system.h"
#include "platform/sdl/sdl_audio_volume.h"
#include "recording_device.h"
#include "../test_platform.h"

namespace {

constexpr int SHORT_SOUND = 1;  // 0.1 s
constexpr int LOOP_SOUND = 2;
constexpr int EMPTY_SLOT = 3;

class SoundPool : public ::testing::Test {
protected:
    SoundPool() {
        soundSystem.attach(device);
        const std::vector<BankSound> bank = {{SHORT_SOUND, 1, 10000, 8, 0, std::vector<std::uint8_t>(1000, 128)},
                                             {LOOP_SOUND, 1, 10000, 8, 1, std::vector<std::uint8_t>(1000, 128)}};
        EXPECT_EQ(soundSystem.LoadSoundBankData(encodeSoundBank(bank), 11), 1);
    }

    void advanceMs(int ms) { device.mixer->advance(ms * 1000LL); }
    int plays(int id) { return device.playCounts()[id]; }
    void allocateAll() {
        for (int i = 0; i < CHANNEL_COUNT; ++i) soundSystem.AllocChannel();
    }

    TestPlatform platform;
    RecordingDevice device;
    CSoundSystem& pool = soundSystem;
};

}  // namespace

TEST_F(SoundPool, HandsOutTheLowestFreeChannelAndReclaimsEndedSounds) {
    EXPECT_EQ(pool.AllocChannel(), 1);
    EXPECT_EQ(pool.PlaySound(1, SHORT_SOUND, 1, 10000), 1);
    EXPECT_EQ(pool.AllocChannel(), 2);
    advanceMs(99);
    EXPECT_EQ(pool.IsChannelPlaying(1), 1);
    EXPECT_EQ(pool.AllocChannel(), 3);
    advanceMs(1);
    EXPECT_EQ(pool.IsChannelPlaying(1), 0);
    EXPECT_EQ(pool.AllocChannel(), 1);
    EXPECT_EQ(pool.AllocChannel(), 4);
}

TEST_F(SoundPool, AKeptChannelWaitsForItsOwner) {
    const int kept = pool.AllocChannel();
    pool.PlaySound(kept, SHORT_SOUND, 0, 10000);
    advanceMs(500);
    EXPECT_EQ(pool.AllocChannel(), kept + 1);
    EXPECT_EQ(pool.StopChannel(kept), 1);
    EXPECT_EQ(pool.FreeChannel(kept), 1);
    EXPECT_EQ(pool.FreeChannel(kept), 0);
    EXPECT_EQ(pool.AllocChannel(), kept);
}

TEST_F(SoundPool, ALoopingSoundKeepsItsChannelUntilTheBattleReleasesAll) {
    const int rain = pool.AllocChannel();
    pool.PlaySound(rain, LOOP_SOUND, 1, 10000);
    advanceMs(60'000);
    EXPECT_EQ(pool.IsChannelPlaying(rain), 1);
    EXPECT_NE(pool.AllocChannel(), rain);
    EXPECT_EQ(pool.StopAllChannels(), 1);
    EXPECT_EQ(pool.IsChannelPlaying(rain), 0);
    EXPECT_EQ(pool.ReleaseAllChannels(), 1);
    EXPECT_EQ(pool.AllocChannel(), 1);
    EXPECT_EQ(pool.AllocChannel(), 2);
}

TEST_F(SoundPool, AnExhaustedPoolReportsAndStillPlaysOnChannelZero) {
    allocateAll();
    playSoundEffect(SHORT_SOUND);
    EXPECT_EQ(lastChannel, 0);
    EXPECT_EQ(platform.errorBoxes, std::vector<std::string>{"no free chanel"});
    EXPECT_EQ(plays(SHORT_SOUND), 1);
    EXPECT_EQ(pool.IsChannelPlaying(0), 1);
    EXPECT_EQ(pool.channels[0].allocated, 1);
}

TEST_F(SoundPool, ChannelZeroIsOutsideTheAllChannelOperations) {
    allocateAll();
    EXPECT_EQ(pool.AllocChannel(), 0);
    pool.PlaySound(0, LOOP_SOUND, 1, 10000);
    pool.StopAllChannels();
    pool.ReleaseAllChannels();
    EXPECT_EQ(pool.IsChannelPlaying(0), 1);
    // A later overflow sound takes the channel over; the looping copy is no longer its to stop.
    pool.PlaySound(0, SHORT_SOUND, 1, 10000);
    EXPECT_EQ(pool.StopChannel(0), 1);
    EXPECT_EQ(pool.IsChannelPlaying(0), 0);
}

TEST_F(SoundPool, ThePlayPatternFreesItsChannelOnceTheSoundHasEnded) {
    playSoundEffect(SHORT_SOUND);
    EXPECT_EQ(lastChannel, 1);
    playSoundEffect(SHORT_SOUND);
    EXPECT_EQ(lastChannel, 2);
    advanceMs(100);
    playSoundEffect(SHORT_SOUND);
    EXPECT_EQ(lastChannel, 1);
    EXPECT_EQ(plays(SHORT_SOUND), 3);
    EXPECT_EQ(device.volumes, (std::vector<int>{0, 0, 0}));  // soundVolume 10000 is full loudness
    EXPECT_TRUE(platform.errorBoxes.empty());
}

TEST_F(SoundPool, TheVolumeSettingReachesTheMixerAsAShareOfFullLoudness) {
    // percent -> what the mixer plays at, of its 128: 100 is the designed loudness exactly.
    const std::pair<int, int> cases[] = {{100, 128}, {75, 96}, {50, 64}, {25, 32}, {10, 13}, {1, 1}, {0, 0}};
    for (const auto& [percent, mixer] : cases) {
        soundVolume = soundVolumeForPercent(percent);
        device.volumes.clear();
        playSoundEffect(SHORT_SOUND);
        ASSERT_EQ(device.volumes.size(), 1u) << percent;
        EXPECT_EQ(platform::mixerVolume(device.volumes[0]), mixer) << percent << "%";
    }
    EXPECT_EQ(soundVolumeForPercent(100), 10000);
    EXPECT_EQ(soundVolumeForPercent(0), 0);
    soundVolume = 10000;
}

TEST_F(SoundPool, RefusesWhatCannotPlay) {
    const int ch = pool.AllocChannel();
    EXPECT_EQ(pool.PlaySound(ch, EMPTY_SLOT, 1, 10000), 0);
    EXPECT_EQ(pool.PlaySound(ch, 0, 1, 10000), 0);
    EXPECT_EQ(pool.PlaySound(ch, 401, 1, 10000), 0);
    EXPECT_EQ(pool.PlaySound(CHANNEL_COUNT + 1, SHORT_SOUND, 1, 10000), 0);
    EXPECT_EQ(pool.PlaySound(-1, SHORT_SOUND, 1, 10000), 0);
    EXPECT_EQ(pool.StopChannel(ch), 0);  // never played
    EXPECT_EQ(pool.IsChannelPlaying(ch), 0);
    EXPECT_EQ(pool.FreeChannel(ch + 1), 0);  // never allocated
    EXPECT_TRUE(device.volumes.empty());
}

TEST_F(SoundPool, AChannelWhoseSoundCouldNotStartIsFreedByTheNextSweep) {
    device.refusePlay = true;
    const int ch = pool.AllocChannel();
    EXPECT_EQ(pool.PlaySound(ch, SHORT_SOUND, 1, 10000), 0);
    EXPECT_EQ(pool.IsChannelPlaying(ch), 0);
    EXPECT_EQ(pool.StopChannel(ch), 0);
    device.refusePlay = false;
    EXPECT_EQ(pool.AllocChannel(), ch) << "the sweep frees it";
    // The channel works again as any other; the battle's end copes with it too.
    EXPECT_EQ(pool.PlaySound(ch, SHORT_SOUND, 1, 10000), 1);
    EXPECT_EQ(pool.StopAllChannels(), 1);
    EXPECT_EQ(pool.ReleaseAllChannels(), 1);
}

TEST_F(SoundPool, AFailedStartOnAKeptChannelLeavesItToItsOwner) {
    device.refusePlay = true;
    const int kept = pool.AllocChannel();
    EXPECT_EQ(pool.PlaySound(kept, SHORT_SOUND, 0, 10000), 0);
    EXPECT_NE(pool.AllocChannel(), kept);
    EXPECT_EQ(pool.StopChannel(kept), 0);
    EXPECT_EQ(pool.FreeChannel(kept), 1);
    EXPECT_EQ(pool.AllocChannel(), kept);
}

TEST_F(SoundPool, VolumeIsPassedAsHundredthsOfADecibelBelowFull) {
    pool.PlaySound(pool.AllocChannel(), SHORT_SOUND, 1, 0);
    pool.PlaySound(pool.AllocChannel(), SHORT_SOUND, 1, 7500);
    EXPECT_EQ(device.volumes, (std::vector<int>{-10000, -2500}));
}

TEST_F(SoundPool, WithoutASoundDeviceEveryOperationReturnsOne) {
    device.hasDevice = false;
    pool.attach(device);
    EXPECT_EQ(pool.AllocChannel(), 1);
    EXPECT_EQ(pool.AllocChannel(), 1);
    EXPECT_EQ(pool.PlaySound(1, SHORT_SOUND, 1, 10000), 1);
    EXPECT_EQ(pool.StopChannel(1), 1);
    EXPECT_EQ(pool.FreeChannel(1), 1);
    EXPECT_EQ(pool.IsChannelPlaying(1), 1);
    EXPECT_EQ(pool.StopAllChannels(), 1);
    EXPECT_EQ(pool.ReleaseAllChannels(), 1);
    EXPECT_EQ(pool.PlayMusic("tan.xm"), 1);
    playSoundEffect(SHORT_SOUND);
    EXPECT_EQ(lastChannel, 1);
    EXPECT_TRUE(device.volumes.empty());
    EXPECT_TRUE(platform.errorBoxes.empty());
}
