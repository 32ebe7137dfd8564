// The window in an online game: this machine's input goes to the host, and the game gets the
// stream's input, the same on every machine, at the frame the host gave it.
#include "platform/headless/frame_hash.h"
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
    if (!sentPointer_ || sentPointer_->x != pointer.x || sentPointer_->y != pointer.y) {
        sentPointer_ = pointer;
        session_->submit(scriptEvent(frame, InputEvent::move(pointer)));
    }
    for (const InputEvent& event : arrived_) deliver(frame, event);
    deliverPads(frame);
    takeStream(frame);
}

void SdlPlatform::takeStream(std::int64_t frame) {
    due_.clear();
    const bool held = session_->reach(frame, due_);
    for (const ScriptEvent& event : due_) {
        const std::string line = formatScriptEvent(event);
        if (record_.is_open()) record_ << line << '\n';
        streamLines_ += line + '\n';
        hand(event);
    }
    if (!due_.empty() && record_.is_open()) record_.flush();
    if (session_->hosting() && handler_) session_->setGameState(handler_->actingPeer(), handler_->joinable());
    if (held) return;
    if (link_.closed()) quit();
    // The recording is the online game's: it ends with it.
    if (record_.is_open()) {
        record_ << frame << " quit\n";
        record_.close();
    }
    std::string why = session_->endReason();
    if (session_->outOfStep()) why += net::saveReport(options_.recordHeader + streamLines_);
    session_ = nullptr;
    throw SessionEnded(why);
}

// Input from anyone but the one who may act now is not handed over.
void SdlPlatform::hand(const ScriptEvent& event) {
    const int acting = handler_ ? handler_->actingPeer() : 0;
    const bool mayAct = event.peer == acting;
    switch (event.kind) {
        case ScriptEvent::Kind::Key:
            if (handler_ && mayAct) handler_->onKeyDown(event.virtualKey);
            break;
        case ScriptEvent::Kind::Move:
            if (mayAct) cursor_ = clampToClip(event.point, clip_);
            break;
        case ScriptEvent::Kind::Press:
        case ScriptEvent::Kind::Release:
            if (handler_ && mayAct) handler_->onMouseButton(event.button, event.kind == ScriptEvent::Kind::Press);
            break;
        case ScriptEvent::Kind::Join:
            if (handler_) handler_->onPeerJoined(event.peer, event.name);
            break;
        case ScriptEvent::Kind::Leave:
            if (handler_) handler_->onPeerLeft(event.peer);
            break;
        default:
            break;
    }
}

// Answered on the window thread, on this machine only; the shared game goes on meanwhile.
void SdlPlatform::askToLeave() {
    leaveAsked_ = true;
    wakeWindow();
}

}  // namespace platform::sdl

