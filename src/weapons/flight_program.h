// The flight programs projectiles execute: a shot of weapon k runs program k; programs 10..13
// are the sub-projectiles'. The battle rebuilds them at every start (the direct missile writes
// its target into its program).
#pragma once

#include <cstdint>

struct FlightRow {
    std::int16_t cmd = 0;
    float p1 = 0;
    float p2 = 0;
    std::int16_t count = 0;
};

constexpr int FLIGHT_PROGRAM_COUNT = 14;
constexpr int FLIGHT_PROGRAM_ROWS = 256;
constexpr std::int16_t FLIGHT_END = 256;
extern FlightRow flightPrograms[FLIGHT_PROGRAM_COUNT][FLIGHT_PROGRAM_ROWS];

void buildFlightPrograms();
