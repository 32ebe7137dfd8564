#include "audio/sound_convert.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace {

std::int16_t sample16(const std::vector<std::uint8_t>& s, std::size_t i) {
    return static_cast<std::int16_t>(s[2 * i] | s[2 * i + 1] << 8);
}

void putSample16(std::vector<std::uint8_t>& s, std::size_t i, int v) {
    s[2 * i] = static_cast<std::uint8_t>(v & 0xFF);
    s[2 * i + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

// (left + right) x 0.5, truncated toward zero.
void mixToMono(PcmSound& sound) {
    std::vector<std::uint8_t>& s = sound.samples;
    if (sound.format.bits == 8) {
        const std::size_t frames = s.size() / 2;
        for (std::size_t i = 0; i < frames; ++i) s[i] = static_cast<std::uint8_t>((s[2 * i] + s[2 * i + 1]) / 2);
        s.resize(frames);
    } else {
        const std::size_t frames = s.size() / 4;
        for (std::size_t i = 0; i < frames; ++i) putSample16(s, i, (sample16(s, 2 * i) + sample16(s, 2 * i + 1)) / 2);
        s.resize(frames * 2);
    }
    sound.format.channels = 1;
}

// s / 256 truncated toward zero, then + 128 as an unsigned byte.
void reduceTo8Bits(PcmSound& sound) {
    std::vector<std::uint8_t>& s = sound.samples;
    const std::size_t count = s.size() / 2;
    for (std::size_t i = 0; i < count; ++i) s[i] = static_cast<std::uint8_t>(sample16(s, i) / 256 + 128);
    s.resize(count);
    sound.format.bits = 8;
}

// Keeps frames 0, factor, 2 x factor, ...: length / factor bytes in whole frames.
void reduceRate(PcmSound& sound, int targetRate) {
    const int factor = sound.format.rate / targetRate;
    const std::size_t frameBytes = static_cast<std::size_t>(sound.format.channels * sound.format.bits / 8);
    std::vector<std::uint8_t>& s = sound.samples;
    const std::size_t frames = s.size() / frameBytes / static_cast<std::size_t>(factor);
    for (std::size_t i = 0; i < frames; ++i)
        std::copy_n(s.begin() + static_cast<std::ptrdiff_t>(i * factor * frameBytes), frameBytes,
                    s.begin() + static_cast<std::ptrdiff_t>(i * frameBytes));
    s.resize(frames * frameBytes);
    sound.format.rate = targetRate;
}

}  // namespace

platform::SoundFormat qualityFormat(int quality) {
    assert(quality >= 0 && quality < SOUND_QUALITY_COUNT);
    static constexpr std::array<platform::SoundFormat, SOUND_QUALITY_COUNT> formats = {{
        {11025, 8, 1}, {11025, 16, 1}, {11025, 8, 2}, {11025, 16, 2},
        {22050, 8, 1}, {22050, 16, 1}, {22050, 8, 2}, {22050, 16, 2},
        {44100, 8, 1}, {44100, 16, 1}, {44100, 8, 2}, {44100, 16, 2},
    }};
    return formats[quality];
}

void reduceToTarget(PcmSound& sound, platform::SoundFormat target) {
    if (target.channels < sound.format.channels) mixToMono(sound);
    if (target.bits < sound.format.bits) reduceTo8Bits(sound);
    if (target.rate < sound.format.rate) reduceRate(sound, target.rate);
}
