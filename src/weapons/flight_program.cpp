#include "weapons/flight_program.h"

FlightRow flightPrograms[FLIGHT_PROGRAM_COUNT][FLIGHT_PROGRAM_ROWS];

namespace {

// The programs as one list of rows (cmd, p1, p2, count); a lone 256 where a row would begin ends
// a program, a second one right after it ends the list.
// clang-format off
constexpr float FLIGHT_PROGRAM_LIST[] = {
    0, 0, 0, 1,  0, 0, 0, 10000,  256,                                        // 0 MISSILE
    0, 0, 0, 1,  0, 0, 0, 10000,  256,                                        // 1 BIG MISSILE
    0, 0, 0, 1,  0, 0, 0, 10000,  256,                                        // 2 GRENADE
    0, 0, 0, 100,  4, 10, 0, 1,  4, 11, 0, 1,  4, 12, 0, 1,  7, 0, 0, 1,  256, // 3 SUPER GRENADE
    0, 0, 0, 30,  3, 0, 0, 400,  255, 3.0f, 1.4f, 1,  7, 0, 0, 1,  256,       // 4 DIRECT MISSILE
    0, 0, 0, 60,  4, 13, 0, 1,  0, 0, 0, 10,  257, 0, 0, 2,  256,            // 5 HYPER TUBE
    0, 0, 0, 1,  0, 0, 0, 10000,  256,                                        // 6 DEFENSE
    0, 0, 0, 1,  0, 0, 0, 10000,  256,                                        // 7 GROUND DEFENSE
    0, 0, 0, 1,  0, 0, 0, 10000,  256,                                        // 8 BALL GRENADE
    0, 0, 0, 1,  0, 0, 0, 10000,  256,                                        // 9 GIMLET
    0, -1.0f, -7.0f, 1,  0, 0, 0, 10000,  256,                                // 10 grenade thrown left
    0, 1.0f, -7.0f, 1,  0, 0, 0, 10000,  256,                                 // 11 grenade thrown right
    0, 0, -7.0f, 1,  0, 0, 0, 10000,  256,                                    // 12 grenade thrown up
    0, 0, 0, 10000,  256,                                                     // 13 bomblet
    256};
// clang-format on

constexpr float LIST_END = 256.0f;
constexpr int LIST_LENGTH = static_cast<int>(sizeof FLIGHT_PROGRAM_LIST / sizeof FLIGHT_PROGRAM_LIST[0]);

}  // namespace

void buildFlightPrograms() {
    for (auto& program : flightPrograms)
        for (FlightRow& row : program) row = FlightRow{};
    int at = 0;
    for (int k = 0; k < FLIGHT_PROGRAM_COUNT && at < LIST_LENGTH && FLIGHT_PROGRAM_LIST[at] != LIST_END;
         ++k) {
        int r = 0;
        // The last row of each program is kept for the end mark.
        for (; at + 4 <= LIST_LENGTH && FLIGHT_PROGRAM_LIST[at] != LIST_END && r < FLIGHT_PROGRAM_ROWS - 1;
             ++r) {
            const float* f = &FLIGHT_PROGRAM_LIST[at];
            flightPrograms[k][r] = {static_cast<std::int16_t>(f[0]), f[1], f[2],
                                    static_cast<std::int16_t>(f[3])};
            at += 4;
        }
        flightPrograms[k][r].cmd = FLIGHT_END;
        ++at;  // the program's end mark
    }
}
