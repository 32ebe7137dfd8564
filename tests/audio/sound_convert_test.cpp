#include "audio/sound_convert.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> le16(std::initializer_list<int> values) {
    std::vector<std::uint8_t> out;
    for (int v : values) {
        out.push_back(static_cast<std::uint8_t>(v & 0xFF));
        out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    }
    return out;
}

PcmSound reduced(platform::SoundFormat format, std::vector<std::uint8_t> samples, int quality) {
    PcmSound sound{format, std::move(samples)};
    reduceToTarget(sound, qualityFormat(quality));
    return sound;
}

}  // namespace

TEST(SoundConvert, QualityZeroTakesFourStereoFramesDownToOneByte) {
    // Frame 0 mixes to (1000 - 3001) / 2 = -1000 (toward zero), which becomes -1000 / 256 = -3, + 128.
    const PcmSound s = reduced({44100, 16, 2}, le16({1000, -3001, 5, 5, 7, 7, 9, 9}), 0);
    EXPECT_EQ(s.format.rate, 11025);
    EXPECT_EQ(s.format.bits, 8);
    EXPECT_EQ(s.format.channels, 1);
    EXPECT_EQ(s.samples, std::vector<std::uint8_t>{125});
}

TEST(SoundConvert, SixteenToEightBitsTruncatesTowardZero) {
    const PcmSound s = reduced({11025, 16, 1}, le16({-1, -256, 32767, -32768, 255, -255}), 0);
    EXPECT_EQ(s.samples, (std::vector<std::uint8_t>{128, 127, 255, 0, 128, 128}));
    EXPECT_EQ(s.format.bits, 8);
}

TEST(SoundConvert, StereoToMonoAveragesEachFrame) {
    const PcmSound bytes = reduced({11025, 8, 2}, {255, 0, 3, 4, 200, 200}, 0);
    EXPECT_EQ(bytes.samples, (std::vector<std::uint8_t>{127, 3, 200}));
    const PcmSound words = reduced({11025, 16, 2}, le16({-3, 0, 32767, 32767, -32768, -32767}), 1);
    EXPECT_EQ(words.samples, le16({-1, 32767, -32767}));
    EXPECT_EQ(words.format.channels, 1);
}

TEST(SoundConvert, RateFallsByAWholeFactorKeepingWholeFrames) {
    // 22050 to 11025: frames 0 and 2 of 5 remain (5 / 2 = 2 frames).
    const PcmSound s = reduced({22050, 16, 2}, le16({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 3);
    EXPECT_EQ(s.samples, le16({1, 2, 5, 6}));
    EXPECT_EQ(s.format.rate, 11025);
}

TEST(SoundConvert, FactorOneOnlyRelabelsTheRate) {
    const std::vector<std::uint8_t> samples = le16({1, -1, 300, -300});
    const PcmSound s = reduced({48000, 16, 2}, samples, 11);
    EXPECT_EQ(s.samples, samples);
    EXPECT_EQ(s.format.rate, 44100);
}

TEST(SoundConvert, NothingIsConvertedUpward) {
    const std::vector<std::uint8_t> samples = {1, 2, 3};
    const PcmSound s = reduced({8000, 8, 1}, samples, 11);
    EXPECT_EQ(s.samples, samples);
    EXPECT_EQ(s.format.rate, 8000);
    EXPECT_EQ(s.format.bits, 8);
    EXPECT_EQ(s.format.channels, 1);
}
