// What the sound checks and the review sheet measure of each sound of the bank.
#pragma once

#include "audio/sound_bank_writer.h"
#include "soundreview/spectrum.h"

namespace soundreview {

// The stored 16-bit samples as -1..1.
Samples decode(const BankSound& sound);

struct Measures {
    double seconds = 0;
    double peak = 0;        // largest |sample|, 1 = full scale
    double truePeakDb = 0;  // dBTP: the peak between samples too (libebur128 oversamples)
    double loudness = 0;    // LUFS, see loudnessOf
    double centroidHz = 0;
    double first = 0, last = 0;          // |first sample|, |last sample|
    double edgeStart = 0, edgeEnd = 0;  // largest |sample| in the first and in the last millisecond
    // The change of value and of slope from the last sample to the first, as a loop plays on,
    // and for scale the RMS of the same changes between neighbours all through the sound.
    double seamJump = 0, seamBend = 0;
    double typicalStep = 0, typicalBend = 0;
};

// EBU R128 loudness: a loop's integrated loudness as it plays on; a one-shot's loudest
// 400 ms (its maximum momentary loudness), so that short and long effects compare as heard.
double loudnessOf(const Samples& s, int rate, bool loop);

Measures measure(const BankSound& sound);

}  // namespace soundreview
