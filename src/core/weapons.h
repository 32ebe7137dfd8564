// The weapon catalogue: one row per weapon with everything the game knows of it (name, price,
// starting stock, icon, flight data, flight program, sounds, the odds of the crates and the
// computer, and its behaviour flags). The weapon index numbers the rows; a projectile's kind is
// kindOf(index), kind 0 being a free record and the kinds after the weapons the sub-projectiles'.
// Plain data only: the behaviour lives in src/weapons.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/pictures.h"
#include "core/sounds.h"

// Weapon indices as the players, the ammunition, the shop and the keys count them.
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

constexpr int WEAPON_COUNT = weapon::GIMLET + 1;  // the last weapon + 1
constexpr std::int16_t UNLIMITED_AMMO = 10000;

// Projectile kinds: 0 is a free record, weapon w flies as kindOf(w), the bomblet comes after them.
constexpr int kindOf(int weapon) { return weapon + 1; }
constexpr int BOMBLET_KIND = kindOf(WEAPON_COUNT);
constexpr int KIND_COUNT = BOMBLET_KIND + 1;

// One step of a flight program, run for `count` frames (see weapons/flight_program.h).
struct FlightStep {
    std::int16_t cmd = 0;
    float p1 = 0;
    float p2 = 0;
    std::int16_t count = 0;
};

constexpr std::int16_t STEP_PUSH = 0;     // adds (p1, p2) to the velocity every frame
constexpr std::int16_t STEP_HOME = 3;     // steers toward the marked target by the next step's rates
constexpr std::int16_t STEP_RELEASE = 4;  // releases the kind's child, which runs program p1
constexpr std::int16_t STEP_EXPLODE = 7;
constexpr std::int16_t STEP_RATES = 255;      // data only: the rates of the step before
constexpr std::int16_t STEP_END = 256;        // ends the program, which then starts over
constexpr std::int16_t STEP_JUMP_BACK = 257;  // goes back `count` steps

constexpr FlightStep push(float dx, float dy, int frames) {
    return {STEP_PUSH, dx, dy, static_cast<std::int16_t>(frames)};
}
constexpr FlightStep coast(int frames) { return push(0, 0, frames); }
constexpr FlightStep home(int frames) { return {STEP_HOME, 0, 0, static_cast<std::int16_t>(frames)}; }
constexpr FlightStep rates(float ax, float ay) { return {STEP_RATES, ax, ay, 1}; }
constexpr FlightStep release(int program) { return {STEP_RELEASE, static_cast<float>(program), 0, 1}; }
constexpr FlightStep explode() { return {STEP_EXPLODE, 0, 0, 1}; }
constexpr FlightStep jumpBack(int steps) { return {STEP_JUMP_BACK, 0, 0, static_cast<std::int16_t>(steps)}; }

// Flight programs: weapon w runs program w; the sub-projectiles' programs follow.
constexpr int THROWN_LEFT_PROGRAM = WEAPON_COUNT;
constexpr int THROWN_RIGHT_PROGRAM = WEAPON_COUNT + 1;
constexpr int THROWN_UP_PROGRAM = WEAPON_COUNT + 2;
constexpr int BOMBLET_PROGRAM = WEAPON_COUNT + 3;
constexpr int FLIGHT_PROGRAM_COUNT = BOMBLET_PROGRAM + 1;

// How one kind of projectile looks, flies, sounds and ends.
struct KindRow {
    std::uint16_t flightImage = 0;  // the flight picture, or the base of 36 turning ones
    bool turning = false;
    std::uint16_t spinFrames = 0;
    std::uint16_t launchImage = 0;
    std::uint16_t launchTicks = 0;
    std::uint16_t explosionImage = 0;
    std::uint16_t explosionTicks = 0;
    std::uint16_t bounceRadius = 0;  // 0: explodes on the ground
    float maxSpeed = 0;
    float gravity = 0;
    std::uint16_t craterCount = 0;
    std::uint16_t childKind = 0;
    bool stampsWall = false;  // the explosion's last picture becomes ground
    std::uint16_t flightSound = NO_SOUND;
    std::uint16_t launchSound = NO_SOUND;
    std::uint16_t explosionSound = NO_SOUND;
    std::uint16_t bounceSound = NO_SOUND;
    // Flies through fortresses, shields and crates, and its explosion takes nothing from fortresses.
    bool passesFortresses = false;
};

// The results of a draw (randScaled) that pick a weapon: first..last, empty when last < first.
struct DrawRange {
    int first = 0;
    int last = -1;
    constexpr bool has(int r) const { return first <= r && r <= last; }
};
constexpr int COMPUTER_DRAW_SCALE = 45;  // the computer's draw: randScaled(45); MISSILE when none matches
constexpr int CRATE_DRAW_SCALE = 50;     // a weapon crate's draw: randScaled(50)

struct WeaponRow {
    const char* name;
    std::int32_t price;  // 0: never sold
    std::int16_t startAmmo;
    std::uint16_t icon;  // on the weapon bar and the shop's shelf
    KindRow kind;
    std::span<const FlightStep> program;
    DrawRange crateDraws;
    DrawRange computerDraws;
    bool raisesShield = false;          // no projectile: the shooter's shield goes up
    bool computerKeeps = false;         // the computer keeps it even when it cannot come near anyone
    bool computerSearchesFast = false;  // the computer's search starts at a higher speed
};

namespace flight {
inline constexpr FlightStep STRAIGHT[] = {coast(1), coast(10000)};
inline constexpr FlightStep SUPER_GRENADE[] = {coast(100), release(THROWN_LEFT_PROGRAM),
                                               release(THROWN_RIGHT_PROGRAM), release(THROWN_UP_PROGRAM),
                                               explode()};
inline constexpr FlightStep DIRECT_MISSILE[] = {coast(30), home(400), rates(3.0f, 1.4f), explode()};
inline constexpr FlightStep HYPER_TUBE[] = {coast(60), release(BOMBLET_PROGRAM), coast(10), jumpBack(2)};
inline constexpr FlightStep THROWN_LEFT[] = {push(-1.0f, -7.0f, 1), coast(10000)};
inline constexpr FlightStep THROWN_RIGHT[] = {push(1.0f, -7.0f, 1), coast(10000)};
inline constexpr FlightStep THROWN_UP[] = {push(0, -7.0f, 1), coast(10000)};
inline constexpr FlightStep BOMBLET[] = {coast(10000)};
}  // namespace flight

// The sub-projectiles' programs, from THROWN_LEFT_PROGRAM on.
inline constexpr std::array<std::span<const FlightStep>, FLIGHT_PROGRAM_COUNT - WEAPON_COUNT> CHILD_PROGRAMS{
    flight::THROWN_LEFT, flight::THROWN_RIGHT, flight::THROWN_UP, flight::BOMBLET};

// clang-format off
inline constexpr std::array<WeaponRow, WEAPON_COUNT> WEAPONS{{
    {.name = "MISSILE", .price = 0, .startAmmo = UNLIMITED_AMMO, .icon = MISSILE_ICON,
     .kind = {.flightImage = MISSILE_FLIGHT_BASE, .turning = true, .launchImage = MISSILE_FLIGHT_BASE + 1,
              .explosionImage = SMALL_EXPLOSION, .explosionTicks = 8, .maxSpeed = 15.0f, .gravity = 0.1f,
              .craterCount = 1, .flightSound = MISSILE_FLIGHT_SOUND, .explosionSound = MISSILE_EXPLOSION_SOUND},
     .program = flight::STRAIGHT, .crateDraws = {}, .computerDraws = {}, .computerKeeps = true},
    {.name = "BIG MISSILE", .price = 1400, .startAmmo = 0, .icon = BIG_MISSILE_ICON,
     .kind = {.flightImage = BIG_MISSILE_FLIGHT_BASE, .turning = true, .launchImage = BIG_MISSILE_LAUNCH,
              .launchTicks = 3, .explosionImage = BIG_EXPLOSION, .explosionTicks = 9, .maxSpeed = 13.0f,
              .gravity = 0.21f, .craterCount = 1, .flightSound = MISSILE_FLIGHT_SOUND,
              .explosionSound = BIG_EXPLOSION_SOUND},
     .program = flight::STRAIGHT, .crateDraws = {0, 5}, .computerDraws = {0, 4}},
    {.name = "GRENADE", .price = 450, .startAmmo = 1, .icon = GRENADE_IMAGE,
     .kind = {.flightImage = GRENADE_IMAGE, .spinFrames = SPIN_FRAMES - 1, .launchImage = GRENADE_IMAGE,
              .explosionImage = GRENADE_EXPLOSION, .explosionTicks = 5, .bounceRadius = 7, .maxSpeed = 14.0f,
              .gravity = 0.14f, .craterCount = 1, .flightSound = THROW_SOUND,
              .explosionSound = GRENADE_EXPLOSION_SOUND, .bounceSound = GRENADE_BOUNCE_SOUND},
     .program = flight::STRAIGHT, .crateDraws = {6, 15}, .computerDraws = {5, 14}},
    {.name = "SUPER GRENADE", .price = 1900, .startAmmo = 0, .icon = SUPER_GRENADE_IMAGE,
     .kind = {.flightImage = SUPER_GRENADE_IMAGE, .spinFrames = SPIN_FRAMES - 1, .launchImage = SUPER_GRENADE_IMAGE,
              .launchTicks = 1, .explosionImage = SUPER_EXPLOSION, .explosionTicks = 5, .bounceRadius = 11,
              .maxSpeed = 14.0f, .gravity = 0.15f, .craterCount = 1,
              .childKind = static_cast<std::uint16_t>(kindOf(weapon::GRENADE)), .flightSound = HEAVY_FLIGHT_SOUND,
              .launchSound = SUPER_GRENADE_LAUNCH_SOUND, .explosionSound = BIG_EXPLOSION_SOUND,
              .bounceSound = GRENADE_BOUNCE_SOUND},
     .program = flight::SUPER_GRENADE, .crateDraws = {16, 20}, .computerDraws = {15, 19},
     .computerSearchesFast = true},
    {.name = "DIRECT MISSILE", .price = 1000, .startAmmo = 0, .icon = DIRECT_MISSILE_ICON,
     .kind = {.flightImage = DIRECT_MISSILE_FLIGHT_BASE, .turning = true, .launchImage = DIRECT_MISSILE_LAUNCH,
              .launchTicks = 3, .explosionImage = DIRECT_EXPLOSION, .explosionTicks = 9, .maxSpeed = 15.0f,
              .gravity = 0.05f, .craterCount = 1, .flightSound = MISSILE_FLIGHT_SOUND,
              .explosionSound = MISSILE_EXPLOSION_SOUND},
     .program = flight::DIRECT_MISSILE, .crateDraws = {21, 26}, .computerDraws = {}},
    {.name = "HYPER TUBE", .price = 2300, .startAmmo = 0, .icon = HYPER_TUBE_ICON,
     .kind = {.flightImage = HYPER_TUBE_IMAGE, .spinFrames = 9, .launchImage = HYPER_TUBE_LAUNCH, .launchTicks = 3,
              .explosionImage = BIG_EXPLOSION, .explosionTicks = 5, .maxSpeed = 13.0f, .gravity = 0.14f,
              .craterCount = 1, .childKind = BOMBLET_KIND, .flightSound = HEAVY_FLIGHT_SOUND,
              .explosionSound = BIG_EXPLOSION_SOUND},
     .program = flight::HYPER_TUBE, .crateDraws = {27, 28}, .computerDraws = {20, 24},
     .computerSearchesFast = true},
    // Never flies: only the aiming code reads its speed and gravity.
    {.name = "DEFENSE", .price = 1200, .startAmmo = 0, .icon = DEFENSE_ICON,
     .kind = {.maxSpeed = 3.0f, .gravity = 0.3f},
     .program = flight::STRAIGHT, .crateDraws = {29, 31}, .computerDraws = {34, 41}, .raisesShield = true,
     .computerKeeps = true},
    {.name = "GROUND DEFENSE", .price = 900, .startAmmo = 1, .icon = GROUND_DEFENSE_ICON,
     .kind = {.flightImage = BRICK_BLOCK_IMAGE, .launchImage = GROUND_DEFENSE_LAUNCH, .launchTicks = 10,
              .explosionImage = WALL_RISE_IMAGE, .explosionTicks = 9, .maxSpeed = 13.0f, .gravity = 0.14f,
              .craterCount = 1, .stampsWall = true, .flightSound = THROW_SOUND, .explosionSound = WALL_SOUND,
              .passesFortresses = true},
     .program = flight::STRAIGHT, .crateDraws = {32, 36}, .computerDraws = {30, 33}},
    {.name = "BALL GRENADE", .price = 1500, .startAmmo = 0, .icon = BALL_GRENADE_ICON,
     .kind = {.flightImage = BALL_GRENADE_IMAGE, .spinFrames = SPIN_FRAMES - 1, .launchImage = BALL_GRENADE_LAUNCH,
              .launchTicks = 3, .explosionImage = BALL_EXPLOSION, .explosionTicks = 5, .bounceRadius = 13,
              .maxSpeed = 12.0f, .gravity = 0.11f, .craterCount = 1, .flightSound = BALL_FLIGHT_SOUND,
              .explosionSound = BALL_EXPLOSION_SOUND, .bounceSound = BALL_BOUNCE_SOUND},
     .program = flight::STRAIGHT, .crateDraws = {37, 39}, .computerDraws = {25, 29}},
    {.name = "GIMLET", .price = 250, .startAmmo = 10, .icon = GIMLET_ICON,
     .kind = {.flightImage = GIMLET_FLIGHT_BASE, .turning = true, .launchImage = GIMLET_FLIGHT_BASE + 1,
              .explosionImage = SUPER_EXPLOSION, .explosionTicks = 5, .maxSpeed = 15.0f, .gravity = 0.1f,
              .craterCount = 5, .flightSound = THROW_SOUND, .launchSound = GIMLET_SOUND,
              .explosionSound = BIG_EXPLOSION_SOUND, .passesFortresses = true},
     .program = flight::STRAIGHT, .crateDraws = {40, CRATE_DRAW_SCALE}, .computerDraws = {},
     .computerKeeps = true},
}};
// clang-format on

// Every draw of a weapon crate gives exactly one weapon; no computer's draw picks two.
constexpr bool drawsArePartition(bool crate) {
    const int scale = crate ? CRATE_DRAW_SCALE : COMPUTER_DRAW_SCALE;
    for (int r = 0; r <= scale; ++r) {
        int weapons = 0;
        for (const WeaponRow& row : WEAPONS) weapons += (crate ? row.crateDraws : row.computerDraws).has(r);
        if (weapons > 1 || (crate && weapons == 0)) return false;
    }
    return true;
}
static_assert(drawsArePartition(true) && drawsArePartition(false));

// The bomblets the HYPER TUBE drops.
inline constexpr KindRow BOMBLET_ROW{.flightImage = BOMBLET_IMAGE,
                                     .launchImage = BOMBLET_IMAGE,
                                     .explosionImage = SMALL_EXPLOSION,
                                     .explosionTicks = 3,
                                     .maxSpeed = 12.0f,
                                     .gravity = 0.05f,
                                     .craterCount = 1,
                                     .flightSound = BOMBLET_FALL_SOUND,
                                     .explosionSound = SMALL_EXPLOSION_SOUND};
