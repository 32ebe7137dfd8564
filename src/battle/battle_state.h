// The battle's clocks and its animation counters.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "core/pictures.h"

constexpr std::int32_t BATTLE_TIME = 8000;  // ticks
constexpr std::int32_t TURN_TIME = 500;     // ticks

// The turn's time (turnTicks, TURN_TIME unless a turn time is set) and the battle's time limit,
// which scales with it so that a battle can still end by time.
std::int32_t turnTime();
std::int32_t battleTime();

struct BattleState {
    std::int32_t battleTimeLeft = 0;
    std::int32_t turnTimeLeft = 0;
    std::int16_t shotFired = 0;
    std::int16_t turnEndDelay = 0;
    std::uint8_t frameThird = 0;
    std::int16_t weatherTick = 0;  // 0..10: the clouds' animation step comes at 0
    // Read by the window thread's timer while a battle is being set up.
    std::atomic<std::int16_t> setupInProgress{0};
    std::atomic<std::int16_t> waitImage{FIRST_WAIT_IMAGE};
    std::atomic<std::int16_t> waitImageStep{1};
    std::uint16_t scenery = 0;
    std::int32_t levelIndex = 0;
    std::string message;           // the line under the turn's clock; empty after reset
    std::int32_t messageTime = 0;  // ticks until `message` is emptied
};

extern BattleState battleState;

// Image indices into raznoe, advanced by animationTick.
struct AnimCounters {
    std::int16_t flagFrame = FIRST_BANNER_IMAGE;
    std::int16_t thinkFrame = FIRST_THINK_IMAGE;
    std::int16_t shieldFrame = FIRST_SHIELD_IMAGE;
    std::int16_t markerFrame = FIRST_MARKER_IMAGE;
    std::int16_t crateFrame = FIRST_CRATE_IMAGE;
    std::int16_t shopFrame = NEXT_AT_REST;
    std::int16_t powerBarImage = POWER_BAR_IMAGE;
};

extern AnimCounters animCounters;

struct Battle;

void resetBattleState(Battle& battle);
// The third reset of resetBattleState (the counters, frameThird and the weather tick), also used
// by the set-up and shop screens so that their animations start in phase after a battle.
void resetAnimCounters();
void animationTick();
bool battleOver();
void awardSurvivors();
