// Input collected on the window thread, handed to the game thread at its wait points.
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform::sdl {

struct InputEvent {
    enum class Kind { Key, Button, Move } kind = Kind::Key;
    int virtualKey = 0;
    MouseButton button = MouseButton::Left;
    bool pressed = false;
    Point position;

    static InputEvent key(int virtualKey) { return {Kind::Key, virtualKey, MouseButton::Left, false, {}}; }
    static InputEvent mouse(MouseButton button, bool pressed) { return {Kind::Button, 0, button, pressed, {}}; }
    static InputEvent move(Point position) { return {Kind::Move, 0, MouseButton::Left, false, position}; }
};

// The pointer confined to clip (right and bottom exclusive); an empty rectangle pins it to its
// top-left corner.
Point clampToClip(Point point, Rect clip);

// The line of an input script that replays the event at `frame`.
std::string scriptLine(long long frame, const InputEvent& event);

class InputQueue {
public:
    // Window thread. Keys and buttons keep their order; of the pointer only the latest position
    // matters, the game reads it after the wait point.
    void push(const InputEvent& event);
    void movePointer(Point position);
    // Game thread: the game put the pointer at position; the window thread moves the real one.
    void warpPointer(Point position);
    // Window thread: where the game last put the pointer, once.
    std::optional<Point> takeWarp();

    // Game thread: the events since the last call, in order, and the latest pointer position.
    void take(std::vector<InputEvent>& events, Point& pointer);

private:
    std::mutex mutex_;
    std::vector<InputEvent> events_;
    Point pointer_;
    std::optional<Point> warp_;
};

}  // namespace platform::sdl
