// The flight programs projectiles execute, built from the catalogue's steps (core/weapons.h): a
// shot of weapon k runs program k; the sub-projectiles' programs follow. The battle rebuilds them
// at every start (the direct missile writes its target into its program).
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

void buildFlightPrograms();
