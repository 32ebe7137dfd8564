// The loader's own reductions of a sound to the format of its load quality.
#include "audio/sound_convert.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

std::vector<std::uint8_t> le16(std::initializer_list<int> values) {
    std::vector<std::uint8_t> out;
    for (int v : values) out.insert(out.end(), {std::uint8_t(v & 0xFF), std::uint8_t((v >> 8) & 0xFF)});
    return out;
}
std::tuple<int, int, int> fields(platform::SoundFormat f) { return {f.rate, f.bits, f.channels}; }

}  // namespace

TEST(SoundConvert, QualityNamesRateBitsAndChannels) {
    for (int q = 0; q < SOUND_QUALITY_COUNT; ++q)
        EXPECT_EQ(fields(qualityFormat(q)), std::make_tuple(11025 << q / 4, q % 2 ? 16 : 8, q % 4 >= 2 ? 2 : 1)) << q;
}

TEST(SoundConvert, ChannelsThenBitsThenRateAreReducedNeverRaised) {
    const struct {
        const char* what;
        platform::SoundFormat from;
        std::vector<std::uint8_t> samples;
        int quality;
        platform::SoundFormat to;
        std::vector<std::uint8_t> expected;
    } cases[] = {
        // Frame 0 mixes to (1000 - 3001) / 2 = -1000 (toward zero), then -1000 / 256 = -3, + 128; factor 4.
        {"4 stereo frames, 1 byte", {44100, 16, 2}, le16({1000, -3001, 5, 5, 7, 7, 9, 9}), 0, {11025, 8, 1}, {125}},
        {"16 to 8 bits toward zero", {11025, 16, 1}, le16({-1, -256, 32767, -32768, 255, -255}), 0, {11025, 8, 1},
         {128, 127, 255, 0, 128, 128}},
        {"stereo bytes averaged", {11025, 8, 2}, {255, 0, 3, 4, 200, 200}, 0, {11025, 8, 1}, {127, 3, 200}},
        {"stereo words averaged", {11025, 16, 2}, le16({-3, 0, 32767, 32767, -32768, -32767}), 1, {11025, 16, 1},
         le16({-1, 32767, -32767})},
        // 22050 to 11025: frames 0 and 2 of 5 remain (5 / 2 = 2 frames).
        {"half the rate", {22050, 16, 2}, le16({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 3, {11025, 16, 2}, le16({1, 2, 5, 6})},
        {"factor one relabels", {48000, 16, 2}, le16({1, -1, 300, -300}), 11, {44100, 16, 2}, le16({1, -1, 300, -300})},
        {"nothing upward", {8000, 8, 1}, {1, 2, 3}, 11, {8000, 8, 1}, {1, 2, 3}},
    };
    for (const auto& c : cases) {
        PcmSound sound{c.from, c.samples};
        reduceToTarget(sound, qualityFormat(c.quality));
        EXPECT_EQ(fields(sound.format), fields(c.to)) << c.what;
        EXPECT_EQ(sound.samples, c.expected) << c.what;
    }
}
