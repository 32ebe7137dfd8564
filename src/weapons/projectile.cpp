#include "weapons/projectile.h"

#include <cmath>

#include "audio/sound_system.h"
#include "core/error_box.h"
#include "core/settings.h"
#include "gfx/images.h"
#include "weapons/explosion.h"
#include "weapons/flight_program.h"
#include "weapons/weapon_specs.h"
#include "world/damage.h"
#include "world/world.h"

Projectile projectiles[MAX_PROJECTILES];

namespace {

constexpr float BOUNCE_KEEP = 0.8333333f;
constexpr double REST_SPEED_SQ = 0.01;
constexpr double ANGLE_STEP_SCALE = 5.732484076433121;  // 18 / 3.14: ten-degree steps
constexpr float BOUNCE_SCAN_STEP = 0.02f;

constexpr float WORLD_LEFT = -60;
constexpr float WORLD_RIGHT = 1596;
constexpr float WORLD_TOP = -10000;
constexpr float WORLD_BOTTOM = 788;

// "Not enough array to put in a new creature."
constexpr const char* POOL_FULL = "Не хватает массива для ввода нового гада";

void releaseChannelAndFree(Projectile& p) {
    soundSystem.StopChannel(p.channel);
    soundSystem.FreeChannel(p.channel);
    freeProjectile(p);
}

void clampSpeed(Projectile& p, float maxSpeed) {
    if (p.vx > maxSpeed) p.vx = maxSpeed;
    if (p.vx < -maxSpeed) p.vx = -maxSpeed;
    if (p.vy > maxSpeed) p.vy = maxSpeed;
    if (p.vy < -maxSpeed) p.vy = -maxSpeed;
}

void startHit(Projectile& p) {
    p.state = HIT;
    p.frame = 0;
    p.imageBase = weaponSpecs[p.kind].explosionImage;
}

void tickRecord(Projectile& p) {
    const WeaponSpec& kindRow = weaponSpecs[p.kind];
    if (p.graceTicks > 0) --p.graceTicks;
    ++p.frame;
    if (p.state == LAUNCHING && p.frame > kindRow.launchTicks) {
        p.state = FLYING;
        p.frame = 0;
        p.imageBase = 0;
        if (kindRow.launchSound != 0) soundSystem.PlaySound(p.channel, kindRow.launchSound, 0, soundVolume);
        return;
    }
    if (p.vx != 0 || p.vy != 0) p.imageBase = directionIndex(p.vx, p.vy);
    switch (p.state) {
        case FLYING:
            if (p.frame > kindRow.spinFrames) p.frame = 0;
            break;
        case HIT:
            p.state = EXPLODING;
            p.frame = 0;
            p.imageBase = kindRow.explosionImage;
            if (kindRow.explosionSound != 0) {
                soundSystem.StopChannel(p.channel);
                lastChannel = soundSystem.AllocChannel();
                soundSystem.PlaySound(lastChannel, kindRow.explosionSound, 1, soundVolume);
            }
            break;
        case EXPLODING:
            if (p.frame > kindRow.explosionTicks) finishExplosion(p);
            break;
        default:
            break;
    }
}

void runRow(Projectile& p, const WeaponSpec& kindRow) {
    const FlightRow* program = flightPrograms[p.program];
    const FlightRow& row = program[p.row];
    switch (row.cmd) {
        case STEP_PUSH:
            p.vx += row.p1;
            p.vy += row.p2;
            clampSpeed(p, kindRow.maxSpeed);
            break;
        case STEP_HOME: {
            if (p.row + 1 >= FLIGHT_PROGRAM_ROWS) break;
            const FlightRow& accel = program[p.row + 1];
            if (p.x < homingTargetX) p.vx += accel.p1;
            if (p.x > homingTargetX) p.vx -= accel.p1;
            if (p.y < homingTargetY) p.vy += accel.p2;
            if (p.y > homingTargetY) p.vy -= accel.p2;
            clampSpeed(p, kindRow.maxSpeed);
            break;
        }
        case STEP_RELEASE:
            if (kindRow.childKind != 0)
                spawnChild(kindRow.childKind, static_cast<int>(row.p1), p.x + kindRow.childOffsetX,
                           p.y + kindRow.childOffsetY);
            break;
        case STEP_EXPLODE:
            startHit(p);
            break;
        default:  // a row that only carries data for the row before it
            break;
    }
}

// A row of count n runs in n frames; the end row restarts the program, a jump row is never run.
void advanceRow(Projectile& p) {
    if (--p.rowFramesLeft != 0) return;
    const FlightRow* program = flightPrograms[p.program];
    ++p.row;
    if (p.row >= FLIGHT_PROGRAM_ROWS || program[p.row].cmd == FLIGHT_END) p.row = 0;
    if (program[p.row].cmd == STEP_JUMP_BACK)
        p.row = static_cast<std::uint16_t>(p.row - program[p.row].count);
    if (p.row >= FLIGHT_PROGRAM_ROWS) p.row = 0;
    p.rowFramesLeft = static_cast<std::uint16_t>(program[p.row].count);
}

void moveRecord(Projectile& p) {
    const WeaponSpec& kindRow = weaponSpecs[p.kind];
    runRow(p, kindRow);
    advanceRow(p);
    const bool bounced = kindRow.bounceRadius > 0 && bounceOffLandscape(p);
    if (bounced) {
        playSoundEffect(kindRow.bounceSound);
        if (static_cast<double>(p.vx * p.vx) < REST_SPEED_SQ &&
            static_cast<double>(p.vy * p.vy) < REST_SPEED_SQ)
            startHit(p);
    } else {
        p.vy += kindRow.gravity;
    }
    p.x += p.vx;
    p.y += p.vy;
}

bool outOfWorld(const Projectile& p) {
    return p.x > WORLD_RIGHT || p.x < WORLD_LEFT || p.y > WORLD_BOTTOM || p.y < WORLD_TOP;
}

}  // namespace

void freeProjectile(Projectile& p) {
    const std::uint16_t grace = p.graceTicks;
    p = Projectile{};
    p.graceTicks = grace;
}

void clearProjectiles() {
    for (Projectile& p : projectiles) p = Projectile{};
}

void spawnProjectile(int kind, int program, float x, float y, float vx, float vy, int graceTicks) {
    if (kind <= 0 || kind >= KIND_COUNT || program < 0 || program >= FLIGHT_PROGRAM_COUNT) return;
    Projectile* p = nullptr;
    for (Projectile& record : projectiles) {
        if (record.kind == 0) {
            p = &record;
            break;
        }
    }
    if (!p) {
        errorBox(POOL_FULL);
        return;  // the shot is dropped
    }
    p->kind = static_cast<std::uint16_t>(kind);
    p->x = x;
    p->y = y;
    p->vx = vx;
    p->vy = vy;
    p->program = static_cast<std::uint16_t>(program);
    p->graceTicks = static_cast<std::uint16_t>(graceTicks);
    p->row = 0;
    p->frame = 0;
    p->rowFramesLeft = static_cast<std::uint16_t>(flightPrograms[program][0].count);
    p->state = LAUNCHING;
    p->channel = static_cast<std::int16_t>(soundSystem.AllocChannel());
    p->flightChannel = 0;
    const WeaponSpec& kindRow = weaponSpecs[kind];
    if (kindRow.flightSound != 0) {
        p->flightChannel = static_cast<std::int16_t>(soundSystem.AllocChannel());
        soundSystem.PlaySound(p->flightChannel, kindRow.flightSound, 1, soundVolume);
    }
}

void spawnChild(int kind, int program, float x, float y) { spawnProjectile(kind, program, x, y, 0, 0, 0); }

int directionIndex(float vx, float vy) {
    const double ratio = std::fabs(static_cast<double>(vx)) / std::fabs(static_cast<double>(vy));
    const int k = static_cast<int>(std::atan(ratio) * ANGLE_STEP_SCALE);
    int d = 0;
    if (vx >= 0 && vy < 0)
        d = k;
    else if (vx > 0 && vy >= 0)
        d = 18 - k;
    else if (vx <= 0 && vy > 0)
        d = 18 + k;
    else if (vx < 0 && vy <= 0)
        d = 36 - k;
    if (k == 0 && vy < 0) d = 0;
    return d + 1;
}

void stepProjectiles(std::uint8_t frameThird) {
    if (frameThird == 0) {
        for (Projectile& p : projectiles)
            if (p.kind != 0) tickRecord(p);
    }
    for (Projectile& p : projectiles) {
        if (p.kind == 0) continue;
        if (p.state == LAUNCHING || p.state == FLYING) moveRecord(p);
        if (outOfWorld(p)) releaseChannelAndFree(p);
    }
}

bool bounceOffLandscape(Projectile& p) {
    const ImageEntry* landscape = raznoe ? &raznoe[LANDSCAPE_IMAGE] : nullptr;
    const Surface* pixels = landscape ? landscape->surface.get() : nullptr;
    if (!pixels || pixels->width != landscape->width || pixels->height != landscape->height) {
        errorBox("error lock powerhnost");
        return false;
    }
    const double speed = std::sqrt(static_cast<double>(p.vx) * p.vx + static_cast<double>(p.vy) * p.vy);
    const double r = weaponSpecs[p.kind].bounceRadius + speed;
    if (p.y < 2 * r || p.y > WORLD_HEIGHT - 2 * r) return false;

    const float ax = p.vx != 0 ? p.vx : -1e-9f;
    double a = std::atan(static_cast<double>(p.vy) / ax);
    if (ax < 0) a += PI_APPROX;

    bool solid = false;
    double first = 0;
    double last = 0;
    for (double theta = a - PI_APPROX; theta <= a + PI_APPROX; theta += BOUNCE_SCAN_STEP) {
        const double px = p.x + r * std::cos(theta);
        const double py = p.y + r * std::sin(theta);
        if (!(px > 0 && px < WORLD_WIDTH && px < pixels->width && py >= 0 && py < pixels->height)) continue;
        if (pixels->row(static_cast<int>(py))[static_cast<int>(px)] == 0) continue;
        if (!solid) first = theta;
        solid = true;
        last = theta;
    }
    if (!solid) return false;

    const double m = (first + last) * 0.5;
    if (std::fabs(m - a) > PI_APPROX / 2) return false;  // the ground lies behind
    double phi = 0;
    if (m >= a)
        phi = 2 * m - a - PI_APPROX;  // mirrored about the ground's normal
    else if (ax < 0 && p.vy < 0)
        phi = ((m - PI_APPROX) - a) + PI_APPROX;
    else if (ax < 0)
        phi = m - PI_APPROX / 2 - a;
    else if (p.vy < 0)
        phi = m - PI_APPROX / 2 - a + PI_APPROX;
    else
        phi = m - PI_APPROX - a;
    const float kept = static_cast<float>(speed) * BOUNCE_KEEP;
    p.vx = static_cast<float>(std::cos(phi) * kept);
    p.vy = static_cast<float>(std::sin(phi) * kept);
    return true;
}

int projectileImage(const Projectile& p) {
    const WeaponSpec& kindRow = weaponSpecs[p.kind];
    switch (p.state) {
        case LAUNCHING:
            return kindRow.launchImage + p.frame;
        case FLYING:
            return kindRow.flightFrames[p.imageBase <= DIRECTIONS ? p.imageBase : 0] + p.frame;
        default:
            return kindRow.explosionImage + p.frame;
    }
}

int activeProjectileCount() {
    int count = 0;
    for (const Projectile& p : projectiles)
        if (p.kind != 0) ++count;
    return count;
}
