// The sound bank's content: one synthesised sound per id the game plays.
#pragma once

#include <vector>

#include "audio/sound_bank_writer.h"
#include "core/sounds.h"

namespace datagen {

// FIRST_SOUND..LAST_SOUND (core/sounds.h), ascending; RAIN_SOUND and SNOW_SOUND loop.
std::vector<BankSound> makeSounds();

}  // namespace datagen
