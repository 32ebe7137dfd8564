// The mixer behind the sound system: one loaded sample per sound id, any number of voices playing
// copies of them, each with its own position, volume and loop flag.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>

namespace platform {

// PCM as the sound bank holds it after its own conversions: 8-bit unsigned or 16-bit signed
// little-endian, mono or interleaved stereo.
struct SoundFormat {
    int rate = 0;
    int bits = 0;
    int channels = 0;
};

using VoiceId = std::int32_t;  // 0 or more; negative means no voice

class AudioDevice {
public:
    virtual ~AudioDevice() = default;

    // False when there is no sound device: the game is then silent.
    virtual bool available() const = 0;
    // The device format (44100 Hz, 16-bit, stereo in the game); false when it cannot be set.
    virtual bool setFormat(SoundFormat format) = 0;
    // Keeps a copy of the samples as sound `id`, replacing an earlier one; false on failure.
    virtual bool loadSound(int id, SoundFormat format, std::span<const std::uint8_t> samples) = 0;
    // Starts a copy of sound `id`; volume in hundredths of a decibel below full (0 = full,
    // -10000 = silence). Returns the voice, or a negative value when it could not start.
    virtual VoiceId play(int id, bool loop, int volumeHundredthsDb) = 0;
    virtual bool stop(VoiceId voice) = 0;
    virtual bool isPlaying(VoiceId voice) = 0;
    // Forgets a voice: a copy still playing plays on to its end.
    virtual void release(VoiceId voice) = 0;
    // Optional music file (the data directory's "tan.xm"); false when there is none.
    virtual bool playMusic(const char* fileName) { (void)fileName; return false; }

    // How many times each sound id was started (the statistics of a headless run).
    virtual std::map<int, int> playCounts() const = 0;
};

// The SDL2_mixer device; falls back to a silent device when no sound device opens.
std::unique_ptr<AudioDevice> createSdlAudio();

// The headless mixer: copies advance by game time, fed by advance().
class VirtualMixer : public AudioDevice {
public:
    virtual void advance(std::int64_t microseconds) = 0;
};
std::unique_ptr<VirtualMixer> createVirtualMixer();

}  // namespace platform
