#include "weapons/weapon_specs.h"

namespace {

// The picture numbers that are not per-direction pictures and the numbers of one row, in the
// table's column order; `turning` rows show base + d for direction d (entry 0 = entry 1).
struct RowValues {
    std::uint16_t frameBase;
    bool turning;
    std::uint16_t spinFrames, launchImage, launchTicks, explosionImage, explosionTicks, bounceRadius;
    float maxSpeed, gravity;
    std::uint16_t craterCount, childKind, stampsImage;
    std::uint16_t flightSound, launchSound, explosionSound, bounceSound;
};

constexpr WeaponSpec makeRow(const RowValues& v) {
    WeaponSpec row{};
    for (int d = 1; d <= 36; ++d)
        row.flightFrames[d] = static_cast<std::uint16_t>(v.turning ? v.frameBase + d : v.frameBase);
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
    row.stampsImage = v.stampsImage;
    row.childOffsetX = 0;
    row.childOffsetY = 0;
    row.flightSound = v.flightSound;
    row.launchSound = v.launchSound;
    row.explosionSound = v.explosionSound;
    row.bounceSound = v.bounceSound;
    return row;
}

}  // namespace

// Kind 0 marks a free record. Kind 7 (DEFENSE) raises a shield and never flies: only the aiming
// code reads its speed and gravity.
// Columns: the flight picture (or the first of 36 turning ones), whether it turns, spinFrames,
// launchImage, launchTicks, explosionImage, explosionTicks, bounceRadius, maxSpeed, gravity,
// craterCount, childKind, stampsImage, and the flight, launch, explosion and bounce sounds.
const std::array<WeaponSpec, KIND_COUNT> weaponSpecs{
    WeaponSpec{},
    makeRow({105, true, 0, 106, 0, 16, 8, 0, 15.0f, 0.1f, 1, 0, 0, 8, 0, 21, 0}),       // MISSILE
    makeRow({146, true, 0, 380, 3, 25, 9, 0, 13.0f, 0.21f, 1, 0, 0, 8, 0, 13, 0}),      // BIG MISSILE
    makeRow({183, false, 19, 183, 0, 22, 5, 7, 14.0f, 0.14f, 1, 0, 0, 9, 0, 15, 4}),    // GRENADE
    makeRow({327, false, 19, 327, 1, 30, 5, 11, 14.0f, 0.15f, 1, 3, 0, 10, 3, 13, 4}),  // SUPER GRENADE
    makeRow({202, true, 0, 357, 3, 18, 9, 0, 15.0f, 0.05f, 1, 0, 0, 8, 0, 21, 0}),      // DIRECT MISSILE
    makeRow({365, false, 9, 375, 3, 25, 5, 0, 13.0f, 0.14f, 1, 11, 0, 10, 0, 13, 0}),   // HYPER TUBE
    makeRow({0, false, 0, 0, 0, 0, 0, 0, 3.0f, 0.3f, 0, 0, 0, 0, 0, 0, 0}),             // DEFENSE
    makeRow({259, false, 0, 249, 10, 260, 9, 0, 13.0f, 0.14f, 1, 0, 1, 9, 0, 19, 0}),   // GROUND DEFENSE
    makeRow({271, false, 19, 361, 3, 28, 5, 13, 12.0f, 0.11f, 1, 0, 0, 12, 0, 20, 5}),  // BALL GRENADE
    makeRow({290, true, 0, 291, 0, 30, 5, 0, 15.0f, 0.1f, 5, 0, 0, 9, 16, 13, 0}),      // GIMLET
    makeRow({379, false, 0, 379, 0, 16, 3, 0, 12.0f, 0.05f, 1, 0, 0, 7, 0, 14, 0}),     // bomblet
};

const std::array<std::uint16_t, 10> WEAPON_ICONS{106, 382, 183, 327, 358, 376, 445, 250, 362, 291};
