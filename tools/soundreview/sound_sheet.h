// The sound sheet: every sound of the bank as a waveform and a spectrogram with its id, name,
// length and loudness, so that a reviewer sees the whole bank at a glance.
#pragma once

#include <vector>

#include "audio/sound_bank_writer.h"
#include "gfx/sprite_writer.h"

namespace soundreview {

// 5-5-5 pixels, one row per sound in the order given.
SpriteImage soundSheet(const std::vector<BankSound>& sounds);

}  // namespace soundreview
