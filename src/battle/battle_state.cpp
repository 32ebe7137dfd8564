#include "battle/battle_state.h"

#include "battle/battle.h"

#include "battle/camera.h"
#include "battle/computer.h"
#include "battle/crates.h"
#include "battle/placement.h"
#include "battle/weather.h"
#include "core/globals.h"
#include "core/input.h"
#include "core/player.h"
#include "core/random.h"
#include "core/settings.h"
#include "weapons/flight_program.h"
#include "weapons/projectile.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"

BattleState battleState;
AnimCounters animCounters;

std::int32_t turnTime() { return turnTicks; }

std::int32_t battleTime() {
    return static_cast<std::int32_t>(std::int64_t{BATTLE_TIME} * turnTicks / TURN_TIME);
}

namespace {

// Steps an image counter one frame on, from `first` to `last` and back to `first`.
void cycle(std::int16_t& counter, std::int16_t first, std::int16_t last) {
    counter = counter >= last ? first : static_cast<std::int16_t>(counter + 1);
}

void resetTurnState(Battle& battle) {
    directTargetSet = 0;
    battle.camera.scrollX = battle.camera.scrollY = 0;
    battle.camera.cameraTargetX = battle.camera.cameraTargetY = 0;
    selectedWeapon = weapon::MISSILE;
    shotPower = 0;
    animCounters.powerBarImage = POWER_BAR_IMAGE;
    battleState.shotFired = 0;
    // randScaled(n) names n itself once in 32768 draws, which is no player: it folds onto 0.
    const std::int32_t first = randScaled(numPlayers);
    currentPlayer = static_cast<std::uint16_t>(first < numPlayers ? first : 0);
    battle.search.resetComputerSearch();
    battleState.turnTimeLeft = turnTime();
    battleState.turnEndDelay = 0;
    clearCrates(battle.crates);
    battleState.message.clear();
    battleState.messageTime = 0;
    battle.weather.clearWeatherObjects();
    battle.aids.clearTraces();
}

}  // namespace

void resetAnimCounters() {
    animCounters = AnimCounters{};
    battleState.frameThird = 0;
    battleState.weatherTick = 0;
}

void resetBattleState(Battle& battle) {
    resetInput();
    resetTurnState(battle);
    resetAnimCounters();
    buildFlightPrograms();
    clearProjectiles();
}

void animationTick() {
    AnimCounters& a = animCounters;
    // A screen starts the NEXT button's run by setting NEXT_AT_REST + 1; NEXT_AT_REST is the resting value.
    if (a.shopFrame > NEXT_AT_REST)
        a.shopFrame =
            a.shopFrame >= NEXT_LAST_FRAME ? NEXT_AT_REST : static_cast<std::int16_t>(a.shopFrame + 1);
    cycle(a.thinkFrame, FIRST_THINK_IMAGE, LAST_THINK_IMAGE);
    cycle(a.flagFrame, FIRST_BANNER_IMAGE, FIRST_BANNER_IMAGE + BANNER_FRAMES - 1);
    if (a.powerBarImage < POWER_BAR_IMAGE) ++a.powerBarImage;
    cycle(a.shieldFrame, FIRST_SHIELD_IMAGE, LAST_SHIELD_IMAGE);
    cycle(a.markerFrame, FIRST_MARKER_IMAGE, LAST_MARKER_IMAGE);
    cycle(a.crateFrame, FIRST_CRATE_IMAGE, FIRST_CRATE_IMAGE + CRATE_FRAMES - 1);

    BattleState& b = battleState;
    if (b.turnTimeLeft > 0) --b.turnTimeLeft;
    if (b.turnTimeLeft == 0 && shotPower == 0) b.shotFired = 1;
    if (b.battleTimeLeft > 0) --b.battleTimeLeft;
    if (b.messageTime > 0) --b.messageTime;
    if (b.messageTime == 0) b.message.clear();
}

bool battleOver() {
    int standing = 0;
    for (int i = 0; i < numPlayers; ++i) standing += players[i].isDead == 0;
    return standing <= 1 && activeProjectileCount() == 0;
}

void awardSurvivors() {
    for (int i = 0; i < numPlayers; ++i) {
        if (players[i].isDead != 0) continue;
        players[i].money += 5000;
        players[i].wins += 1;
    }
}
