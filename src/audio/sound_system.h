// The sound system: the sound bank loaded into the mixer, and the pool of channels that play it.
//
// `soundSystem` is a global constructed before main, so its constructor leaves the machine alone:
// start-up attaches it to the running backend's mixer with
// `soundSystem.attach(platform::get().audio())` once the platform is set and before the display
// opens, and sets the format with SetPrimaryFormat once the display is open. Until then, and for
// good when the backend has no sound device, `soundEnabled` is 0 and every operation returns 1 without doing anything.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "audio/sound_bank_writer.h"
#include "platform/audio_device.h"

constexpr int CHANNEL_COUNT = 500;

struct SoundSlot {
    std::uint8_t channels = 0;  // 0 = no sound, 1 = mono, 2 = stereo
    std::uint32_t sampleRate = 0;
    std::uint8_t bitsPerSample = 0;
    std::uint8_t loop = 0;
    std::uint32_t dataLength = 0;
    std::uint8_t loaded = 0;
    bool hasBuffer = false;  // the mixer holds its samples
};

struct SoundChannel {
    std::uint8_t allocated = 0;
    std::uint8_t hasCopy = 0;
    std::uint8_t autoRelease = 0;
    platform::VoiceId copy = -1;  // the mixer voice playing the channel's copy
};

class CSoundSystem {
public:
    CSoundSystem() = default;
    CSoundSystem(const CSoundSystem&) = delete;
    CSoundSystem& operator=(const CSoundSystem&) = delete;

    // Starts over on `device`: tables cleared, `soundEnabled` from whether it has a sound device.
    void attach(platform::AudioDevice& device);

    int SetPrimaryFormat(int rate, int bits, int channels);
    // Reads the bank file and loads it. A file that cannot be read is reported here
    // ("no open <file>") and leaves the game silent; the result is then 1, so that the caller
    // does not report it a second time.
    int LoadSoundBank(const char* fileName, int quality);
    // Loads a bank already in memory. Slots whose header makes no sense or whose samples run
    // past the end are refused (not loaded) and the result is 0; the other slots load. When no
    // sound at all could be loaded the game goes silent (`soundEnabled` 0), so that play sites
    // do not use up channels on sounds that cannot play.
    int LoadSoundBankData(std::span<const std::uint8_t> file, int quality);

    int AllocChannel();
    int PlaySound(int channel, int soundId, int autoRelease, int volume);
    int StopChannel(int channel);
    int FreeChannel(int channel);
    int IsChannelPlaying(int channel);
    int StopAllChannels();
    int ReleaseAllChannels();
    int PlayMusic(const char* fileName);

    std::int32_t soundEnabled = 0;
    std::array<SoundSlot, SOUND_ID_COUNT + 1> sounds{};         // index = sound id; 0 is never used
    std::array<SoundChannel, CHANNEL_COUNT + 1> channels{};  // 0 is the overflow channel

private:
    static bool isChannel(int channel) { return channel >= 0 && channel <= CHANNEL_COUNT; }

    platform::AudioDevice* device = nullptr;
};

extern CSoundSystem soundSystem;
extern std::int32_t soundVolume;  // 0..10000, the volume of every play
// The soundVolume that makes the mixer play at `percent` of the designed loudness: 100 gives
// 10000 (full, as designed), 0 silence, and between them the decibels of percent / 100.
std::int32_t soundVolumeForPercent(int percent);
extern std::int32_t lastChannel;  // the channel of the latest play site

// The play pattern of every play site: a channel from the pool into `lastChannel` ("no free
// chanel" when the pool is exhausted; the sound then plays on the overflow channel 0), and the
// sound on it at `soundVolume`, freed by the pool once it has ended.
void playSoundEffect(int soundId);
