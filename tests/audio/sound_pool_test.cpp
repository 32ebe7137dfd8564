// The pool of 500 channels and the play pattern, on the headless mixer whose time the test moves.
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
    ~SoundPool() override { soundVolume = 10000; }
    void advanceMs(int ms) { device.mixer->advance(ms * 1000LL); }

    TestPlatform platform;
    RecordingDevice device;
    CSoundSystem& pool = soundSystem;
};

}  // namespace

TEST_F(SoundPool, HandsOutTheLowestFreeChannelAndReclaimsOneWhoseSoundEnded) {
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

// The sweep frees an auto-released channel once its sound has ended, or when it never started; a
// kept channel waits for its owner either way.
TEST_F(SoundPool, WhoFreesAChannelWhoseSoundEndedOrFailedToStart) {
    for (const auto& [autoRelease, fails] : {std::pair{1, false}, {1, true}, {0, false}, {0, true}}) {
        SCOPED_TRACE(std::to_string(autoRelease) + (fails ? " failed" : " played"));
        pool.ReleaseAllChannels();
        device.refusePlay = fails;
        const int ch = pool.AllocChannel();
        EXPECT_EQ(pool.PlaySound(ch, SHORT_SOUND, autoRelease, 10000), fails ? 0 : 1);
        advanceMs(500);
        device.refusePlay = false;
        EXPECT_EQ(pool.IsChannelPlaying(ch), 0);
        EXPECT_EQ(pool.StopChannel(ch), fails ? 0 : 1);
        if (!autoRelease) {
            EXPECT_EQ(pool.AllocChannel(), ch + 1);
            EXPECT_EQ(pool.FreeChannel(ch), 1);
            EXPECT_EQ(pool.FreeChannel(ch), 0);
        }
        EXPECT_EQ(pool.AllocChannel(), ch);
        EXPECT_EQ(pool.PlaySound(ch, SHORT_SOUND, 1, 10000), 1) << "the channel works again as any other";
    }
}

TEST_F(SoundPool, LoopsPlayUntilTheBattleReleasesAllButTheOverflowChannelZeroStaysOutside) {
    pool.PlaySound(pool.AllocChannel(), LOOP_SOUND, 1, 10000);  // the rain, on channel 1
    for (int ch = 2; ch <= CHANNEL_COUNT; ++ch) ASSERT_EQ(pool.AllocChannel(), ch);
    advanceMs(60'000);
    playSoundEffect(LOOP_SOUND);
    EXPECT_EQ(lastChannel, 0);
    EXPECT_EQ(platform.errorBoxes, std::vector<std::string>{"no free chanel"});
    EXPECT_EQ(device.playCounts()[LOOP_SOUND], 2) << "the sound is heard all the same";
    EXPECT_EQ(pool.IsChannelPlaying(1), 1) << "the rain after a minute";
    EXPECT_EQ(pool.StopAllChannels(), 1);
    EXPECT_EQ(pool.IsChannelPlaying(1), 0);
    EXPECT_EQ(pool.ReleaseAllChannels(), 1);
    EXPECT_EQ(pool.IsChannelPlaying(0), 1);
    EXPECT_EQ(pool.AllocChannel(), 1);
    EXPECT_EQ(pool.AllocChannel(), 2);
    // A later overflow sound takes channel 0 over; the looping copy is no longer its to stop.
    pool.PlaySound(0, SHORT_SOUND, 1, 10000);
    EXPECT_EQ(pool.StopChannel(0), 1);
    EXPECT_EQ(pool.IsChannelPlaying(0), 0);
}

TEST_F(SoundPool, ThePlayPatternTakesTheNextChannelAtTheVolumeSetting) {
    pool.PlaySound(pool.AllocChannel(), SHORT_SOUND, 1, 0);  // hundredths of a decibel below full
    pool.PlaySound(pool.AllocChannel(), SHORT_SOUND, 1, 7500);
    EXPECT_EQ(device.volumes, (std::vector<int>{-10000, -2500}));
    // The volume setting in percent -> what the mixer plays at, of its 128: 100 is the designed loudness.
    const std::pair<int, int> cases[] = {{100, 128}, {75, 96}, {50, 64}, {25, 32}, {10, 13}, {1, 1}, {0, 0}};
    int channel = 3;
    for (const auto& [percent, mixer] : cases) {
        soundVolume = soundVolumeForPercent(percent);
        playSoundEffect(SHORT_SOUND);
        EXPECT_EQ(lastChannel, channel++);
        EXPECT_EQ(platform::mixerVolume(device.volumes.back()), mixer) << percent << "%";
    }
    EXPECT_EQ(soundVolumeForPercent(100), 10000);
    EXPECT_EQ(soundVolumeForPercent(10), 8000);  // a tenth is 20 dB down, in hundredths of a decibel
    EXPECT_EQ(soundVolumeForPercent(0), 0);
    EXPECT_TRUE(platform.errorBoxes.empty());
}

TEST_F(SoundPool, RefusesWhatCannotPlayAndWithoutADeviceAnswersOneToEverythingSilently) {
    const int ch = pool.AllocChannel();
    for (const auto& [channel, id] : {std::pair{ch, EMPTY_SLOT}, {ch, 0}, {ch, 401}, {501, SHORT_SOUND}, {-1, 1}})
        EXPECT_EQ(pool.PlaySound(channel, id, 1, 10000), 0) << channel << " " << id;
    EXPECT_EQ(pool.StopChannel(ch), 0);  // never played
    EXPECT_EQ(pool.IsChannelPlaying(ch), 0);
    EXPECT_EQ(pool.FreeChannel(ch + 1), 0);  // never allocated
    EXPECT_TRUE(device.volumes.empty());

    device.hasDevice = false;
    device.loaded.clear();
    pool.attach(device);
    const std::vector<std::uint8_t> bank = encodeSoundBank(std::vector<BankSound>{{SHORT_SOUND, 1, 10000, 8, 0, {1}}});
    for (int result : {pool.SetPrimaryFormat(44100, 16, 2), pool.LoadSoundBank("no/sound.sdf", 11),
                       pool.LoadSoundBankData(bank, 11), pool.AllocChannel(), pool.AllocChannel(),
                       pool.PlaySound(1, SHORT_SOUND, 1, 10000), pool.StopChannel(1), pool.FreeChannel(1),
                       pool.IsChannelPlaying(1), pool.StopAllChannels(), pool.ReleaseAllChannels(),
                       pool.PlayMusic("tan.xm")})
        EXPECT_EQ(result, 1);
    playSoundEffect(SHORT_SOUND);
    EXPECT_EQ(lastChannel, 1);
    EXPECT_TRUE(device.volumes.empty() && device.loaded.empty());
    EXPECT_TRUE(platform.errorBoxes.empty()) << "nothing is reported either";
}
