#include "core/random.h"

namespace {
thread_local std::uint32_t randState = 1;
}

std::int32_t gameRand() {
    randState = randState * 214013u + 2531011u;
    return static_cast<std::int32_t>((randState >> 16) & 0x7FFF);
}

std::int32_t randScaled(std::int32_t n) {
    // Widened so that no n a caller can pass overflows; the results equal the 32-bit ones for
    // every n the game uses (|n| <= 65535).
    return static_cast<std::int32_t>(static_cast<std::int64_t>(gameRand()) * n / GAME_RAND_MAX);
}

std::uint32_t gameRandState() { return randState; }
void setGameRandState(std::uint32_t state) { randState = state; }
