// The shipped level table, records 0..64 of "level.frc".
#pragma once

#include "world/level_file.h"

inline const LevelRecord SHIPPED_LEVELS[] = {
#include "../../data/levels.inc"
};
inline constexpr int SHIPPED_LEVEL_COUNT = static_cast<int>(sizeof SHIPPED_LEVELS / sizeof SHIPPED_LEVELS[0]);
