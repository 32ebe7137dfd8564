// A small synthesiser for the sound bank: noise, tones, envelopes and filters at 44100 Hz, mono.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "audio/sound_bank_writer.h"

namespace datagen {

constexpr int SAMPLE_RATE = 44100;

using Samples = std::vector<float>;
using Curve = std::function<float(float t)>;  // a value over time in seconds

int samplesFor(float seconds);
Samples whiteNoise(float seconds, std::uint32_t seed);
// A tone whose frequency follows `hz`; shape 0 sine, 1 saw, 2 square, 3 triangle.
Samples tone(float seconds, const Curve& hz, int shape = 0);
// Sparse random clicks (debris, drips): `perSecond` on average, each a short decaying burst.
Samples crackle(float seconds, float perSecond, float decay, std::uint32_t seed);
// Single drops striking a surface, `perSecond` on average: each a short ping between `lowHz` and
// `highHz` that rises a little in pitch as it rings out over about `ring` seconds.
Samples drops(float seconds, float perSecond, float lowHz, float highHz, float ring, std::uint32_t seed);

// State-variable filters with a cutoff that may change over time.
Samples lowPass(const Samples& in, const Curve& cutoff, float resonance = 0.7f);
Samples highPass(const Samples& in, const Curve& cutoff, float resonance = 0.7f);
Samples bandPass(const Samples& in, const Curve& cutoff, float resonance = 1.5f);

// Multiplies by an envelope over time.
Samples shaped(Samples in, const Curve& gain);
// attack then exponential decay with the given time constant.
Curve hit(float attack, float decay);
Curve constant(float v);
Curve glide(float from, float to, float seconds);  // exponential glide, then holds

// in += other x gain, starting at `at` seconds (extends `in` when needed).
void add(Samples& in, const Samples& other, float gain = 1.0f, float at = 0.0f);

// A one-shot sound: peak-normalised, faded in and out so that it starts and ends at silence.
BankSound finishSound(int id, Samples s, float peak);
// A looping sound of `seconds` made from a longer take: its head is cross-faded with what the
// take plays after the loop's end, so that the last sample flows into the first in value and slope.
BankSound finishLoop(int id, const Samples& take, float seconds, float crossfade, float peak);

}  // namespace datagen
