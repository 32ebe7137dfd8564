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

// Keeps the launch velocity if its impact lies nearer to an enemy's fortress point than any before;
// a hard computer looks only at the leader.
void scoreImpact(ComputerSearch& search, int shooter, float px, float py, float vx0, float vy0, int speed,
                 float angle, int frames) {
    const int only = skillOf(shooter) == ComputerSkill::Hard ? leaderFor(shooter) : -1;
    for (int q = 0; q < numPlayers && q < MAX_PLAYERS; ++q) {
        const Player& enemy = players[q];
        if (q == shooter || enemy.isDead != 0 || (only >= 0 && q != only)) continue;
        const int dx = static_cast<int>(px - enemy.x - LAUNCH_DX);
        const int dy = static_cast<int>(py - enemy.y - LAUNCH_DY);
        float d = std::sqrt(static_cast<float>(dx * dx + dy * dy));
        if (only >= 0) d += HARD_SPREAD_PER_FRAME * static_cast<float>(frames);
        if (d < search.aiBestMiss) {
            search.aiBestMiss = d;
            search.aiVx = vx0;
            search.aiVy = vy0;
            search.aiBestSpeed = static_cast<std::int16_t>(speed);
            search.aiBestAngle = angle;
        }
    }
}

// Flies one trial shot under constant gravity; false when it leaves the world, else its impact.
bool flyTrial(const Surface& land, int shooter, float vx0, float vy0, const WeaponSpec& flight, float& px,
              float& py, int& frames) {
    const Player& p = players[shooter];
    px = p.x + LAUNCH_DX;
    py = p.y + LAUNCH_DY;
    float vy = vy0;
    for (frames = 1;; ++frames) {
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

int imageArea(int index) {
    if (!raznoe) return 0;
    const ImageEntry& picture = raznoe[index];
    return picture.width * picture.height;
}

int blastArea(int kind) {
    const WeaponSpec& row = weaponSpecs[static_cast<std::size_t>(kind)];
    if (row.passesFortresses || row.stampsImage != 0 || row.explosionTicks == 0) return 0;
    return imageArea(row.explosionImage + row.explosionTicks - 1);
}

// Hard's weapon: of those it holds and may fire, the most expected damage; the first on a tie.
int strongestWeapon(const Player& p) {
    int best = MISSILE;
    for (int w = 0; w < WEAPON_COUNT; ++w)
        if (p.ammo[w] > 0 && catalogueRow(w).computerDraws.last >= catalogueRow(w).computerDraws.first && expectedDamage(w) > expectedDamage(best))
            best = w;
    return best;
}

}  // namespace

int leaderFor(int shooter) {
    int leader = -1;
    for (int q = 0; q < numPlayers && q < MAX_PLAYERS; ++q) {
        const Player& p = players[q];
        if (q == shooter || p.isDead != 0) continue;
        if (leader < 0 || p.wins > players[leader].wins ||
            (p.wins == players[leader].wins && p.money > players[leader].money))
            leader = q;
    }
    return leader;
}

int expectedDamage(int weapon) {
    const WeaponRow& row = catalogueRow(weapon);
    if (row.raisesShield) return 0;
    int area = blastArea(kindOf(weapon));
    const int child = weaponRow(weapon).childKind;
    for (const FlightStep& step : row.program)
        if (step.cmd == STEP_RELEASE && child != 0) area += blastArea(child);
    return area;
}

void ComputerSearch::resetComputerSearch() { *this = ComputerSearch{}; }

void ComputerSearch::chooseComputerWeapon() {
    const Player& p = players[currentPlayer < MAX_PLAYERS ? currentPlayer : 0];
    if (skillOf(currentPlayer) == ComputerSkill::Hard) {
        // The shield rule as designed, else the strongest weapon held; no draw.
        const bool shield = p.damage > 1000 && p.shieldHits == 0 && p.ammo[weapon::DEFENSE] > 0;
        selectedWeapon = static_cast<std::int16_t>(shield ? weapon::DEFENSE : strongestWeapon(p));
        if (catalogueRow(selectedWeapon).computerSearchesFast) aiSpeedStep = FAST_SEARCH_SPEED;
        return;
    }
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
    const float step = skillOf(shooter) == ComputerSkill::Hard ? HARD_ANGLE_STEP : DESIGNED_ANGLE_STEP;
    for (float a = 0.3f; a > lastAngle; a -= step) {
        const float vx0 = static_cast<float>(std::cos(static_cast<double>(a)) * speed);
        const float vy0 = static_cast<float>(std::sin(static_cast<double>(a)) * speed);
        float px = 0;
        float py = 0;
        int frames = 0;
        if (!flyTrial(*land, shooter, vx0, vy0, flight, px, py, frames)) continue;
        scoreImpact(*this, shooter, px, py, vx0, vy0, speed, a, frames);
        // Holding the right button shows the impacts tried, as new ground.
        if (trialsShown())
            land->row(static_cast<int>(py))[static_cast<int>(px)] = TRIAL_DOT;
    }
}

void ComputerSearch::refineAim() {
    Surface* land = lockLandscape();
    const int shooter = currentPlayer;
    if (!land || shooter >= MAX_PLAYERS || aiBestMiss >= 1000000.0f) return;
    const WeaponSpec& flight = weaponRow(selectedWeapon);
    const float angle0 = aiBestAngle;
    const float speed0 = std::sqrt(aiVx * aiVx + aiVy * aiVy);
    for (int i = -HARD_REFINE_STEPS; i <= HARD_REFINE_STEPS; ++i) {
        const float speed = speed0 + static_cast<float>(i) * HARD_REFINE_SPEED_STEP;
        if (speed <= 0 || speed > flight.maxSpeed) continue;
        for (int j = -HARD_REFINE_STEPS; j <= HARD_REFINE_STEPS; ++j) {
            const float a = angle0 + static_cast<float>(j) * HARD_REFINE_ANGLE_STEP;
            const float vx0 = std::cos(a) * speed;
            const float vy0 = std::sin(a) * speed;
            float px = 0;
            float py = 0;
            int frames = 0;
            if (flyTrial(*land, shooter, vx0, vy0, flight, px, py, frames))
                scoreImpact(*this, shooter, px, py, vx0, vy0, aiBestSpeed, a, frames);
        }
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
        // Hard measures MISSILE by its own flights, not against the other weapon's best.
        if (skillOf(currentPlayer) == ComputerSkill::Hard) aiBestMiss = ComputerSearch{}.aiBestMiss;
    }
    if (aiSpeedStep > weaponRow(weapon).maxSpeed) {
        if (skillOf(currentPlayer) == ComputerSkill::Hard) refineAim();
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
    if (skillOf(currentPlayer) == ComputerSkill::Easy) {
        // Easy misjudges the speed as well: up to EASY_SPEED_ERROR_PERCENT either way.
        const int percent = 100 + randScaled(2 * EASY_SPEED_ERROR_PERCENT) - EASY_SPEED_ERROR_PERCENT;
        aiVx = aiVx * static_cast<float>(percent) / 100.0f;
        aiVy = aiVy * static_cast<float>(percent) / 100.0f;
    }
    launchShot(aiVx, aiVy);
}
