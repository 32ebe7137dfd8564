// The computer opponent: weapon choice, the search over trial shots, charging and firing.
#pragma once

#include <cstdint>

extern std::int16_t aiAimed;
extern std::int16_t aiSpeedStep;
extern float aiBestMiss;
extern std::int16_t aiBestSpeed;
extern float aiVx;
extern float aiVy;

// The turn-start values of the search state (battle start and every hand-over).
void resetComputerSearch();
void chooseComputerWeapon();
void computerTurnStep();
void searchShots(int speed);
