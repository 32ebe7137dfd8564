// The headless mixer: no samples are mixed, but every copy starts at the current virtual time and
// plays for its sound's length, so channels free up as they would in real time. Deterministic:
// time moves only by advance().
#include <unordered_map>

#include "platform/audio_device.h"

namespace platform {

namespace {

class Mixer final : public VirtualMixer {
public:
    bool available() const override { return true; }
    bool setFormat(SoundFormat format) override { return isPcm(format); }

    bool loadSound(int id, SoundFormat format, std::span<const std::uint8_t> samples) override {
        const std::size_t frameBytes = isPcm(format) ? static_cast<std::size_t>(format.channels * format.bits / 8) : 0;
        if (frameBytes == 0 || samples.size() % frameBytes != 0) return false;
        const auto frames = static_cast<std::int64_t>(samples.size() / frameBytes);
        // Rounded up, so that a copy of any sound is heard for at least a moment.
        durations[id] = (frames * 1'000'000 + format.rate - 1) / format.rate;
        return true;
    }

    VoiceId play(int id, bool loop, int) override {
        const auto sound = durations.find(id);
        if (sound == durations.end()) return -1;
        ++counts[id];
        const VoiceId voice = nextVoice++;
        voices[voice] = {now, sound->second, loop, false};
        return voice;
    }

    bool stop(VoiceId voice) override {
        const auto v = voices.find(voice);
        if (v == voices.end()) return false;
        v->second.stopped = true;
        return true;
    }

    bool isPlaying(VoiceId voice) override {
        const auto v = voices.find(voice);
        if (v == voices.end()) return false;
        const Voice& c = v->second;
        return !c.stopped && (c.loop || now - c.start < c.durationUs);
    }

    // A released copy is never asked about again; whether it plays on makes no difference here.
    void release(VoiceId voice) override { voices.erase(voice); }

    std::map<int, int> playCounts() const override { return counts; }

    void advance(std::int64_t microseconds) override {
        if (microseconds > 0) now += microseconds;
    }

private:
    struct Voice {
        std::int64_t start = 0;
        std::int64_t durationUs = 0;
        bool loop = false;
        bool stopped = false;
    };

    static bool isPcm(SoundFormat f) {
        return f.rate > 0 && (f.bits == 8 || f.bits == 16) && (f.channels == 1 || f.channels == 2);
    }

    std::int64_t now = 0;
    VoiceId nextVoice = 0;
    std::unordered_map<int, std::int64_t> durations;
    std::unordered_map<VoiceId, Voice> voices;
    std::map<int, int> counts;
};

}  // namespace

std::unique_ptr<VirtualMixer> createVirtualMixer() { return std::make_unique<Mixer>(); }

}  // namespace platform
