// The loader's own reductions of a sound to the format the bank is loaded at: fewer channels,
// fewer bits, a lower rate by an integer factor. Nothing is ever converted upward; the mixer
// brings whatever remains to the device format.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/audio_device.h"

struct PcmSound {
    platform::SoundFormat format;     // 8-bit unsigned or 16-bit signed little-endian, 1 or 2 channels
    std::vector<std::uint8_t> samples;  // whole frames
};

constexpr int SOUND_QUALITY_COUNT = 12;

// The target format of a load quality 0..11 (11 = 44100 Hz, 16-bit, stereo).
platform::SoundFormat qualityFormat(int quality);

// Stereo to mono, then 16 to 8 bits, then the rate, each only where the target has less.
void reduceToTarget(PcmSound& sound, platform::SoundFormat target);
