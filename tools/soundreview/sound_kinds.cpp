#include "soundreview/sound_kinds.h"

#include <algorithm>
#include <array>

#include "core/sounds.h"

namespace soundreview {

namespace {

constexpr std::array<SoundInfo, LAST_SOUND - FIRST_SOUND + 1> INFOS{{
    {SOUND_BUY, "PURCHASE", Kind::Interface},
    {SUPER_GRENADE_LAUNCH_SOUND, "SUPER GRENADE LAUNCH", Kind::Shot},
    {GRENADE_BOUNCE_SOUND, "GRENADE BOUNCE", Kind::Shot},
    {BALL_BOUNCE_SOUND, "BALL BOUNCE", Kind::Shot},
    {SOUND_RESULTS, "RESULTS FANFARE", Kind::Interface},
    {BOMBLET_FALL_SOUND, "BOMBLET FALLING", Kind::Shot},
    {MISSILE_FLIGHT_SOUND, "MISSILE FLIGHT", Kind::Shot},
    {THROW_SOUND, "GRENADE FLIGHT", Kind::Shot},
    {HEAVY_FLIGHT_SOUND, "HEAVY FLIGHT", Kind::Shot},
    {SHIELD_SOUND, "SHIELD RAISED", Kind::Shot},
    {BALL_FLIGHT_SOUND, "BALL GRENADE FLIGHT", Kind::Shot},
    {BIG_EXPLOSION_SOUND, "BIG EXPLOSION", Kind::Explosion},
    {SMALL_EXPLOSION_SOUND, "BOMBLET EXPLOSION", Kind::Explosion},
    {GRENADE_EXPLOSION_SOUND, "GRENADE EXPLOSION", Kind::Explosion},
    {GIMLET_SOUND, "GIMLET DRILL", Kind::Shot},
    {HOVER_SOUND, "HOVER", Kind::Interface},
    {CLICK_SOUND, "CLICK", Kind::Interface},
    {WALL_SOUND, "WALL RISING", Kind::Explosion},
    {BALL_EXPLOSION_SOUND, "BALL GRENADE EXPLOSION", Kind::Explosion},
    {MISSILE_EXPLOSION_SOUND, "MISSILE EXPLOSION", Kind::Explosion},
    {DESTRUCTION_SOUND, "FORTRESS DESTROYED", Kind::Explosion},
    {RAIN_SOUND, "RAIN", Kind::Ambience},
    {SNOW_SOUND, "SNOW WIND", Kind::Ambience},
    {THUNDER_SOUND, "THUNDER", Kind::Ambience},
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
