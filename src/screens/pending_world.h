// TEMPORARY: the world helper's random.h and world.h declarations this branch needs until the
// world branch is merged; includes of this file then become battle/random.h and world/world.h.
#pragma once

#include <cstdint>

constexpr std::int32_t GAME_RAND_MAX = 32767;
std::int32_t gameRand();
std::int32_t randScaled(std::int32_t n);
std::uint32_t gameRandState();
void setGameRandState(std::uint32_t state);

constexpr int WORLD_WIDTH = 1536;
constexpr int WORLD_HEIGHT = 768;
constexpr int LANDSCAPE_IMAGE = 1;
