// The weapon table: one row per projectile kind (kind = weapon index + 1; 11 is the bomblet).
#pragma once

#include <array>
#include <cstdint>

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
};

// Weapon indices as the players, the ammunition and the shop count them (kind = index + 1).
namespace weapon {
constexpr int MISSILE = 0;
constexpr int BIG_MISSILE = 1;
constexpr int GRENADE = 2;
constexpr int SUPER_GRENADE = 3;
constexpr int DIRECT_MISSILE = 4;
constexpr int HYPER_TUBE = 5;
constexpr int DEFENSE = 6;
constexpr int GROUND_DEFENSE = 7;
constexpr int BALL_GRENADE = 8;
constexpr int GIMLET = 9;
}  // namespace weapon

constexpr int KIND_COUNT = 12;  // 0 (free record) .. 11
extern const std::array<WeaponSpec, KIND_COUNT> weaponSpecs;

// Icons by weapon index, shown on the HUD and in the shop.
extern const std::array<std::uint16_t, 10> WEAPON_ICONS;
