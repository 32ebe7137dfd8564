// Volume in hundredths of a decibel below full loudness, as the game passes it, turned into the
// mixer's linear scale by the decibel law.
#pragma once

namespace platform {

constexpr int MIXER_MAX_VOLUME = 128;  // SDL2_mixer's MIX_MAX_VOLUME

// 0 gives MIXER_MAX_VOLUME, -600 about half of it, -10000 (and below) silence; values above 0
// are full loudness, as the mixer cannot amplify.
int mixerVolume(int hundredthsDb);

}  // namespace platform
