#include "battle/turns.h"

#include <cmath>

#include "audio/sound_system.h"
#include "battle/battle.h"
#include "battle/battle_state.h"
#include "battle/camera.h"
#include "battle/computer.h"
#include "core/input.h"
#include "core/player.h"
#include "core/settings.h"
#include "gfx/images.h"
#include "gfx/overlap.h"
#include "weapons/flight_program.h"
#include "weapons/projectile.h"
#include "weapons/weapon_specs.h"

namespace {

using weapon::DIRECT_MISSILE;
using weapon::DEFENSE;
constexpr int CURSOR_PROBE_IMAGE = 15;
constexpr int SLOT_IMAGE = 104;
constexpr int DIRECT_TARGET_ROW = 1;
constexpr int SHIELD_SOUND = 11;
constexpr std::int16_t SHIELD_HITS = 3;
constexpr int LAUNCH_GRACE_TICKS = 10;
constexpr std::int16_t TURN_END_PAUSE = 50;

Player& shooter() { return players[currentPlayer]; }

void chooseSlotUnderCursor(const Player& p) {
    for (int k = 0; k < WEAPON_COUNT; ++k) {
        if (!ImagesOverlap(raznoe[CURSOR_PROBE_IMAGE], cursorPos.x - 4, cursorPos.y - 4, raznoe[SLOT_IMAGE],
                           24 * k + 10, screenHeight - 30))
            continue;
        if (p.ammo[k] > 0) selectedWeapon.store(static_cast<std::int16_t>(k));
        inputState.leftButton.store(0);
    }
}

void markDirectTarget(Battle& b) {
    b.directTargetX = static_cast<float>(cursorPos.x + b.camera.scrollX);
    b.directTargetY = static_cast<float>(cursorPos.y + b.camera.scrollY);
    flightPrograms[DIRECT_MISSILE][DIRECT_TARGET_ROW].p1 = b.directTargetX;
    flightPrograms[DIRECT_MISSILE][DIRECT_TARGET_ROW].p2 = b.directTargetY;
    directTargetSet.store(1);
    inputState.leftButton.store(0);
}

// The launch speed the charged power stands for, toward the cursor.
void fireAtCursor(const Player& p, const Camera& camera) {
    const WeaponSpec& kindRow = weaponSpecs[selectedWeapon.load() + 1];
    const int divisor = static_cast<int>(100.0 / kindRow.maxSpeed);
    const int speed = shotPower / divisor;
    float dx = static_cast<float>(cursorPos.x + camera.scrollX) - (p.x + 40);
    const float dy = static_cast<float>(cursorPos.y + camera.scrollY) - (p.y + 10);
    if (dx == 0) dx = 1e-9f;  // straight up or down
    float angle = static_cast<float>(std::atan(dy / dx));
    if (dx < 0) angle += PI_APPROX;
    const auto vx = static_cast<float>(std::cos(angle) * speed);
    const auto vy = static_cast<float>(std::sin(angle) * speed);
    shotPower = 0;
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
    battleState.turnTimeLeft = TURN_TIME;
    battleState.shotFired = 0;
    directTargetSet.store(0);
    selectedWeapon.store(0);
    b.search.resetComputerSearch();
    if (players[currentPlayer].isComputer == 1) b.search.chooseComputerWeapon();
}

}  // namespace

void humanTurnStep(Battle& battle) {
    const Player& p = shooter();
    if (inputState.leftButton.load() == 1) chooseSlotUnderCursor(p);
    if (inputState.leftButton.load() == 1 && battleState.shotFired == 0 && directTargetSet.load() == 0 &&
        selectedWeapon.load() == DIRECT_MISSILE)
        markDirectTarget(battle);
    if (inputState.leftButton.load() == 1 && battleState.shotFired == 0) {
        if (shotPower < maxShotPower) ++shotPower;
        if (shotPower >= maxShotPower) inputState.leftButton.store(0);  // a full charge fires by itself
    }
    if (inputState.leftButton.load() == 0 && shotPower > 0) fireAtCursor(p, battle.camera);
}

void launchShot(float vx, float vy) {
    Player& p = shooter();
    const int weapon = selectedWeapon.load();
    if (weapon != DEFENSE) {
        spawnProjectile(weapon + 1, weapon, p.x + 40, p.y + 10, vx, vy, LAUNCH_GRACE_TICKS);
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
