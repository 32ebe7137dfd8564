#include "platform/sdl/input_queue.h"

#include <algorithm>
#include <utility>

#include "platform/script.h"

namespace platform::sdl {

Point clampToClip(Point point, Rect clip) {
    point.x = std::max(clip.left, std::min(point.x, clip.right - 1));
    point.y = std::max(clip.top, std::min(point.y, clip.bottom - 1));
    return point;
}

ScriptEvent scriptEvent(long long frame, const InputEvent& event) {
    ScriptEvent line;
    line.frame = frame;
    switch (event.kind) {
        case InputEvent::Kind::Key:
            line.kind = ScriptEvent::Kind::Key;
            line.virtualKey = event.virtualKey;
            break;
        case InputEvent::Kind::Button:
            line.kind = event.pressed ? ScriptEvent::Kind::Press : ScriptEvent::Kind::Release;
            line.button = event.button;
            break;
        case InputEvent::Kind::Move:
            line.kind = ScriptEvent::Kind::Move;
            line.point = event.position;
            break;
    }
    return line;
}

std::string scriptLine(long long frame, const InputEvent& event) { return formatScriptEvent(scriptEvent(frame, event)); }

void InputQueue::push(const InputEvent& event) {
    std::lock_guard lock(mutex_);
    events_.push_back(event);
}

void InputQueue::movePointer(Point position) {
    std::lock_guard lock(mutex_);
    if (warp_) return;  // where the game puts the pointer wins over a motion from before
    pointer_ = position;
}

void InputQueue::warpPointer(Point position) {
    std::lock_guard lock(mutex_);
    pointer_ = position;
    warp_ = position;
}

std::optional<Point> InputQueue::takeWarp() {
    std::lock_guard lock(mutex_);
    return std::exchange(warp_, std::nullopt);
}

void InputQueue::take(std::vector<InputEvent>& events, Point& pointer) {
    std::lock_guard lock(mutex_);
    events.swap(events_);
    events_.clear();
    pointer = pointer_;
}

void InputQueue::pushPad(PadPress press) {
    std::lock_guard lock(mutex_);
    padPresses_.push_back(press);
}

void InputQueue::setSticks(const PadSticks& sticks) {
    std::lock_guard lock(mutex_);
    sticks_ = sticks;
}

void InputQueue::takePad(std::vector<PadPress>& presses, PadSticks& sticks) {
    std::lock_guard lock(mutex_);
    presses.swap(padPresses_);
    padPresses_.clear();
    sticks = sticks_;
}

}  // namespace platform::sdl
