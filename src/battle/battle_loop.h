// One battle frame, its steps in their fixed order, and the battle's set-up.
#pragma once

struct Battle;

// The callees of one frame, each given the battle. The game uses GAME_FRAME_STEPS; tests put
// recorders in their place.
struct FrameSteps {
    void (*present)(Battle&);
    void (*readCursor)(Battle&);
    void (*restoreSurfaces)(Battle&);
    void (*drawScene)(Battle&);
    void (*checkDeaths)(Battle&);
    void (*humanTurn)(Battle&);
    void (*computerTurn)(Battle&);
    void (*cameraFollow)(Battle&);
    void (*weather)(Battle&);
    void (*endTurn)(Battle&);
    void (*fortressFallSpeed)(Battle&);
    void (*fortressFall)(Battle&);
    void (*edgeScroll)(Battle&);
    void (*cameraOnProjectiles)(Battle&);
    void (*spawnCrate)(Battle&);
    void (*crateFall)(Battle&);
    void (*resolveHits)(Battle&);
    void (*stepProjectiles)(Battle&);
    void (*animationTick)(Battle&);
};

extern const FrameSteps GAME_FRAME_STEPS;

// Escape: the player pressed Escape; the game flow asks whether to leave, and the battle goes on
// with its next frame when the answer is no.
enum class FrameOutcome { Continue, Finished, Escape };

// The whole frame loop body: the steps, the tick every third frame and the end tests.
FrameOutcome battleFrame(Battle& battle, const FrameSteps& steps = GAME_FRAME_STEPS);
// Set-up steps 1 to 11: landscape, fortresses, weather, starting player, the weather's sound.
void setUpBattle(Battle& battle);
