// TEMPORARY: stand-ins for the world, battle and weapons code of other branches, deleted when
// they are merged. Only what the computer player, the results and the shop call.
#include <cstdint>

#include "app/input.h"
#include "app/settings.h"
#include "audio/sound_system.h"
#include "battle/battle_state.h"
#include "battle/player.h"
#include "battle/scene.h"
#include "battle/turns.h"
#include "gfx/display.h"
#include "screens/pending_world.h"
#include "screens/screens.h"
#include "weapons/projectile.h"
#include "weapons/weapon_specs.h"

// --- world: random.h
namespace {
thread_local std::uint32_t randState = 1;
}
std::int32_t gameRand() {
    randState = randState * 214013u + 2531011u;
    return static_cast<std::int32_t>((randState >> 16) & 0x7FFF);
}
std::int32_t randScaled(std::int32_t n) {
    return static_cast<std::int32_t>(static_cast<std::int64_t>(gameRand()) * n / GAME_RAND_MAX);
}
std::uint32_t gameRandState() { return randState; }
void setGameRandState(std::uint32_t state) { randState = state; }

// --- battle: battle_state.h, scene.h, turns.h, confirmQuit
BattleState battleState;
AnimCounters animCounters;
void resetAnimCounters() {
    animCounters = AnimCounters{};
    battleState.frameThird = 0;
}
void animationTick() {
    AnimCounters& a = animCounters;
    if (a.shopFrame > 455 && ++a.shopFrame > 464) a.shopFrame = 455;
    if (++a.thinkFrame > 454) a.thinkFrame = 450;
    if (++a.flagFrame > 46) a.flagFrame = 37;
    if (++a.crateFrame > 404) a.crateFrame = 385;
}
void drawBattleScene() {}
int confirmQuit(int) {
    inputState.lastKeyDown.store(0);
    std::int32_t key = 0;
    while (key != 'Y' && key != 'N') {
        PresentFrame();
        key = inputState.lastKeyDown.load();
    }
    inputState.lastKeyDown.store(0);
    return key == 'Y' ? 1 : 0;
}
void launchShot(float vx, float vy) {
    Player& p = players[currentPlayer];
    const int weapon = selectedWeapon.load();
    if (weapon != 6) spawnProjectile(weapon + 1, weapon, p.x + 40, p.y + 10, vx, vy, 10);
    if (weapon == 6) {
        p.shieldHits = 3;
        playSoundEffect(11);
    }
    battleState.shotFired = 1;
    if (p.ammo[weapon] != UNLIMITED_AMMO) p.ammo[weapon] -= 1;
}

// --- weapons: projectile.h, weapon_specs.h
Projectile projectiles[MAX_PROJECTILES];
void clearProjectiles() {
    for (Projectile& p : projectiles) p = Projectile{};
}
void spawnProjectile(int kind, int program, float x, float y, float vx, float vy, int graceTicks) {
    for (Projectile& p : projectiles) {
        if (p.kind != 0) continue;
        p = Projectile{};
        p.kind = static_cast<std::uint16_t>(kind);
        p.program = static_cast<std::uint16_t>(program);
        p.x = x;
        p.y = y;
        p.vx = vx;
        p.vy = vy;
        p.graceTicks = static_cast<std::uint16_t>(graceTicks);
        p.state = LAUNCHING;
        return;
    }
}

namespace {
constexpr WeaponSpec row(float maxSpeed, float gravity) {
    WeaponSpec spec{};
    spec.maxSpeed = maxSpeed;
    spec.gravity = gravity;
    return spec;
}
}  // namespace
const std::array<WeaponSpec, KIND_COUNT> weaponSpecs = {
    row(0, 0),         row(15.0f, 0.1f),  row(13.0f, 0.21f), row(14.0f, 0.14f),
    row(14.0f, 0.15f), row(15.0f, 0.05f), row(13.0f, 0.14f), row(3.0f, 0.3f),
    row(13.0f, 0.14f), row(12.0f, 0.11f), row(15.0f, 0.1f),  row(12.0f, 0.05f)};
const std::array<std::uint16_t, 10> WEAPON_ICONS = {106, 382, 183, 327, 358, 376, 445, 250, 362, 291};
