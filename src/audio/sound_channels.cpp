// The pool of channels: flags per channel, the lowest free channel on request, and a sweep that
// frees the auto-released channels whose copy has ended each time a channel is requested.
#include <algorithm>
#include <cmath>

#include "audio/sound_system.h"
#include "core/error_box.h"

std::int32_t soundVolume = 10000;

std::int32_t soundVolumeForPercent(int percent) {
    if (percent >= 100) return 10000;
    if (percent <= 0) return 0;
    // soundVolume - 10000 is hundredths of a decibel below full loudness.
    const long below = std::lround(2000.0 * std::log10(percent / 100.0));
    return static_cast<std::int32_t>(std::max(0L, 10000 + below));
}
std::int32_t lastChannel = 0;

int CSoundSystem::AllocChannel() {
    if (!soundEnabled) return 1;
    for (int ch = 1; ch <= CHANNEL_COUNT; ++ch) {
        if (channels[ch].autoRelease == 1 && IsChannelPlaying(ch) != 1) {
            FreeChannel(ch);
            channels[ch].autoRelease = 0;
        }
    }
    int found = 0;
    for (int ch = 1; ch <= CHANNEL_COUNT && found == 0; ++ch)
        if (channels[ch].allocated == 0) found = ch;
    channels[found].allocated = 1;
    return found;
}

int CSoundSystem::PlaySound(int channel, int soundId, int autoRelease, int volume) {
    if (!soundEnabled) return 1;
    if (!isChannel(channel) || soundId < 1 || soundId > SOUND_ID_COUNT) return 0;
    const SoundSlot& sound = sounds[soundId];
    if (!sound.loaded || !sound.hasBuffer) return 0;

    // A copy the channel held before plays on to its own end, no longer controlled.
    SoundChannel& ch = channels[channel];
    device->release(ch.copy);
    ch.copy = device->play(soundId, sound.loop == 1, volume - 10000);
    // Recorded also when the start failed, so that the sweep frees the channel: the device
    // answers a copy that never started as stopped.
    ch.autoRelease = static_cast<std::uint8_t>(autoRelease);
    ch.hasCopy = 1;
    return ch.copy >= 0 ? 1 : 0;
}

int CSoundSystem::StopChannel(int channel) {
    if (!soundEnabled) return 1;
    if (!isChannel(channel) || !channels[channel].hasCopy) return 0;
    return device->stop(channels[channel].copy) ? 1 : 0;
}

int CSoundSystem::FreeChannel(int channel) {
    if (!soundEnabled) return 1;
    if (!isChannel(channel) || !channels[channel].allocated) return 0;
    SoundChannel& ch = channels[channel];
    ch.allocated = 0;
    ch.hasCopy = 0;
    device->release(ch.copy);
    ch.copy = -1;
    return 1;
}

int CSoundSystem::IsChannelPlaying(int channel) {
    if (!soundEnabled) return 1;
    if (!isChannel(channel) || !channels[channel].hasCopy) return 0;
    return device->isPlaying(channels[channel].copy) ? 1 : 0;
}

int CSoundSystem::StopAllChannels() {
    if (!soundEnabled) return 1;
    int result = 1;
    for (int ch = 1; ch <= CHANNEL_COUNT; ++ch)
        if (channels[ch].hasCopy && !device->stop(channels[ch].copy)) result = 0;
    return result;
}

int CSoundSystem::ReleaseAllChannels() {
    if (!soundEnabled) return 1;
    for (int ch = 1; ch <= CHANNEL_COUNT; ++ch) {
        SoundChannel& c = channels[ch];
        if (c.hasCopy) {
            device->release(c.copy);
            c.copy = -1;
            c.hasCopy = 0;
        }
        c.allocated = 0;
    }
    return 1;
}

// Music is ours: "tan.xm" plays when the data directory holds it, and nothing happens otherwise.
int CSoundSystem::PlayMusic(const char* fileName) {
    if (!soundEnabled) return 1;
    device->playMusic(fileName);
    return 0;
}

void playSoundEffect(int soundId) {
    lastChannel = soundSystem.AllocChannel();
    if (lastChannel == 0) errorBox("no free chanel");
    soundSystem.PlaySound(lastChannel, soundId, 1, soundVolume);
}
