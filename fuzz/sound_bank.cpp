// The sound bank reader and the loader's conversions over arbitrary bytes, at every load quality.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "audio/sound_convert.h"
#include "audio/sound_system.h"
#include "platform/audio_device.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (int quality = 0; quality < SOUND_QUALITY_COUNT; ++quality) {
        const std::unique_ptr<platform::VirtualMixer> mixer = platform::createVirtualMixer();
        CSoundSystem sounds;
        sounds.attach(*mixer);
        sounds.LoadSoundBankData(std::span(data, size), quality);
        for (int id = 1; id <= SOUND_ID_COUNT; ++id)
            if (sounds.sounds[id].loaded) sounds.PlaySound(sounds.AllocChannel(), id, 1, 10000);
    }
    return 0;
}
