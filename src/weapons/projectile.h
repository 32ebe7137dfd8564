// The pool of everything that flies.
#pragma once

#include <cstdint>

enum ProjectileState : std::uint16_t { LAUNCHING = 1, FLYING = 2, HIT = 3, EXPLODING = 4 };

struct Projectile {
    float x = 0;
    float y = 0;
    float vx = 0;
    float vy = 0;
    std::uint16_t kind = 0;  // 0 = free record
    std::uint16_t imageBase = 0;
    std::uint16_t frame = 0;
    std::uint16_t program = 0;
    std::uint16_t row = 0;
    std::uint16_t rowFramesLeft = 0;
    std::uint16_t state = 0;
    std::int16_t channel = 0;
    std::int16_t flightChannel = 0;
    std::uint16_t graceTicks = 0;
};

constexpr int MAX_PROJECTILES = 400;
extern Projectile projectiles[MAX_PROJECTILES];

void clearProjectiles();
void spawnProjectile(int kind, int program, float x, float y, float vx, float vy, int graceTicks);
void spawnChild(int kind, int program, float x, float y);
// One frame of every projectile: the flight programs advance on the frame of the tick (frameThird 0).
void stepProjectiles(std::uint8_t frameThird);
bool bounceOffLandscape(Projectile& p);
// The raznoe index of the picture a projectile shows (and is tested with) in its state.
int projectileImage(const Projectile& p);
int activeProjectileCount();
// The flight direction 1..36 for a non-zero velocity: 1 straight up, 10 right, 19 down, 28 left.
int directionIndex(float vx, float vy);
// Empties a record; graceTicks is the one field a freed record keeps.
void freeProjectile(Projectile& p);
