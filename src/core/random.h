// The game's one source of random numbers: the C runtime's linear congruential rand(), kept per
// thread. Every thread starts at state 1 and the game never seeds it, so the battles' random
// choices depend only on how many numbers were drawn before (the menu draws one per frame).
#pragma once

#include <cstdint>

constexpr std::int32_t GAME_RAND_MAX = 32767;

// The runtime's rand(): state = state * 214013 + 2531011, result bits 16..30 (0..32767).
std::int32_t gameRand();

// gameRand() * n / 32767 in 32-bit signed arithmetic, truncated: 0..n, and n itself only when
// gameRand() returns 32767. Callers whose n must not come back fold it themselves.
std::int32_t randScaled(std::int32_t n);

// The calling thread's generator state. The game never sets it; tests and tools use it to run
// the same draws again or to start from a chosen point.
std::uint32_t gameRandState();
void setGameRandState(std::uint32_t state);
