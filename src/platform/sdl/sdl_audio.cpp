// The SDL2_mixer device. Each loaded sound is one chunk in the device format; each play takes a
// free mixer voice. The mixer has more voices than the game has channels, because a copy that its
// channel no longer controls still plays on to its end.
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <climits>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/audio_device.h"
#include "platform/sdl/sanitizers.h"
#include "platform/sdl/sdl_audio_volume.h"
#include "platform/silent_audio.h"

namespace platform {

namespace {

static_assert(MIX_MAX_VOLUME == MIXER_MAX_VOLUME);

constexpr int MIXER_VOICES = 640;
// A VoiceId is the mixer voice in its low bits and that voice's play count above them, so that a
// voice reused for a new copy does not answer for the old one.
constexpr int VOICE_BITS = 10;
constexpr int VOICE_MASK = (1 << VOICE_BITS) - 1;
constexpr std::uint32_t GENERATION_MASK = (1u << (31 - VOICE_BITS)) - 1;
static_assert(MIXER_VOICES <= (1 << VOICE_BITS));

constexpr SoundFormat GAME_FORMAT = {44100, 16, 2};
constexpr int MIXER_CHUNK_FRAMES = 1024;

struct ChunkFree {
    void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};
struct MusicFree {
    void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
};

// Samples in the device format and the chunk that plays them. The chunk is declared last so that
// it goes first: freeing it halts its voices before the samples go.
struct LoadedSound {
    std::vector<Uint8> samples;
    std::unique_ptr<Mix_Chunk, ChunkFree> chunk;
};

bool isPcm(SoundFormat f) { return f.rate > 0 && (f.bits == 8 || f.bits == 16) && (f.channels == 1 || f.channels == 2); }

SDL_AudioFormat sdlFormat(int bits) { return bits == 8 ? AUDIO_U8 : AUDIO_S16LSB; }

class SdlAudio final : public AudioDevice {
public:
    SdlAudio() {
        // The audio back ends (PulseAudio, PipeWire) set up D-Bus data that outlives SDL_Quit.
        sdl::ForeignAllocations dbusData;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
        subsystem = true;
        open = openMixer(GAME_FORMAT);
    }

    ~SdlAudio() override {
        music.reset();
        sounds.clear();
        if (open) Mix_CloseAudio();
        if (subsystem) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    bool available() const override { return open; }

    // Reopens the mixer in another format; only before any sound is loaded, as the chunks are
    // held in the device format.
    bool setFormat(SoundFormat format) override {
        if (!open || !isPcm(format)) return false;
        if (format.rate == requested.rate && format.bits == requested.bits && format.channels == requested.channels)
            return true;
        if (!sounds.empty()) return false;
        const SoundFormat previous = requested;
        Mix_CloseAudio();
        if (openMixer(format)) return true;
        open = openMixer(previous);
        return false;
    }

    bool loadSound(int id, SoundFormat format, std::span<const std::uint8_t> samples) override {
        if (!open || !isPcm(format) || samples.empty()) return false;
        SDL_AudioCVT cvt;
        if (SDL_BuildAudioCVT(&cvt, sdlFormat(format.bits), static_cast<Uint8>(format.channels), format.rate,
                              deviceFormat, static_cast<Uint8>(deviceChannels), deviceRate) < 0)
            return false;
        if (samples.size() > static_cast<std::size_t>(INT_MAX / cvt.len_mult)) return false;

        LoadedSound sound;
        sound.samples.resize(samples.size() * static_cast<std::size_t>(cvt.len_mult));
        std::copy(samples.begin(), samples.end(), sound.samples.begin());
        if (cvt.needed) {
            cvt.buf = sound.samples.data();
            cvt.len = static_cast<int>(samples.size());
            if (SDL_ConvertAudio(&cvt) != 0) return false;
            sound.samples.resize(static_cast<std::size_t>(cvt.len_cvt));
        }
        if (sound.samples.empty()) return false;
        sound.chunk.reset(Mix_QuickLoad_RAW(sound.samples.data(), static_cast<Uint32>(sound.samples.size())));
        if (!sound.chunk) return false;
        sounds.erase(id);  // halts the old sound's voices before its samples go
        sounds.emplace(id, std::move(sound));
        return true;
    }

    VoiceId play(int id, bool loop, int volumeHundredthsDb) override {
        const auto sound = sounds.find(id);
        if (sound == sounds.end()) return -1;
        const int voice = freeVoice();
        if (voice < 0) return -1;
        Mix_Volume(voice, mixerVolume(volumeHundredthsDb));
        if (Mix_PlayChannel(voice, sound->second.chunk.get(), loop ? -1 : 0) < 0) return -1;
        ++counts[id];
        generations[voice] = (generations[voice] + 1) & GENERATION_MASK;
        return static_cast<VoiceId>(generations[voice] << VOICE_BITS) | voice;
    }

    // A copy whose mixer voice went on to another sound had ended already: nothing to stop.
    bool stop(VoiceId voice) override {
        if (voice < 0 || (voice & VOICE_MASK) >= MIXER_VOICES) return false;
        if (isCurrent(voice)) Mix_HaltChannel(voice & VOICE_MASK);
        return true;
    }

    bool isPlaying(VoiceId voice) override {
        return isCurrent(voice) && Mix_Playing(voice & VOICE_MASK) != 0;
    }

    // The copy plays on to its end in the mixer; its voice is free again once it has.
    void release(VoiceId) override {}

    bool playMusic(const char* fileName) override {
        if (!open) return false;
        if (music && musicFile == fileName && Mix_PlayingMusic()) return true;
        std::unique_ptr<Mix_Music, MusicFree> next(Mix_LoadMUS(fileName));
        if (!next) return false;
        music = std::move(next);
        musicFile = fileName;
        return Mix_PlayMusic(music.get(), -1) == 0;
    }

    std::map<int, int> playCounts() const override { return counts; }

private:
    bool openMixer(SoundFormat format) {
        if (Mix_OpenAudio(format.rate, sdlFormat(format.bits), format.channels, MIXER_CHUNK_FRAMES) != 0) return false;
        Mix_AllocateChannels(MIXER_VOICES);
        int channels = 0;
        Mix_QuerySpec(&deviceRate, &deviceFormat, &channels);
        deviceChannels = channels;
        requested = format;
        generations.assign(MIXER_VOICES, 0);
        return true;
    }

    // Only the game thread starts voices, so a voice found idle stays free until it is used here.
    static int freeVoice() {
        for (int v = 0; v < MIXER_VOICES; ++v)
            if (Mix_Playing(v) == 0) return v;
        return -1;
    }

    bool isCurrent(VoiceId voice) const {
        if (voice < 0) return false;
        const int v = voice & VOICE_MASK;
        return v < MIXER_VOICES && generations[v] == static_cast<std::uint32_t>(voice) >> VOICE_BITS;
    }

    bool subsystem = false;
    bool open = false;
    SoundFormat requested;
    int deviceRate = 0;
    Uint16 deviceFormat = 0;
    int deviceChannels = 0;
    std::vector<std::uint32_t> generations;
    std::unordered_map<int, LoadedSound> sounds;
    std::unique_ptr<Mix_Music, MusicFree> music;
    std::string musicFile;
    std::map<int, int> counts;
};

}  // namespace

std::unique_ptr<AudioDevice> createSdlAudio() {
    auto device = std::make_unique<SdlAudio>();
    if (!device->available()) return std::make_unique<SilentAudio>();
    return device;
}

}  // namespace platform
