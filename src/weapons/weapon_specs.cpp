#include "weapons/weapon_specs.h"

namespace {

// A kind's row of the catalogue as the projectiles read it; `turning` rows show base + d for
// direction d (entry 0 = entry 1).
constexpr WeaponSpec makeRow(const KindRow& v) {
    WeaponSpec row{};
    for (int d = 1; d <= DIRECTIONS; ++d)
        row.flightFrames[d] = static_cast<std::uint16_t>(v.turning ? v.flightImage + d : v.flightImage);
    row.flightFrames[0] = row.flightFrames[1];
    row.spinFrames = v.spinFrames;
    row.launchImage = v.launchImage;
    row.launchTicks = v.launchTicks;
    row.explosionImage = v.explosionImage;
    row.explosionTicks = v.explosionTicks;
    row.bounceRadius = v.bounceRadius;
    row.maxSpeed = v.maxSpeed;
    row.gravity = v.gravity;
    row.craterCount = v.craterCount;
    row.childKind = v.childKind;
    row.stampsImage = v.stampsWall ? 1 : 0;
    row.childOffsetX = 0;
    row.childOffsetY = 0;
    row.flightSound = v.flightSound;
    row.launchSound = v.launchSound;
    row.explosionSound = v.explosionSound;
    row.bounceSound = v.bounceSound;
    row.passesFortresses = v.passesFortresses;
    return row;
}

constexpr std::array<WeaponSpec, KIND_COUNT> makeTable() {
    std::array<WeaponSpec, KIND_COUNT> table{};
    for (int w = 0; w < WEAPON_COUNT; ++w)
        table[static_cast<std::size_t>(kindOf(w))] = makeRow(WEAPONS[static_cast<std::size_t>(w)].kind);
    table[BOMBLET_KIND] = makeRow(BOMBLET_ROW);
    return table;
}

constexpr std::array<std::uint16_t, WEAPON_COUNT> makeIcons() {
    std::array<std::uint16_t, WEAPON_COUNT> icons{};
    for (int w = 0; w < WEAPON_COUNT; ++w)
        icons[static_cast<std::size_t>(w)] = WEAPONS[static_cast<std::size_t>(w)].icon;
    return icons;
}

}  // namespace

// Kind 0 marks a free record.
const std::array<WeaponSpec, KIND_COUNT> weaponSpecs = makeTable();

const std::array<std::uint16_t, WEAPON_COUNT> WEAPON_ICONS = makeIcons();
