// The rules every sound of the bank keeps so that a player can leave the sound switched on.
#pragma once

#include <string>
#include <vector>

#include "audio/sound_bank_writer.h"
#include "soundreview/measure.h"

namespace soundreview {

constexpr double EDGE_LIMIT = 0.01;       // first and last sample of a one-shot, full scale 1
constexpr double EDGE_FADE = 0.3;         // largest sample of its first and last ms, against its peak
constexpr double SEAM_LIMIT = 0.05;       // a loop's jump from its last sample to its first
constexpr double SEAM_TYPICAL = 3.0;      // ... and its change of value and slope there, against typical
constexpr double TRUE_PEAK_LIMIT = -0.3;  // dBTP; also no sample may reach full scale

// Every broken rule of the sound, one line each; empty when it keeps them all.
std::vector<std::string> checkSound(const BankSound& sound, const Measures& m);

}  // namespace soundreview
