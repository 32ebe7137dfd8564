// The game thread's wait points: presents and sleeps. Input reaches the game here and only here,
// at the end of the wait once virtual time has advanced, exactly where the headless backend hands
// over script events: that is what lets a recorded session replay exactly.
#include <algorithm>
#include <utility>

#include "platform/net/session.h"
#include "platform/sdl/sdl_platform.h"

namespace platform::sdl {

void SdlPlatform::present(PixelView frame, bool waitVerticalBlank) {
    // The timer handler's frames (and any before the game thread runs) go straight to the screen.
    if (onWindowThread()) {
        showNow(frame);
        return;
    }
    // The pacing below already keeps to one frame per refresh; the optional extra wait for the
    // vertical blank has nothing left to wait for.
    (void)waitVerticalBlank;
    if (link_.closed()) quit();
    if (session_) noteFrameHash(frame);
    // One frame in flight: the window thread shows frame N while the game draws frame N+1. Online,
    // a machine behind the host sends its frames out unpaced until it has caught up.
    if (!catchingUp()) {
        Clock::time_point deadline;
        if (framePending_) {
            const auto shown = link_.waitShown();
            if (!shown) quit();
            framePending_ = false;
            deadline = vsyncAt60_ ? pacer_.afterRefresh(*shown) : pacer_.nextDeadline(Clock::now());
        } else {
            deadline = pacer_.nextDeadline(Clock::now());
        }
        std::this_thread::sleep_until(deadline);
    }
    framePending_ = link_.postFrame(frame);
    clock_.advanceFrame();
    endWaitPoint();
}

void SdlPlatform::sleep(int milliseconds) {
    const auto duration = std::chrono::milliseconds(std::max(milliseconds, 0));
    if (onWindowThread()) {
        std::this_thread::sleep_for(duration);
        if (!loopRunning_) {
            // The game's own start-up, before its thread: virtual time runs as it does headless,
            // and no input has been read yet.
            clock_.advanceMs(milliseconds);
            clock_.deliveryFrame();
        }
        return;
    }
    if (link_.closed()) quit();
    if (!catchingUp() && !link_.waitFor(duration)) quit();
    clock_.advanceMs(milliseconds);
    endWaitPoint();
}

void SdlPlatform::endWaitPoint() {
    if (link_.closed()) quit();
    const std::int64_t frame = clock_.deliveryFrame();
    if (frame >= 0) deliverInput(frame);
    if (clock_.reached(options_.maxFrames)) throw QuitRequested{};
}

void SdlPlatform::quit() {
    if (record_.is_open()) {
        record_ << clock_.frame() << " quit\n";
        record_.flush();
    }
    throw QuitRequested{};
}

// The game sees its own move at once; the window thread moves the real pointer. The move is recorded
// at the next delivery, before the player's input there: a replay, where the game makes the same
// move itself, then finds the pointer where the window had it, and the player's later moves win.
void SdlPlatform::movePointer(Point position) {
    cursor_ = clampToClip(position, clip_);
    cursorDelivered_ = true;
    gameMove_ = cursor_;
    padPointer_.forget();
    input_.warpPointer(cursor_);
    wakeWindow();
}

void SdlPlatform::deliverInput(std::int64_t frame) {
    if (session_) return exchangeInput(frame);
    if (gameMove_) record(frame, InputEvent::move(*std::exchange(gameMove_, std::nullopt)));
    Point pointer;
    input_.take(arrived_, pointer);
    pointer = clampToClip(pointer, clip_);
    if (!cursorDelivered_ || pointer.x != cursor_.x || pointer.y != cursor_.y) {
        cursor_ = pointer;
        cursorDelivered_ = true;
        record(frame, InputEvent::move(pointer));
        padPointer_.forget();
    }
    // A surface loss reaches the game like input, and is recorded, so that a replay restores its
    // surfaces at the same point of the game.
    if (surfaceLost_.exchange(false)) {
        lossDelivered_ = true;
        if (record_.is_open()) record_ << frame << " lose-surfaces\n";
    }
    for (const InputEvent& event : arrived_) deliver(frame, event);
    const bool padInput = deliverPads(frame);
    if (record_.is_open() && (!arrived_.empty() || lossDelivered_ || padInput)) record_.flush();
}

// After the keyboard and the mouse: the pads' buttons in order, then the sticks over the frames
// since their last delivery. True when a pad produced input.
bool SdlPlatform::deliverPads(std::int64_t frame) {
    PadSticks sticks;
    input_.takePad(padPresses_, sticks);
    const bool produced = !padPresses_.empty();
    for (const PadPress& press : padPresses_) {
        PadContext context;
        context.pointer = cursor_;
        if (handler_) {
            context.yesNoAsked = handler_->yesNoAsked();
            context.previousWeaponKey = handler_->weaponStepKey(-1);
            context.nextWeaponKey = handler_->weaponStepKey(1);
        }
        const std::optional<InputEvent> event = mapPadButton(press, context);
        if (!event) continue;
        if (event->kind == InputEvent::Kind::Move) {
            padMovesPointer(frame, event->position);
            continue;
        }
        deliver(frame, *event);
    }
    // Motion by game frames, never by the clock: a frame's push moves the pointer the same however
    // long the frame took.
    const int frames = static_cast<int>(std::clamp<std::int64_t>(padFrame_ < 0 ? 1 : frame - padFrame_, 0, 30));
    padFrame_ = frame;
    if (frames == 0) return produced;
    const PadSettings settings{options_.padDeadZone, options_.padSpeed};
    const std::optional<Point> moved = padPointer_.step(sticks, frames, cursor_, clip_, settings);
    if (!moved) return produced;
    padMovesPointer(frame, *moved);
    return true;
}

// Recorded as a move line: a replay puts the pointer there at the same frame.
void SdlPlatform::padMovesPointer(std::int64_t frame, Point position) {
    const Point clamped = clampToClip(position, clip_);
    if (clamped.x == cursor_.x && clamped.y == cursor_.y) return;
    if (session_) return deliver(frame, InputEvent::move(clamped));
    cursor_ = clamped;
    record(frame, InputEvent::move(cursor_));
    input_.warpPointer(cursor_);
    wakeWindow();
}

// A key or button: recorded, then handed to the game. Online it goes to the host instead, but for a
// joined machine's Escape, which asks this machine's player whether to leave.
void SdlPlatform::deliver(std::int64_t frame, const InputEvent& event) {
    if (session_) {
        if (event.kind == InputEvent::Kind::Key && event.virtualKey == ESCAPE_KEY && !session_->hosting())
            askToLeave();
        else
            session_->submit(scriptEvent(frame, event));
        return;
    }
    record(frame, event);
    if (!handler_) return;
    if (event.kind == InputEvent::Kind::Key) handler_->onKeyDown(event.virtualKey);
    if (event.kind == InputEvent::Kind::Button) handler_->onMouseButton(event.button, event.pressed);
}

void SdlPlatform::record(std::int64_t frame, const InputEvent& event) {
    if (record_.is_open()) record_ << scriptLine(frame, event) << '\n';
}

}  // namespace platform::sdl
