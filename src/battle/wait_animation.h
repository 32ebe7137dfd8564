// The picture the window thread's timer shows while the game thread builds a battle.
#pragma once

// Game thread: from here on the timer draws the animation.
void beginWaitAnimation();
// Game thread: stops the animation; returns only once no timer call is drawing any more, so the
// game thread owns the display buffers again.
void endWaitAnimation();
// Window thread, every 30 ms timer tick: every third tick one frame of the animation.
void waitAnimationTimer();
