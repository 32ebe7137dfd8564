// One battle frame, its steps in their fixed order, and the battle's set-up.
#pragma once

// The callees of one frame. The game uses GAME_FRAME_STEPS; tests put recorders in their place.
struct FrameSteps {
    void (*present)();
    void (*readCursor)();
    void (*restoreSurfaces)();
    void (*drawScene)();
    void (*checkDeaths)();
    void (*humanTurn)();
    void (*computerTurn)();
    void (*cameraFollow)();
    void (*weather)();
    void (*endTurn)();
    void (*fortressFallSpeed)();
    void (*fortressFall)();
    void (*edgeScroll)();
    void (*cameraOnProjectiles)();
    void (*spawnCrate)();
    void (*crateFall)();
    void (*resolveHits)();
    void (*stepProjectiles)();
    void (*animationTick)();
};

extern const FrameSteps GAME_FRAME_STEPS;

// Escape: the player pressed Escape; the game flow asks whether to leave, and the battle goes on
// with its next frame when the answer is no.
enum class FrameOutcome { Continue, Finished, Escape };

// The whole frame loop body: the steps, the tick every third frame and the end tests.
FrameOutcome battleFrame(const FrameSteps& steps = GAME_FRAME_STEPS);
// Set-up steps 1 to 11: landscape, fortresses, weather, starting player, the weather's sound.
void setUpBattle();
