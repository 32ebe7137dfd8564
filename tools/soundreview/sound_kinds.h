// What each sound of the bank is, and how loud each kind of sound may be.
#pragma once

#include <span>

namespace soundreview {

enum class Kind { Interface, Shot, Explosion, Ambience };

struct SoundInfo {
    int id;
    const char* name;
    Kind kind;
};

// A range of loudness in LUFS (see loudnessOf), inclusive.
struct LoudnessWindow {
    double low, high;
};

std::span<const SoundInfo> soundInfos();  // ids 2..25, ascending
const SoundInfo* soundInfo(int id);       // null for an id the game does not play
LoudnessWindow loudnessWindow(Kind kind);
const char* kindName(Kind kind);

}  // namespace soundreview
