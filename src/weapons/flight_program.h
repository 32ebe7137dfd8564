// The flight programs projectiles execute, built from the catalogue's steps (core/weapons.h): a
// shot of weapon k runs program k; the sub-projectiles' programs follow. The battle rebuilds them
// at every start.
#pragma once

#include <cstdint>

#include "core/weapons.h"

struct FlightRow {
    std::int16_t cmd = 0;
    float p1 = 0;
    float p2 = 0;
    std::int16_t count = 0;
};

constexpr int FLIGHT_PROGRAM_ROWS = 256;
constexpr std::int16_t FLIGHT_END = STEP_END;
extern FlightRow flightPrograms[FLIGHT_PROGRAM_COUNT][FLIGHT_PROGRAM_ROWS];
// The point HOME steps steer toward: the direct missile's target, marked by the player;
// buildFlightPrograms puts it back to (0, 0).
extern float homingTargetX;
extern float homingTargetY;

void buildFlightPrograms();
