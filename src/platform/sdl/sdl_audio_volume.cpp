#include "platform/sdl/sdl_audio_volume.h"

#include <algorithm>
#include <cmath>

namespace platform {

int mixerVolume(int hundredthsDb) {
    const int db = std::clamp(hundredthsDb, -10000, 0);
    return static_cast<int>(std::lround(std::pow(10.0, db / 2000.0) * MIXER_MAX_VOLUME));
}

}  // namespace platform
