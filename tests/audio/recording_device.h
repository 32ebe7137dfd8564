// The headless mixer underneath, with a record of what reached it (each loaded id's samples and
// format, each play's volume) and switches to make a load or every play fail.
#pragma once

#include <map>
#include <vector>

#include "platform/audio_device.h"

struct RecordingDevice final : platform::AudioDevice {
    bool hasDevice = true;
    int refuseLoadOf = -1;
    bool refusePlay = false;
    std::map<int, std::vector<std::uint8_t>> loaded;
    std::map<int, platform::SoundFormat> formats;
    std::vector<int> volumes;
    std::unique_ptr<platform::VirtualMixer> mixer = platform::createVirtualMixer();

    bool available() const override { return hasDevice; }
    bool setFormat(platform::SoundFormat format) override { return mixer->setFormat(format); }
    bool loadSound(int id, platform::SoundFormat format, std::span<const std::uint8_t> samples) override {
        if (id == refuseLoadOf) return false;
        loaded[id].assign(samples.begin(), samples.end());
        formats[id] = format;
        return mixer->loadSound(id, format, samples);
    }
    platform::VoiceId play(int id, bool loop, int volume) override {
        volumes.push_back(volume);
        return refusePlay ? -1 : mixer->play(id, loop, volume);
    }
    bool stop(platform::VoiceId voice) override { return mixer->stop(voice); }
    bool isPlaying(platform::VoiceId voice) override { return mixer->isPlaying(voice); }
    void release(platform::VoiceId voice) override { mixer->release(voice); }
    std::map<int, int> playCounts() const override { return mixer->playCounts(); }
};
