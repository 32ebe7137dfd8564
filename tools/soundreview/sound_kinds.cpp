#include "soundreview/sound_kinds.h"

#include <algorithm>
#include <array>

namespace soundreview {

namespace {

constexpr std::array<SoundInfo, 24> INFOS{{
    {2, "PURCHASE", Kind::Interface},
    {3, "SUPER GRENADE LAUNCH", Kind::Shot},
    {4, "GRENADE BOUNCE", Kind::Shot},
    {5, "BALL BOUNCE", Kind::Shot},
    {6, "RESULTS FANFARE", Kind::Interface},
    {7, "BOMBLET FALLING", Kind::Shot},
    {8, "MISSILE FLIGHT", Kind::Shot},
    {9, "GRENADE FLIGHT", Kind::Shot},
    {10, "HEAVY FLIGHT", Kind::Shot},
    {11, "SHIELD RAISED", Kind::Shot},
    {12, "BALL GRENADE FLIGHT", Kind::Shot},
    {13, "BIG EXPLOSION", Kind::Explosion},
    {14, "BOMBLET EXPLOSION", Kind::Explosion},
    {15, "GRENADE EXPLOSION", Kind::Explosion},
    {16, "GIMLET DRILL", Kind::Shot},
    {17, "HOVER", Kind::Interface},
    {18, "CLICK", Kind::Interface},
    {19, "WALL RISING", Kind::Explosion},
    {20, "BALL GRENADE EXPLOSION", Kind::Explosion},
    {21, "MISSILE EXPLOSION", Kind::Explosion},
    {22, "FORTRESS DESTROYED", Kind::Explosion},
    {23, "RAIN", Kind::Ambience},
    {24, "SNOW WIND", Kind::Ambience},
    {25, "THUNDER", Kind::Ambience},
}};

}  // namespace

std::span<const SoundInfo> soundInfos() { return INFOS; }

const SoundInfo* soundInfo(int id) {
    const auto it = std::find_if(INFOS.begin(), INFOS.end(), [&](const SoundInfo& i) { return i.id == id; });
    return it == INFOS.end() ? nullptr : &*it;
}

// Explosions lead; shots sit under them so that an impact is never masked by its own flight;
// menu sounds are quiet confirmations; weather is a bed under everything.
LoudnessWindow loudnessWindow(Kind kind) {
    switch (kind) {
    case Kind::Interface: return {-26, -16};
    case Kind::Shot: return {-22, -14};
    case Kind::Explosion: return {-20, -11};
    case Kind::Ambience: return {-28, -16};
    }
    return {0, 0};
}

const char* kindName(Kind kind) {
    switch (kind) {
    case Kind::Interface: return "INTERFACE";
    case Kind::Shot: return "SHOT";
    case Kind::Explosion: return "EXPLOSION";
    case Kind::Ambience: return "AMBIENCE";
    }
    return "";
}

}  // namespace soundreview
