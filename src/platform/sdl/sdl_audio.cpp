// PLACEHOLDER until the SDL2_mixer device lands: always silent.
#include "platform/audio_device.h"
#include "platform/silent_audio.h"

namespace platform {

std::unique_ptr<AudioDevice> createSdlAudio() { return std::make_unique<SilentAudio>(); }

}  // namespace platform
