#include "weapons/flight_program.h"

FlightRow flightPrograms[FLIGHT_PROGRAM_COUNT][FLIGHT_PROGRAM_ROWS];
float homingTargetX = 0;
float homingTargetY = 0;

namespace {

// The steps of program k: the weapons' own, then the sub-projectiles'.
std::span<const FlightStep> programSteps(int k) {
    if (k < WEAPON_COUNT) return WEAPONS[static_cast<std::size_t>(k)].program;
    return CHILD_PROGRAMS[static_cast<std::size_t>(k - WEAPON_COUNT)];
}

}  // namespace

void buildFlightPrograms() {
    for (auto& program : flightPrograms)
        for (FlightRow& row : program) row = FlightRow{};
    homingTargetX = 0;
    homingTargetY = 0;
    for (int k = 0; k < FLIGHT_PROGRAM_COUNT; ++k) {
        int r = 0;
        // The last row of each program is kept for the end mark.
        for (const FlightStep& step : programSteps(k)) {
            if (r >= FLIGHT_PROGRAM_ROWS - 1) break;
            flightPrograms[k][r++] = {step.cmd, step.p1, step.p2, step.count};
        }
        flightPrograms[k][r].cmd = FLIGHT_END;
    }
}
