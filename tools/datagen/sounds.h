// The sound bank's content: one synthesised sound per id the game plays.
#pragma once

#include <vector>

#include "audio/sound_bank_writer.h"

namespace datagen {

// Ids 2..25, ascending; 23 (rain) and 24 (snow wind) loop.
std::vector<BankSound> makeSounds();

}  // namespace datagen
