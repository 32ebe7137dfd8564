#include "battle/battle_loop.h"

#include <chrono>

#include "app/input.h"
#include "app/settings.h"
#include "audio/sound_system.h"
#include "battle/battle_state.h"
#include "battle/camera.h"
#include "battle/computer.h"
#include "battle/crates.h"
#include "battle/fortress.h"
#include "battle/hits.h"
#include "battle/placement.h"
#include "battle/player.h"
#include "battle/random.h"
#include "battle/scene.h"
#include "battle/turns.h"
#include "battle/wait_animation.h"
#include "battle/weather.h"
#include "gfx/display.h"
#include "platform/platform.h"
#include "screens/screens.h"
#include "weapons/projectile.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"

const FrameSteps GAME_FRAME_STEPS{PresentFrame, readCursor,          RestoreLostSurfaces, drawBattleScene,
                                  checkDeaths,  humanTurnStep,       computerTurnStep,    cameraFollow,
                                  weatherStep,  endTurnStep,         fortressFallSpeed,   fortressFall,
                                  edgeScroll,   cameraOnProjectiles, spawnCrate,          crateFall,
                                  resolveHits,  stepProjectiles,     animationTick,       confirmQuit};

namespace {

constexpr int LEVEL_CHOICES = 64;
constexpr int ESC_CONFIRMATION = 1;

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
    if (inputState.lastKeyDown.load(std::memory_order_relaxed) == VK_ESCAPE &&
        s.confirmQuit(ESC_CONFIRMATION) == 1)
        return FrameOutcome::Left;
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

int runBattle() {
    platform::Platform& machine = platform::get();
    for (;;) {
        const auto start = std::chrono::steady_clock::now();
        setUpBattle();
        machine.noteBattleSetup(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        FrameOutcome outcome = FrameOutcome::Continue;
        while (outcome == FrameOutcome::Continue) outcome = battleFrame();
        if (outcome == FrameOutcome::Left) return 1;
        machine.noteBattleFinished();
        soundSystem.StopAllChannels();
        soundSystem.ReleaseAllChannels();
        showResults();
        if (shopRound() == 1) return 1;
    }
}
