// The sound bank as heard: no clicks, no clipping, seamless loops, loudness by kind, rain that
// sounds like rain on a roof, thunder that rolls, and the meters these checks rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "datagen/sounds.h"
#include "soundreview/measure.h"
#include "soundreview/sound_checks.h"
#include "soundreview/sound_kinds.h"
#include "soundreview/sound_sheet.h"

using namespace soundreview;

namespace {

const std::vector<BankSound>& sounds() {
    static const std::vector<BankSound> made = datagen::makeSounds();
    return made;
}

const BankSound& sound(int id) {
    return *std::find_if(sounds().begin(), sounds().end(), [&](const BankSound& s) { return s.id == id; });
}

BankSound encode(int id, const Samples& s, bool loop = false) {
    BankSound out;
    out.id = id;
    out.loop = loop;
    for (float v : s) {
        const auto q = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
        out.data.push_back(static_cast<std::uint8_t>(q & 0xFF));
        out.data.push_back(static_cast<std::uint8_t>((q >> 8) & 0xFF));
    }
    return out;
}

Samples sine(double hz, double amplitude, double seconds) {
    Samples s(static_cast<std::size_t>(seconds * 44100));
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * hz * i / 44100));
    return s;
}

// RMS level in dB of consecutive windows of `ms` milliseconds.
std::vector<double> envelopeDb(const Samples& s, int ms) {
    const std::size_t w = 44100u * ms / 1000;
    std::vector<double> out;
    for (std::size_t at = 0; at + w <= s.size(); at += w) {
        double sum = 0;
        for (std::size_t i = at; i < at + w; ++i) sum += s[i] * s[i];
        out.push_back(10 * std::log10(sum / w + 1e-12));
    }
    return out;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\n";
    return out;
}

}  // namespace

TEST(Sounds, MetersReadKnownSignals) {
    // EBU R128: a full-scale 1 kHz sine reads -3.01 LUFS, so one at -20 dBFS reads -23.0.
    EXPECT_NEAR(loudnessOf(sine(1000, 0.1, 3), 44100, true), -23.0, 0.1);
    EXPECT_NEAR(loudnessOf(sine(1000, 0.1, 1), 44100, false), -23.0, 0.1);
    // A short blip is measured over the 400 ms it sits in: 100 ms of it reads 6 dB lower.
    EXPECT_NEAR(loudnessOf(sine(1000, 0.1, 0.1), 44100, false), -29.0, 0.2);
    for (double hz : {250.0, 1000.0, 4000.0}) EXPECT_NEAR(spectralCentroid(sine(hz, 0.5, 0.5), 44100), hz, hz * 0.03) << hz;
    const Measures m = measure(encode(2, sine(1000, 0.5, 0.5)));
    EXPECT_NEAR(m.peak, 0.5, 0.001);
    EXPECT_NEAR(m.seconds, 0.5, 0.001);
    EXPECT_NEAR(m.truePeakDb, -6.02, 0.1);
}

TEST(Sounds, EveryIdIsKnownAndKeepsEveryRule) {
    ASSERT_EQ(sounds().size(), soundInfos().size());
    for (const BankSound& s : sounds()) {
        const Measures m = measure(s);
        EXPECT_TRUE(checkSound(s, m).empty()) << joined(checkSound(s, m));
        EXPECT_EQ(s.loop == 1, soundInfo(s.id)->kind == Kind::Ambience && s.id != 25) << "id " << s.id;
    }
}

TEST(Sounds, CheckerCatchesClicksClippingBrokenLoopsAndWrongLevels) {
    const Samples rain = decode(sound(23)), click = decode(sound(18));
    Samples clipped = click, abrupt = click, cut(rain.begin(), rain.begin() + rain.size() * 2 / 3), quiet = click;
    for (float& v : clipped) v *= 4;
    abrupt.erase(abrupt.begin(), abrupt.begin() + 40);
    for (float& v : quiet) v *= 0.1f;
    const struct {
        BankSound sound;
        const char* expected;
    } cases[] = {
        {encode(18, clipped), "clips"},
        {encode(18, abrupt), "no fade at its start"},
        {encode(18, abrupt), "starts or ends away from silence"},
        {encode(18, quiet), "outside its kind's window"},
        {encode(23, cut, true), "where it wraps"},
        {encode(1, click), "not a sound the game plays"},
    };
    for (const auto& c : cases) {
        const std::string found = joined(checkSound(c.sound, measure(c.sound)));
        EXPECT_NE(found.find(c.expected), std::string::npos) << c.expected << " not found in:\n" << found;
    }
}

TEST(Sounds, RainIsDropsOnARoof) {
    const Samples rain = decode(sound(23));
    const double centroid = spectralCentroid(rain, 44100);
    EXPECT_GT(centroid, 1500);
    EXPECT_LT(centroid, 3500);
    // A soft rumble: the band below 200 Hz holds some of the power, but little.
    double low = 0, all = 0;
    for (long at = 0; at < static_cast<long>(rain.size()); at += FFT_SIZE) {
        const std::vector<double> p = framePower(rain, at);
        for (std::size_t k = 1; k < p.size(); ++k) (k * 44100.0 / FFT_SIZE < 200 ? low : all) += p[k];
    }
    EXPECT_GT(low / all, 0.002);
    EXPECT_LT(low / all, 0.2);
    // Single drops stand out of the patter: 5 ms windows 6 dB above the median, scattered.
    std::vector<double> env = envelopeDb(rain, 5), sorted = env;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const double median = sorted[sorted.size() / 2];
    int drops = 0;
    for (std::size_t i = 1; i < env.size(); ++i) drops += env[i] > median + 6 && env[i - 1] <= median + 6;
    EXPECT_GE(drops, 8);
    EXPECT_LE(drops, 120);
}

TEST(Sounds, ThunderRollsAndDarkens) {
    const Samples thunder = decode(sound(25));
    // Rolls: the 100 ms level rises again by 3 dB or more at least four times after the crack.
    const std::vector<double> env = envelopeDb(thunder, 100);
    int rolls = 0;
    for (std::size_t i = 2, dip = 1; i < env.size(); ++i) {
        if (env[i] < env[dip]) dip = i;
        if (env[i] > env[dip] + 3) ++rolls, dip = i;
    }
    EXPECT_GE(rolls, 4);
    const Samples head(thunder.begin(), thunder.begin() + 44100), tail(thunder.begin() + 2 * 44100, thunder.end());
    EXPECT_GT(spectralCentroid(head, 44100), 1.5 * spectralCentroid(tail, 44100));
}

TEST(Sounds, SheetHasARowPerSound) {
    const std::vector<BankSound> two = {sound(2), sound(23)};
    const SpriteImage one = soundSheet({sound(2)}), both = soundSheet(two);
    EXPECT_EQ(one.width, both.width);
    const int row = both.height - one.height;
    EXPECT_GT(row, 60);
    // The second row is drawn, not left blank: it holds many colours.
    std::vector<std::uint16_t> colours(both.pixels.end() - row * both.width, both.pixels.end());
    std::sort(colours.begin(), colours.end());
    EXPECT_GT(std::unique(colours.begin(), colours.end()) - colours.begin(), 50);
}
