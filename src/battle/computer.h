// The computer opponent: weapon choice, the search over trial shots, charging and firing.
#pragma once

#include <cstdint>

// The search of the computer player on turn: trial shots at rising speeds, the best so far.
// Construction and resetComputerSearch give the turn-start values.
struct ComputerSearch {
    std::int16_t aiAimed = 0;
    std::int16_t aiSpeedStep = 4;
    float aiBestMiss = 1000000.0f;
    std::int16_t aiBestSpeed = 0;
    float aiVx = 0;
    float aiVy = 0;

    float aiBestAngle = 0;  // hard: the angle of the best shot, where the refinement starts

    void resetComputerSearch();
    void chooseComputerWeapon();
    void computerTurnStep();
    void searchShots(int speed);
    // Hard: trial shots around the best one, slower and faster, steeper and flatter.
    void refineAim();
};

// The skill rules, in numbers.
constexpr float DESIGNED_ANGLE_STEP = 0.05f;  // radians between trial shots
constexpr float HARD_ANGLE_STEP = 0.025f;
constexpr int HARD_REFINE_STEPS = 10;           // each way, in angle and in speed
constexpr float HARD_REFINE_ANGLE_STEP = 0.005f;
constexpr float HARD_REFINE_SPEED_STEP = 0.1f;
// Hard judges a trial shot by its miss plus the drift the largest aiming error (0.75 a frame on
// each axis) gives it over its flight, so that long lobs count as worse than they land.
constexpr float HARD_SPREAD_PER_FRAME = 0.75f;
constexpr int EASY_SPEED_ERROR_PERCENT = 40;  // easy's launch speed: randScaled(80) - 40 percent off

// Hard's target: the living enemy with the most battles won, then the most money, then the first.
int leaderFor(int shooter);
// What a weapon's blasts may cut out of a fortress: the area of its last explosion picture and
// that of every child it releases once. 0 for a weapon that hurts no fortress.
int expectedDamage(int weapon);
