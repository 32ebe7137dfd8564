// A mixer for the sound-system tests: the headless mixer underneath, plus a record of what reached
// it (the samples and format of each loaded id, the volume of each play) and switches to fail.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/audio_device.h"

class RecordingDevice final : public platform::AudioDevice {
public:
    bool hasDevice = true;
    int refuseLoadOf = -1;  // this id's loadSound fails
    bool refusePlay = false;  // every play fails to start
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
