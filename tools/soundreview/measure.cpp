#include "soundreview/measure.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace soundreview {

namespace {

class Meter {
public:
    Meter(int rate, int mode) : st_(ebur128_init(1, static_cast<unsigned long>(rate), mode)) {}
    ~Meter() { ebur128_destroy(&st_); }
    Meter(const Meter&) = delete;
    Meter& operator=(const Meter&) = delete;

    void add(const float* s, std::size_t n) { ebur128_add_frames_float(st_, s, n); }
    ebur128_state* get() { return st_; }

private:
    ebur128_state* st_;
};

double rms(double sumOfSquares, std::size_t n) { return n ? std::sqrt(sumOfSquares / static_cast<double>(n)) : 0.0; }

}  // namespace

Samples decode(const BankSound& sound) {
    Samples s(sound.data.size() / 2);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<std::int16_t>(sound.data[2 * i] | sound.data[2 * i + 1] << 8) / 32768.0f;
    return s;
}

double loudnessOf(const Samples& s, int rate, bool loop) {
    double out = -HUGE_VAL;
    if (loop) {
        Meter m(rate, EBUR128_MODE_I);
        for (int pass = 0; pass < 3; ++pass) m.add(s.data(), s.size());
        ebur128_loudness_global(m.get(), &out);
        return out;
    }
    // Trailing silence lets the 400 ms window pass over the whole of a short sound.
    Samples padded = s;
    padded.resize(s.size() + static_cast<std::size_t>(rate * 2 / 5), 0.0f);
    Meter m(rate, EBUR128_MODE_M);
    const std::size_t hop = static_cast<std::size_t>(rate / 100);
    for (std::size_t at = 0; at < padded.size(); at += hop) {
        m.add(padded.data() + at, std::min(hop, padded.size() - at));
        double now = -HUGE_VAL;
        if (ebur128_loudness_momentary(m.get(), &now) == EBUR128_SUCCESS) out = std::max(out, now);
    }
    return out;
}

Measures measure(const BankSound& sound) {
    const Samples s = decode(sound);
    const int rate = static_cast<int>(sound.rate);
    Measures m;
    if (s.size() < 3) return m;
    const std::size_t n = s.size(), ms = static_cast<std::size_t>(rate / 1000);
    m.seconds = static_cast<double>(n) / rate;
    for (std::size_t i = 0; i < n; ++i) {
        const double a = std::abs(s[i]);
        m.peak = std::max(m.peak, a);
        if (i < ms) m.edgeStart = std::max(m.edgeStart, a);
        if (i + ms >= n) m.edgeEnd = std::max(m.edgeEnd, a);
    }
    double steps = 0, bends = 0;
    for (std::size_t i = 1; i < n; ++i) steps += std::pow(s[i] - s[i - 1], 2);
    for (std::size_t i = 2; i < n; ++i) bends += std::pow(s[i] - 2 * s[i - 1] + s[i - 2], 2);
    m.typicalStep = rms(steps, n - 1);
    m.typicalBend = rms(bends, n - 2);
    m.first = std::abs(s[0]);
    m.last = std::abs(s[n - 1]);
    m.seamJump = std::abs(s[0] - s[n - 1]);
    m.seamBend = std::max(std::abs(s[0] - 2 * s[n - 1] + s[n - 2]), std::abs(s[1] - 2 * s[0] + s[n - 1]));
    m.loudness = loudnessOf(s, rate, sound.loop == 1);
    m.centroidHz = spectralCentroid(s, rate);
    Meter peak(rate, EBUR128_MODE_TRUE_PEAK);
    peak.add(s.data(), n);
    double truePeak = 0;
    ebur128_true_peak(peak.get(), 0, &truePeak);
    m.truePeakDb = 20 * std::log10(std::max(truePeak, 1e-9));
    return m;
}

}  // namespace soundreview
