#include "battle/computer.h"

#include <cmath>

#include "battle/battle_state.h"
#include "battle/fortress.h"
#include "battle/turns.h"
#include "core/input.h"
#include "core/player.h"
#include "core/random.h"
#include "core/settings.h"
#include "gfx/images.h"
#include "gfx/overlap.h"
#include "weapons/weapon_specs.h"
#include "world/world.h"

namespace {

using weapon::GIMLET;
using weapon::MISSILE;

constexpr int FORTRESS_WIDTH = 80;
constexpr int FORTRESS_HEIGHT = 50;
constexpr std::uint16_t TRIAL_DOT = 0xFFFF;
constexpr std::int16_t FAST_SEARCH_SPEED = 7;

const WeaponSpec& weaponRow(int weapon) { return weaponSpecs[static_cast<std::size_t>(kindOf(weapon))]; }
const WeaponRow& catalogueRow(int weapon) { return WEAPONS[static_cast<std::size_t>(weapon)]; }

// The landscape as a locked picture: null when it cannot be read over the whole world.
Surface* lockLandscape() {
    if (!raznoe) return nullptr;
    const ImageEntry& land = raznoe[LANDSCAPE_IMAGE];
    Surface* surface = land.surface.get();
    if (!surface || land.width != surface->width || land.height != surface->height) return nullptr;
    if (surface->width < WORLD_WIDTH || surface->height < WORLD_HEIGHT) return nullptr;
    return surface;
}

bool hitsEnemyFortress(int shooter, float px, float py) {
    for (int q = 0; q < numPlayers && q < MAX_PLAYERS; ++q) {
        const Player& enemy = players[q];
        if (q == shooter || enemy.isDead != 0) continue;
        if (!(enemy.x < px && px < enemy.x + FORTRESS_WIDTH && enemy.y < py &&
              py < enemy.y + FORTRESS_HEIGHT))
            continue;
        if (PointOnImage(static_cast<std::int32_t>(px), static_cast<std::int32_t>(py),
                         raznoe[FORTRESS_PICTURE + q], static_cast<std::int32_t>(enemy.x),
                         static_cast<std::int32_t>(enemy.y)))
            return true;
    }
    return false;
}

// Keeps the launch velocity if its impact lies nearer to an enemy's fortress point than any before.
void scoreImpact(ComputerSearch& search, int shooter, float px, float py, float vx0, float vy0, int speed) {
    for (int q = 0; q < numPlayers && q < MAX_PLAYERS; ++q) {
        const Player& enemy = players[q];
        if (q == shooter || enemy.isDead != 0) continue;
        const int dx = static_cast<int>(px - enemy.x - LAUNCH_DX);
        const int dy = static_cast<int>(py - enemy.y - LAUNCH_DY);
        const float d = std::sqrt(static_cast<float>(dx * dx + dy * dy));
        if (d < search.aiBestMiss) {
            search.aiBestMiss = d;
            search.aiVx = vx0;
            search.aiVy = vy0;
            search.aiBestSpeed = static_cast<std::int16_t>(speed);
        }
    }
}

// Flies one trial shot under constant gravity; false when it leaves the world, else its impact.
bool flyTrial(const Surface& land, int shooter, float vx0, float vy0, const WeaponSpec& flight, float& px,
              float& py) {
    const Player& p = players[shooter];
    px = p.x + LAUNCH_DX;
    py = p.y + LAUNCH_DY;
    float vy = vy0;
    for (;;) {
        px += vx0;
        py += vy;
        vy += flight.gravity;
        if (vy > flight.maxSpeed) vy = flight.maxSpeed;
        if (px > WORLD_WIDTH - 1 || px < 0 || py > WORLD_HEIGHT - 1) return false;
        if (py < 0) continue;
        if (hitsEnemyFortress(shooter, px, py)) return true;
        if (land.row(static_cast<int>(py))[static_cast<int>(px)] != 0) return true;
    }
}

}  // namespace

void ComputerSearch::resetComputerSearch() { *this = ComputerSearch{}; }

void ComputerSearch::chooseComputerWeapon() {
    const Player& p = players[currentPlayer < MAX_PLAYERS ? currentPlayer : 0];
    // The weapon whose computerDraws hold the draw; MISSILE when none does.
    int weapon = MISSILE;
    const int r = randScaled(COMPUTER_DRAW_SCALE);
    for (int w = 0; w < WEAPON_COUNT; ++w)
        if (catalogueRow(w).computerDraws.has(r)) weapon = w;
    // A shield only when hurt and bare.
    if (catalogueRow(weapon).raisesShield && !(p.damage > 1000 && p.shieldHits == 0)) weapon = MISSILE;
    if (p.ammo[weapon] == 0) weapon = MISSILE;
    selectedWeapon = static_cast<std::int16_t>(weapon);
    if (catalogueRow(weapon).computerSearchesFast) aiSpeedStep = FAST_SEARCH_SPEED;
}

void ComputerSearch::searchShots(int speed) {
    Surface* land = lockLandscape();
    if (!land) return;
    const int shooter = currentPlayer;
    if (shooter >= MAX_PLAYERS) return;
    const WeaponSpec& flight = weaponRow(selectedWeapon);
    const float lastAngle = -3.14159f - 0.3f;
    for (float a = 0.3f; a > lastAngle; a -= 0.05f) {
        const float vx0 = static_cast<float>(std::cos(static_cast<double>(a)) * speed);
        const float vy0 = static_cast<float>(std::sin(static_cast<double>(a)) * speed);
        float px = 0;
        float py = 0;
        if (!flyTrial(*land, shooter, vx0, vy0, flight, px, py)) continue;
        scoreImpact(*this, shooter, px, py, vx0, vy0, speed);
        // Holding the right button shows the impacts tried, as new ground.
        if (trialsShown())
            land->row(static_cast<int>(py))[static_cast<int>(px)] = TRIAL_DOT;
    }
}

void ComputerSearch::computerTurnStep() {
    if (currentPlayer >= MAX_PLAYERS) return;
    int weapon = selectedWeapon;
    if (aiAimed == 0) {
        searchShots(aiSpeedStep);
        aiSpeedStep += 1;
    }
    // A special weapon that cannot come near anyone gives way to MISSILE, which must beat its best.
    if (aiSpeedStep > weaponRow(weapon).maxSpeed && !catalogueRow(weapon).computerKeeps &&
        aiBestMiss > 60.0f) {
        weapon = MISSILE;
        selectedWeapon = MISSILE;
        aiSpeedStep = 4;
    }
    if (aiSpeedStep > weaponRow(weapon).maxSpeed) {
        aiAimed = 1;
        aiSpeedStep = 0;
        aiBestSpeed =
            static_cast<std::int16_t>(aiBestSpeed * 100 / static_cast<int>(weaponRow(weapon).maxSpeed));
    }
    if (aiAimed != 1 || battleState.shotFired != 0) return;
    // The power bar only shows the charge; the shot flies at the searched velocity.
    if (shotPower < aiBestSpeed) {
        shotPower += 1;
        return;
    }
    Player& p = players[currentPlayer];
    if (weapon == MISSILE && aiBestMiss > 40.0f && p.ammo[GIMLET] > 0) {
        weapon = GIMLET;
        selectedWeapon = GIMLET;
    }
    shotPower = 0;
    constexpr float RAND_SCALE = 3.051851e-05f;  // 1 / 32767
    const auto aimingError = [] { return static_cast<float>(gameRand() * 30) * RAND_SCALE - 15; };
    aiVx = static_cast<float>(aiVx + aimingError() * 0.05);
    aiVy = static_cast<float>(aiVy + aimingError() * 0.05);
    launchShot(aiVx, aiVy);
}
