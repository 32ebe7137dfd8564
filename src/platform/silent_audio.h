// The device used when there is no sound device: nothing loads, nothing plays.
#pragma once

#include "platform/audio_device.h"

namespace platform {

class SilentAudio final : public AudioDevice {
public:
    bool available() const override { return false; }
    bool setFormat(SoundFormat) override { return false; }
    bool loadSound(int, SoundFormat, std::span<const std::uint8_t>) override { return false; }
    VoiceId play(int, bool, int) override { return -1; }
    bool stop(VoiceId) override { return false; }
    bool isPlaying(VoiceId) override { return false; }
    void release(VoiceId) override {}
    std::map<int, int> playCounts() const override { return {}; }
};

}  // namespace platform
