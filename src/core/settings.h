// The settings file "game.ini", the display size and pixel layout, and the game state that input,
// battle and screens share.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/config_file.h"

struct GameConfig {
    std::uint8_t screenMode = 0;
    std::uint8_t skipVblankWait = 0;
    std::uint8_t quietRefreshFallback = 0;
    std::uint8_t weatherEnabled = 0;
};

extern GameConfig gameConfig;
extern std::uint16_t screenWidth;
extern std::uint16_t screenHeight;
extern std::int32_t pixelFormat;  // 1 = 5-5-5, 2 = 5-6-5

// Shared game state, all of it on the game thread: the key handler that writes selectedWeapon and
// directTargetSet runs there too, at the game thread's wait points.
extern std::uint16_t numPlayers;
extern std::uint16_t currentPlayer;
extern std::int16_t selectedWeapon;
extern std::uint16_t shotPower;
extern const std::uint16_t maxShotPower;
extern std::int16_t directTargetSet;

// 3.14159, not the nearest float to pi: the game's angles are computed with this value.
extern const float PI_APPROX;

// --screen-mode: replaces byte 0 of "game.ini" as it is read (the file is never written); -1: none.
extern int screenModeOverride;
// The weather setting: replaces byte 3 of "game.ini" (0 off, 1 on); -1: none.
extern int weatherOverride;
// A replayed script's recorded "game.ini" bytes, read instead of the file; empty: the file.
extern std::optional<std::vector<std::uint8_t>> gameIniReplacement;

// The player's settings that are not in "game.ini" (ramparo.conf and the command line); each
// starts as the designed game.
extern std::int32_t turnTicks;    // the time of a turn, in ticks; designed: 500
extern std::int32_t volumePercent;  // 0..100 of the designed loudness
extern ComputerSkills computerSkills;  // by player slot; designed: all Normal
extern bool assistEnabled;  // the aiming aids; designed: off
// The skill of the computer in player slot `player` (Normal outside the slots).
ComputerSkill skillOf(int player);

// Reads "game.ini" from the working directory (or its replacement) into gameConfig, with the
// overrides, and sets the display size.
void readSettings();
// The bytes readSettings applies, without reporting anything; empty when there is no file and no
// screen mode override, so that nothing is applied.
std::optional<std::vector<std::uint8_t>> settingsBytesInUse();
// The same rules over bytes already read (missing bytes count as 0).
void applySettingsBytes(std::span<const std::uint8_t> bytes);
// Sets pixelFormat from the display's colour masks.
void detectPixelFormat();
