// TEMPORARY: stand-ins for the world and battle code until their branches are merged. This file
// is deleted then.
#include "screens/pending_stubs.h"

#include "battle/battle_state.h"

namespace {
thread_local std::uint32_t randState = 1;
}

std::int32_t gameRand() {
    randState = randState * 214013u + 2531011u;
    return static_cast<std::int32_t>((randState >> 16) & 0x7FFF);
}
std::uint32_t gameRandState() { return randState; }
void setGameRandState(std::uint32_t state) { randState = state; }

void loadLevels() {}

BattleState battleState;
AnimCounters animCounters;

// No battle yet: "PLAY GAME" leads straight back to the menu.
int runBattle() { return 0; }

void resetAnimCounters() {
    animCounters = AnimCounters{};
    battleState.frameThird = 0;
}

// Only the two counters the set-up screen shows.
void animationTick() {
    AnimCounters& a = animCounters;
    if (a.shopFrame > 455 && ++a.shopFrame > 464) a.shopFrame = 455;
    if (++a.flagFrame > 46) a.flagFrame = 37;
}
