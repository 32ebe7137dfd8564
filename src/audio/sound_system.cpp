#include "audio/sound_system.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "audio/sound_bank.h"
#include "audio/sound_convert.h"
#include "core/error_box.h"

CSoundSystem soundSystem;

void CSoundSystem::attach(platform::AudioDevice& audio) {
    device = &audio;
    soundEnabled = audio.available() ? 1 : 0;
    sounds.fill({});
    channels.fill({});
}

int CSoundSystem::SetPrimaryFormat(int rate, int bits, int channelCount) {
    if (!soundEnabled) return 1;
    return device->setFormat({rate, bits, channelCount}) ? 1 : 0;
}

int CSoundSystem::LoadSoundBank(const char* fileName, int quality) {
    if (!soundEnabled) return 1;
    std::ifstream in(fileName, std::ios::binary);
    std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad()) {
        errorBox(std::string("no open ") + fileName);
        soundEnabled = 0;
        return 1;
    }
    return LoadSoundBankData(file, quality);
}

int CSoundSystem::LoadSoundBankData(std::span<const std::uint8_t> file, int quality) {
    if (!soundEnabled) return 1;
    if (quality < 0 || quality >= SOUND_QUALITY_COUNT) return 0;
    const platform::SoundFormat target = qualityFormat(quality);

    const SoundBankView bank = parseSoundBank(file);
    for (int id = 0; id <= SOUND_ID_COUNT; ++id) {
        const BankEntry& e = bank.entries[id];
        sounds[id] = {e.channels, e.rate, e.bits, e.loop, e.dataLength, 0, false};
    }

    int result = bank.headerComplete ? 1 : 0;
    for (int id = 1; id <= SOUND_ID_COUNT; ++id) {
        const BankEntry& e = bank.entries[id];
        if (e.channels == 0) continue;
        if (!e.usable) {
            result = 0;
            continue;
        }
        PcmSound sound{{static_cast<int>(e.rate), e.bits, e.channels}, {e.samples.begin(), e.samples.end()}};
        reduceToTarget(sound, target);
        if (sound.samples.empty()) {  // too short to keep a frame at the target rate
            result = 0;
            continue;
        }
        SoundSlot& slot = sounds[id];
        slot.channels = static_cast<std::uint8_t>(sound.format.channels);
        slot.sampleRate = static_cast<std::uint32_t>(sound.format.rate);
        slot.bitsPerSample = static_cast<std::uint8_t>(sound.format.bits);
        slot.dataLength = static_cast<std::uint32_t>(sound.samples.size());
        slot.loaded = 1;
        // The mixer refusing a sound ends the load: this id stays marked loaded without its
        // samples and the later ids are not loaded.
        if (!device->loadSound(id, sound.format, sound.samples)) {
            result = 0;
            break;
        }
        slot.hasBuffer = true;
    }

    bool anyPlayable = false;
    for (const SoundSlot& slot : sounds) anyPlayable = anyPlayable || slot.hasBuffer;
    if (!anyPlayable) soundEnabled = 0;
    return result;
}
