// Input collected on the window thread, handed to the game thread at its wait points.
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/script.h"

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

// SDL's names for the buttons, in a layout that needs no SDL: A is the south button, Y the north one.
enum class PadButton { A, B, X, Y, Back, Guide, Start, LeftStick, RightStick, LeftShoulder, RightShoulder,
                       Up, Down, Left, Right, Other };

struct PadPress {
    PadButton button = PadButton::Other;
    bool pressed = false;
};

// Stick positions as SDL reports them, -32768..32767; y grows downwards. With several pads the
// window keeps each axis from the pad pushed furthest.
struct PadSticks {
    int leftX = 0;
    int leftY = 0;
    int rightX = 0;
    int rightY = 0;
};

// The pointer confined to clip (right and bottom exclusive); an empty rectangle pins it to its
// top-left corner.
Point clampToClip(Point point, Rect clip);

// The event as an input script has it, at `frame`; and as its line.
ScriptEvent scriptEvent(long long frame, const InputEvent& event);
std::string scriptLine(long long frame, const InputEvent& event);

class InputQueue {
public:
    // Window thread. Keys and buttons keep their order; of the pointer only the latest position
    // matters, the game reads it after the wait point. A move while the game's warp waits is dropped.
    void push(const InputEvent& event);
    void movePointer(Point position);
    // Game thread: the game put the pointer at position; the window thread moves the real one.
    void warpPointer(Point position);
    // Window thread: where the game last put the pointer, once.
    std::optional<Point> takeWarp();

    // Game thread: the events since the last call, in order, and the latest pointer position.
    void take(std::vector<InputEvent>& events, Point& pointer);

    // Window thread: a pad's button, in order with the other presses; where the sticks are now.
    void pushPad(PadPress press);
    void setSticks(const PadSticks& sticks);
    // Game thread: the pads' presses since the last call, in order, and the sticks.
    void takePad(std::vector<PadPress>& presses, PadSticks& sticks);

private:
    std::mutex mutex_;
    std::vector<InputEvent> events_;
    Point pointer_;
    std::optional<Point> warp_;
    std::vector<PadPress> padPresses_;
    PadSticks sticks_;
};

}  // namespace platform::sdl
