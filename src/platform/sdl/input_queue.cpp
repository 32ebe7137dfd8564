#include "platform/sdl/input_queue.h"

#include <algorithm>
#include <cstdio>

namespace platform::sdl {

namespace {

std::string keyName(int vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::string(1, static_cast<char>(vk));
    switch (vk) {
    case 0x20: return "SPACE";
    case 0x1B: return "ESCAPE";
    case 0x08: return "BACKSPACE";
    case 0x0D: return "RETURN";
    default: break;
    }
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", vk & 0xFF);
    return code;
}

}  // namespace

Point clampToClip(Point point, Rect clip) {
    point.x = std::max(clip.left, std::min(point.x, clip.right - 1));
    point.y = std::max(clip.top, std::min(point.y, clip.bottom - 1));
    return point;
}

std::string scriptLine(long long frame, const InputEvent& event) {
    std::string line = std::to_string(frame) + ' ';
    switch (event.kind) {
    case InputEvent::Kind::Key: return line + "key " + keyName(event.virtualKey);
    case InputEvent::Kind::Button:
        return line + (event.pressed ? "press " : "release ") + (event.button == MouseButton::Left ? "left" : "right");
    case InputEvent::Kind::Move:
        return line + "move " + std::to_string(event.position.x) + ' ' + std::to_string(event.position.y);
    }
    return line;
}

void InputQueue::push(const InputEvent& event) {
    std::lock_guard lock(mutex_);
    events_.push_back(event);
}

void InputQueue::movePointer(Point position) {
    std::lock_guard lock(mutex_);
    pointer_ = position;
}

void InputQueue::take(std::vector<InputEvent>& events, Point& pointer) {
    std::lock_guard lock(mutex_);
    events.swap(events_);
    events_.clear();
    pointer = pointer_;
}

}  // namespace platform::sdl
