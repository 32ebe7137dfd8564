#include "datagen/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "datagen/canvas.h"

namespace datagen {

namespace {

constexpr float PI = std::numbers::pi_v<float>;
constexpr float DT = 1.0f / SAMPLE_RATE;

enum class Mode { Low, High, Band };

Samples svf(const Samples& in, const Curve& cutoff, float resonance, Mode mode) {
    Samples out(in.size());
    float low = 0, band = 0;
    const float damp = 1.0f / resonance;
    for (std::size_t i = 0; i < in.size(); ++i) {
        const float fc = std::clamp(cutoff(static_cast<float>(i) * DT), 20.0f, SAMPLE_RATE * 0.2f);
        const float f = 2.0f * std::sin(PI * fc / SAMPLE_RATE);
        low += f * band;
        const float high = in[i] - low - damp * band;
        band += f * high;
        out[i] = mode == Mode::Low ? low : mode == Mode::High ? high : band;
    }
    return out;
}

std::vector<std::uint8_t> pcm16(const Samples& s, float gain) {
    std::vector<std::uint8_t> out;
    out.reserve(s.size() * 2);
    for (float v : s) {
        const auto q = static_cast<std::int16_t>(std::lround(std::clamp(v * gain, -1.0f, 1.0f) * 32767.0f));
        out.push_back(static_cast<std::uint8_t>(q & 0xFF));
        out.push_back(static_cast<std::uint8_t>((q >> 8) & 0xFF));
    }
    return out;
}

float peakOf(const Samples& s) {
    float p = 1e-9f;
    for (float v : s) p = std::max(p, std::abs(v));
    return p;
}

}  // namespace

int samplesFor(float seconds) { return static_cast<int>(seconds * SAMPLE_RATE); }

Samples whiteNoise(float seconds, std::uint32_t seed) {
    Random rnd(seed);
    Samples s(static_cast<std::size_t>(samplesFor(seconds)));
    for (float& v : s) v = rnd.uniform(-1.0f, 1.0f);
    return s;
}

Samples tone(float seconds, const Curve& hz, int shape) {
    Samples s(static_cast<std::size_t>(samplesFor(seconds)));
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        phase += hz(static_cast<float>(i) * DT) * DT;
        phase -= std::floor(phase);
        const float p = static_cast<float>(phase);
        switch (shape) {
        case 1: s[i] = 2 * p - 1; break;
        case 2: s[i] = p < 0.5f ? 1.0f : -1.0f; break;
        case 3: s[i] = 1 - 4 * std::abs(p - 0.5f); break;
        default: s[i] = std::sin(2 * PI * p);
        }
    }
    return s;
}

Samples crackle(float seconds, float perSecond, float decay, std::uint32_t seed) {
    Random rnd(seed);
    Samples s(static_cast<std::size_t>(samplesFor(seconds)));
    const float chance = perSecond * DT;
    float env = 0, sign = 1;
    for (float& v : s) {
        if (rnd.uniform() < chance) {
            env = rnd.uniform(0.3f, 1.0f);
            sign = -sign;
        }
        v = env * sign * rnd.uniform(0.5f, 1.0f);
        env *= decay;
    }
    return s;
}

Samples drops(float seconds, float perSecond, float lowHz, float highHz, float ring, std::uint32_t seed) {
    Random rnd(seed);
    Samples s(static_cast<std::size_t>(samplesFor(seconds)));
    const float chance = perSecond * DT;
    for (std::size_t at = 0; at < s.size(); ++at) {
        if (rnd.uniform() >= chance) continue;
        const float loud = rnd.uniform(0.15f, 1.0f), hz = lowHz * std::pow(highHz / lowHz, rnd.uniform());
        const float decay = ring * rnd.uniform(0.5f, 1.5f);
        double phase = 0;
        // A 0.3 ms attack, so that even the nearest drop is a ping and not a click.
        for (std::size_t i = 0; at + i < s.size() && i < static_cast<std::size_t>(samplesFor(decay * 6)); ++i) {
            const float t = static_cast<float>(i) * DT;
            phase += hz * (1.0f + 0.3f * t / (decay * 6)) * DT;
            s[at + i] += loud * loud * std::min(t / 0.0003f, 1.0f) * std::exp(-t / decay) * std::sin(2 * PI * static_cast<float>(phase));
        }
    }
    return s;
}

Samples lowPass(const Samples& in, const Curve& cutoff, float resonance) { return svf(in, cutoff, resonance, Mode::Low); }
Samples highPass(const Samples& in, const Curve& cutoff, float resonance) { return svf(in, cutoff, resonance, Mode::High); }
Samples bandPass(const Samples& in, const Curve& cutoff, float resonance) { return svf(in, cutoff, resonance, Mode::Band); }

Samples shaped(Samples in, const Curve& gain) {
    for (std::size_t i = 0; i < in.size(); ++i) in[i] *= gain(static_cast<float>(i) * DT);
    return in;
}

Curve hit(float attack, float decay) {
    return [=](float t) { return t < attack ? t / attack : std::exp(-(t - attack) / decay); };
}

Curve constant(float v) {
    return [=](float) { return v; };
}

Curve glide(float from, float to, float seconds) {
    return [=](float t) { return t >= seconds ? to : from * std::pow(to / from, t / seconds); };
}

void add(Samples& in, const Samples& other, float gain, float at) {
    const std::size_t start = static_cast<std::size_t>(samplesFor(at));
    if (in.size() < start + other.size()) in.resize(start + other.size(), 0.0f);
    for (std::size_t i = 0; i < other.size(); ++i) in[start + i] += other[i] * gain;
}

BankSound finishSound(int id, Samples s, float peak) {
    const std::size_t fadeIn = std::min<std::size_t>(s.size() / 4, 220);     // 5 ms
    const std::size_t fadeOut = std::min<std::size_t>(s.size() / 3, 2205);   // 50 ms
    for (std::size_t i = 0; i < fadeIn; ++i) s[i] *= static_cast<float>(i) / fadeIn;
    for (std::size_t i = 0; i < fadeOut; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / fadeOut;
    BankSound sound;
    sound.id = id;
    sound.data = pcm16(s, peak / peakOf(s));
    return sound;
}

BankSound finishLoop(int id, const Samples& take, float seconds, float crossfade, float peak) {
    const std::size_t length = static_cast<std::size_t>(samplesFor(seconds));
    const std::size_t fade = static_cast<std::size_t>(samplesFor(crossfade));
    Samples loop(take.begin(), take.begin() + static_cast<std::ptrdiff_t>(length));
    // The head fades in from the take's continuation after the tail: sample length - 1 runs
    // straight on into what was sample `length` of the take.
    // Equal power, with gains whose slopes stay finite so that the fade adds no kink of its own.
    for (std::size_t i = 0; i < fade; ++i) {
        const float w = 0.5f * PI * static_cast<float>(i) / fade;
        loop[i] = take[i] * std::sin(w) + take[length + i] * std::cos(w);
    }
    BankSound sound;
    sound.id = id;
    sound.loop = 1;
    sound.data = pcm16(loop, peak / peakOf(loop));
    return sound;
}

}  // namespace datagen
