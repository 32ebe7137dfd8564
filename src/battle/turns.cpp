#include "battle/turns.h"

#include <cmath>

#include "audio/sound_system.h"
#include "battle/battle.h"
#include "battle/battle_state.h"
#include "battle/camera.h"
#include "battle/computer.h"
#include "battle/fortress.h"
#include "battle/hud.h"
#include "core/input.h"
#include "core/player.h"
#include "core/settings.h"
#include "core/sounds.h"
#include "gfx/images.h"
#include "gfx/overlap.h"
#include "weapons/flight_program.h"
#include "weapons/projectile.h"
#include "weapons/weapon_specs.h"

namespace {

using weapon::DIRECT_MISSILE;
constexpr std::int16_t SHIELD_HITS = 3;
constexpr int LAUNCH_GRACE_TICKS = 10;
constexpr std::int16_t TURN_END_PAUSE = 50;

Player& shooter() { return players[currentPlayer]; }

void chooseSlotUnderCursor(const Player& p) {
    for (int k = 0; k < WEAPON_COUNT; ++k) {
        if (!ImagesOverlap(raznoe[POINTER_HIT_IMAGE], pointer().x - 4, pointer().y - 4,
                           raznoe[WEAPON_SLOT_IMAGE], weaponSlotX(k), screenHeight - WEAPON_BAR_RISE))
            continue;
        if (p.ammo[k] > 0) selectedWeapon = static_cast<std::int16_t>(k);
        takeButton();
    }
}

void markDirectTarget(Battle& b) {
    b.directTargetX = static_cast<float>(pointer().x + b.camera.scrollX);
    b.directTargetY = static_cast<float>(pointer().y + b.camera.scrollY);
    homingTargetX = b.directTargetX;
    homingTargetY = b.directTargetY;
    directTargetSet = 1;
    takeButton();
}

// The launch speed the charged power stands for, toward the cursor.
void fireAtCursor(const Player& p, Battle& b) {
    const Camera& camera = b.camera;
    const WeaponSpec& kindRow = weaponSpecs[kindOf(selectedWeapon)];
    const int divisor = static_cast<int>(100.0 / kindRow.maxSpeed);
    const int speed = shotPower / divisor;
    float dx = static_cast<float>(pointer().x + camera.scrollX) - (p.x + LAUNCH_DX);
    const float dy = static_cast<float>(pointer().y + camera.scrollY) - (p.y + LAUNCH_DY);
    if (dx == 0) dx = 1e-9f;  // straight up or down
    float angle = static_cast<float>(std::atan(dy / dx));
    if (dx < 0) angle += PI_APPROX;
    const auto vx = static_cast<float>(std::cos(angle) * speed);
    const auto vy = static_cast<float>(std::sin(angle) * speed);
    shotPower = 0;
    b.aids.keepAim(selectedWeapon, static_cast<int>(dx), static_cast<int>(dy));
    launchShot(vx, vy);
}

void handOver(Battle& b) {
    battleState.turnEndDelay = 0;
    bool found = false;
    for (int tried = 0; tried < numPlayers && !found; ++tried) {
        currentPlayer = static_cast<std::uint16_t>((currentPlayer + 1) % numPlayers);
        b.camera.cameraToPlayer(players[currentPlayer]);
        found = players[currentPlayer].isDead != 1;
    }
    if (!found) return;  // nobody stands: the battle ends this frame
    battleState.turnTimeLeft = turnTime();
    battleState.shotFired = 0;
    directTargetSet = 0;
    selectedWeapon = weapon::MISSILE;
    b.search.resetComputerSearch();
    if (players[currentPlayer].isComputer == 1) b.search.chooseComputerWeapon();
    b.aids.restoreTurn(b.camera);
}

}  // namespace

void humanTurnStep(Battle& battle) {
    const Player& p = shooter();
    if (buttonHeld()) chooseSlotUnderCursor(p);
    if (buttonHeld() && battleState.shotFired == 0 && directTargetSet == 0 &&
        selectedWeapon == DIRECT_MISSILE)
        markDirectTarget(battle);
    if (buttonHeld() && battleState.shotFired == 0) {
        if (shotPower < maxShotPower) ++shotPower;
        if (shotPower >= maxShotPower) takeButton();  // a full charge fires by itself
    }
    if (!buttonHeld() && shotPower > 0) fireAtCursor(p, battle);
}

void launchShot(float vx, float vy) {
    Player& p = shooter();
    const int weapon = selectedWeapon;
    if (!WEAPONS[static_cast<std::size_t>(weapon)].raisesShield) {
        spawnProjectile(kindOf(weapon), weapon, p.x + LAUNCH_DX, p.y + LAUNCH_DY, vx, vy, LAUNCH_GRACE_TICKS);
    } else {
        p.shieldHits = SHIELD_HITS;
        playSoundEffect(SHIELD_SOUND);
    }
    battleState.shotFired = 1;
    if (p.ammo[weapon] != UNLIMITED_AMMO) --p.ammo[weapon];
}

void endTurnStep(Battle& battle) {
    if (battleState.shotFired != 1) return;
    if (battleState.turnEndDelay == 0) {
        if (activeProjectileCount() == 0) battleState.turnEndDelay = TURN_END_PAUSE;
    } else {
        --battleState.turnEndDelay;
    }
    if (battleState.turnEndDelay == 1) handOver(battle);
}
