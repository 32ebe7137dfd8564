// PLACEHOLDER until the virtual mixer lands: nothing plays.
#include "platform/audio_device.h"

namespace platform {

namespace {
class PlaceholderMixer final : public VirtualMixer {
public:
    bool available() const override { return false; }
    bool setFormat(SoundFormat) override { return false; }
    bool loadSound(int, SoundFormat, std::span<const std::uint8_t>) override { return false; }
    VoiceId play(int, bool, int) override { return -1; }
    bool stop(VoiceId) override { return false; }
    bool isPlaying(VoiceId) override { return false; }
    void release(VoiceId) override {}
    std::map<int, int> playCounts() const override { return {}; }
    void advance(std::int64_t) override {}
};
}  // namespace

std::unique_ptr<VirtualMixer> createVirtualMixer() { return std::make_unique<PlaceholderMixer>(); }

}  // namespace platform
