#include "battle/battle_loop.h"

#include "audio/sound_system.h"
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
#include "core/player.h"
#include "core/random.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "weapons/projectile.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"

const FrameSteps GAME_FRAME_STEPS{PresentFrame, readCursor,          RestoreLostSurfaces, drawBattleScene,
                                  checkDeaths,  humanTurnStep,       computerTurnStep,    cameraFollow,
                                  weatherStep,  endTurnStep,         fortressFallSpeed,   fortressFall,
                                  edgeScroll,   cameraOnProjectiles, spawnCrate,          crateFall,
                                  resolveHits,  [] { stepProjectiles(battleState.frameThird); },
                                  animationTick};

namespace {

constexpr int LEVEL_CHOICES = 64;

}  // namespace

FrameOutcome battleFrame(const FrameSteps& s) {
    s.present();
    s.readCursor();
    s.restoreSurfaces();
    s.drawScene();
    s.checkDeaths();
    if (players[currentPlayer].isComputer == 0)
        s.humanTurn();
    else
        s.computerTurn();
    s.cameraFollow();
    s.weather();
    s.endTurn();
    s.fortressFallSpeed();
    s.fortressFall();
    s.edgeScroll();
    s.cameraOnProjectiles();
    s.spawnCrate();
    s.crateFall();
    s.resolveHits();
    s.stepProjectiles();
    if (++battleState.frameThird > 2) {
        battleState.frameThird = 0;
        s.animationTick();
    }

    if (battleOver() && battleState.turnEndDelay < 2) {
        if (battleState.battleTimeLeft != 0) awardSurvivors();
        return FrameOutcome::Finished;
    }
    if (battleState.battleTimeLeft == 0) return FrameOutcome::Finished;
    if (keyWaiting(KeyAction::Leave)) return FrameOutcome::Escape;
    return FrameOutcome::Continue;
}

void setUpBattle() {
    battleState.battleTimeLeft = BATTLE_TIME;
    beginWaitAnimation();
    resetBattleState();
    battleState.scenery = static_cast<std::uint16_t>(randScaled(5));
    battleState.levelIndex = randScaled(LEVEL_CHOICES);
    chooseWeather();
    if (battleState.scenery <= 4) soundSystem.PlayMusic("tan.xm");
    placeFortresses();
    // Waits for a timer call that is still drawing: the first battle frame is the game thread's.
    endWaitAnimation();
    restoreFortressImages();
    cameraToPlayer();
    playWeatherSound();
    chooseSkyColours();
}
