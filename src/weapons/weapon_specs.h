// The weapon table: one row per projectile kind (kindOf(weapon index), then the bomblet), built
// from the catalogue in core/weapons.h.
#pragma once

#include <array>
#include <cstdint>

#include "core/weapons.h"

struct WeaponSpec {
    std::uint16_t flightFrames[37];  // by direction; entry 0 equals entry 1
    std::uint16_t spinFrames;
    std::uint16_t launchImage;
    std::uint16_t launchTicks;
    std::uint16_t explosionImage;
    std::uint16_t explosionTicks;
    std::uint16_t bounceRadius;
    float maxSpeed;
    float gravity;
    std::uint16_t craterCount;
    std::uint16_t childKind;
    std::uint16_t stampsImage;
    float childOffsetX;
    float childOffsetY;
    std::uint16_t flightSound;
    std::uint16_t launchSound;
    std::uint16_t explosionSound;
    std::uint16_t bounceSound;
    bool passesFortresses;
};

extern const std::array<WeaponSpec, KIND_COUNT> weaponSpecs;

// Icons by weapon index, shown on the HUD and in the shop.
extern const std::array<std::uint16_t, WEAPON_COUNT> WEAPON_ICONS;
