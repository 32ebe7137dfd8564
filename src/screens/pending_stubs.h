// TEMPORARY: what the game flow needs from the world and battle code until their branches are
// merged. This file and pending_stubs.cpp are deleted then; the includes become battle/random.h
// and world/level_file.h.
#pragma once

#include <cstdint>

// The runtime's rand(), per thread, state 1 at thread start, never seeded.
std::int32_t gameRand();
std::uint32_t gameRandState();
void setGameRandState(std::uint32_t state);

// Reads "level.frc".
void loadLevels();
