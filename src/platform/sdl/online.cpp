// The window in an online game: this machine's input goes to the host, and the game gets the
// stream's input, the same on every machine, at the frame the host gave it.
#include "platform/headless/frame_hash.h"
#include "platform/net/game_stream.h"
#include "platform/net/session.h"
#include "platform/sdl/sdl_platform.h"

namespace platform::sdl {

namespace {
// A machine at the sequencer's frame holds INPUT_DELAY - 1 frames more; a few beyond that, it is
// behind.
constexpr std::int64_t BEHIND_BY = net::INPUT_DELAY + 2;
}  // namespace

bool SdlPlatform::catchingUp() const { return session_ && session_->heldAhead(clock_.frame()) > BEHIND_BY; }

// Every machine hashes what it shows; the host compares them.
void SdlPlatform::noteFrameHash(PixelView frame) {
    shownHash_ = chainFrameHash(shownHash_, frameHash(frame));
    session_->noteFrameHash(++presents_, shownHash_);
}

void SdlPlatform::exchangeInput(std::int64_t frame) {
    // Every machine's game makes its own pointer moves; and the window repaired a lost screen
    // itself, since the game's restoring would take time the other machines do not take.
    gameMove_.reset();
    surfaceLost_ = false;
    Point pointer;
    input_.take(arrived_, pointer);
    pointer = clampToClip(pointer, clip_);
    // A machine catching up runs many frames a moment: its pointer waits until it has caught up,
    // rather than flood the host with moves that would land late anyway.
    const bool moved = !sentPointer_ || sentPointer_->x != pointer.x || sentPointer_->y != pointer.y;
    if (moved && !catchingUp()) {
        sentPointer_ = pointer;
        session_->submit(scriptEvent(frame, InputEvent::move(pointer)));
    }
    for (const InputEvent& event : arrived_) deliver(frame, event);
    deliverPads(frame);
    takeStream(frame);
}

// The stream's input moves the game's pointer; the window's own stays where its player has it.
void SdlPlatform::takeStream(std::int64_t frame) {
    const auto hand = [this](const ScriptEvent& event) {
        handInput(event, handler_, [this](Point point) { cursor_ = clampToClip(point, clip_); });
    };
    if (stream_->take(frame, handler_, record_, hand)) return;
    if (link_.closed()) quit();
    const SessionEnded ended = stream_->end(frame, record_);
    session_ = nullptr;
    throw ended;
}

// Answered on the window thread, on this machine only; the shared game goes on meanwhile.
void SdlPlatform::askToLeave() {
    leaveAsked_ = true;
    wakeWindow();
}

}  // namespace platform::sdl

