#include "battle/wait_animation.h"

#include <mutex>

#include "battle/battle_state.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/draw.h"

namespace {

// Held by a timer call while it draws and flips, and by the game thread while it hands the display
// buffers over in either direction.
std::mutex displayHandOver;
// Timer ticks since the last animation frame. The animation keeps its own count rather than
// advancing frameThird, so the time a set-up takes never shifts the battle's tick phase.
int timerTicks = 0;

}  // namespace

void beginWaitAnimation() {
    const std::lock_guard lock(displayHandOver);
    battleState.waitImage.store(FIRST_WAIT_IMAGE, std::memory_order_relaxed);
    battleState.waitImageStep.store(1, std::memory_order_relaxed);
    timerTicks = 0;
    battleState.setupInProgress.store(1, std::memory_order_relaxed);
}

void endWaitAnimation() {
    const std::lock_guard lock(displayHandOver);
    battleState.setupInProgress.store(0, std::memory_order_relaxed);
}

void waitAnimationTimer() {
    const std::lock_guard lock(displayHandOver);
    if (battleState.setupInProgress.load(std::memory_order_relaxed) != 1) return;
    if (++timerTicks < 3) return;
    timerTicks = 0;
    PresentFrameNoWait();
    FillSurface(backBuffer, 0);
    std::int16_t image = battleState.waitImage.load(std::memory_order_relaxed);
    std::int16_t step = battleState.waitImageStep.load(std::memory_order_relaxed);
    DrawImageOpaque(backBuffer, raznoe[image], screenWidth / 2 - 50, screenHeight / 2 + 10);
    DrawImageOpaque(backBuffer, raznoe[WAIT_PICTURE], screenWidth / 2 - 100, screenHeight / 2 - 100);
    image = static_cast<std::int16_t>(image + step);
    if (image > LAST_WAIT_IMAGE) {
        image = LAST_WAIT_IMAGE;
        step = -1;
    }
    if (image < FIRST_WAIT_IMAGE) {
        image = FIRST_WAIT_IMAGE;
        step = 1;
    }
    battleState.waitImage.store(image, std::memory_order_relaxed);
    battleState.waitImageStep.store(step, std::memory_order_relaxed);
}
