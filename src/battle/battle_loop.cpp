#include "battle/battle_loop.h"

#include <utility>

#include "audio/sound_system.h"
#include "battle/battle.h"
#include "battle/battle_state.h"
#include "battle/camera.h"
#include "battle/computer.h"
#include "battle/crates.h"
#include "battle/fortress.h"
#include "battle/hits.h"
#include "battle/placement.h"
#include "battle/scene.h"
#include "battle/turns.h"
#include "battle/wait_animation.h"
#include "battle/weather.h"
#include "core/input.h"
#include "core/online.h"
#include "core/player.h"
#include "core/random.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "weapons/projectile.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"

// Every step of the game's frame; the steps that work on nothing of the battle ignore it.
const FrameSteps GAME_FRAME_STEPS{
    [](Battle&) { PresentFrame(); },
    [](Battle&) { readCursor(); },
    [](Battle&) { RestoreLostSurfaces(); },
    drawBattleScene,
    [](Battle&) { checkDeaths(); },
    humanTurnStep,
    [](Battle& b) { b.search.computerTurnStep(); },
    [](Battle& b) { b.camera.cameraFollow(); },
    [](Battle& b) { b.weather.weatherStep(battleState.weatherTick); },
    endTurnStep,
    [](Battle&) { fortressFallSpeed(); },
    [](Battle&) { fortressFall(); },
    [](Battle& b) { b.camera.edgeScroll(pointer()); },
    [](Battle& b) { b.camera.cameraOnProjectiles(); },
    [](Battle& b) { spawnCrate(b.crates); },
    [](Battle& b) { crateFall(b.crates); },
    [](Battle& b) { resolveHits(b.crates); },
    [](Battle& b) {
        stepProjectiles(battleState.frameThird);
        b.aids.noteShot(battleState.frameThird);
    },
    [](Battle&) { animationTick(); },
};

namespace {

constexpr int LEVEL_CHOICES = 64;

// The player on turn passed to the computer (its machine left the online game): unless its shot
// already flies, the computer starts the turn afresh.
void takeOverTurn(Battle& battle) {
    if (players[currentPlayer].isComputer == 0 || battleState.shotFired != 0) return;
    shotPower = 0;
    takeButton();
    battle.search.resetComputerSearch();
    battle.search.chooseComputerWeapon();
}

}  // namespace

FrameOutcome battleFrame(Battle& battle, const FrameSteps& s) {
    s.present(battle);
    s.readCursor(battle);
    s.restoreSurfaces(battle);
    s.drawScene(battle);
    s.checkDeaths(battle);
    if (std::exchange(computerTakesOver, false)) takeOverTurn(battle);
    if (players[currentPlayer].isComputer == 0)
        s.humanTurn(battle);
    else
        s.computerTurn(battle);
    s.cameraFollow(battle);
    s.weather(battle);
    s.endTurn(battle);
    s.fortressFallSpeed(battle);
    s.fortressFall(battle);
    s.edgeScroll(battle);
    s.cameraOnProjectiles(battle);
    s.spawnCrate(battle);
    s.crateFall(battle);
    s.resolveHits(battle);
    s.stepProjectiles(battle);
    if (++battleState.frameThird > 2) {
        battleState.frameThird = 0;
        s.animationTick(battle);
    }

    if (battleOver() && battleState.turnEndDelay < 2) {
        if (battleState.battleTimeLeft != 0) awardSurvivors();
        return FrameOutcome::Finished;
    }
    if (battleState.battleTimeLeft == 0) return FrameOutcome::Finished;
    if (keyWaiting(KeyAction::Leave)) return FrameOutcome::Escape;
    return FrameOutcome::Continue;
}

void setUpBattle(Battle& battle) {
    battleState.battleTimeLeft = battleTime();
    computerTakesOver = false;
    beginWaitAnimation();
    resetBattleState(battle);
    battleState.scenery = static_cast<std::uint16_t>(randScaled(5));
    battleState.levelIndex = randScaled(LEVEL_CHOICES);
    battle.weather.chooseWeather();
    if (battleState.scenery <= 4) soundSystem.PlayMusic("tan.xm");
    placeFortresses();
    // Waits for a timer call that is still drawing: the first battle frame is the game thread's.
    endWaitAnimation();
    restoreFortressImages();
    battle.camera.cameraToPlayer(players[currentPlayer]);
    battle.aids.restoreTurn(battle.camera);
    battle.weather.playWeatherSound();
    battle.weather.chooseSkyColours();
}
