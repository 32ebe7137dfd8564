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

    void resetComputerSearch();
    void chooseComputerWeapon();
    void computerTurnStep();
    void searchShots(int speed);
};
