// What a gamepad does in the game: pure functions from the pad's buttons and sticks (and what the
// game is asking at the moment) to the keys, pointer moves and mouse buttons the game already
// understands. Those are what reach the game and what a recording keeps, so a session played with
// a pad replays with no pad at all.
#pragma once

#include <optional>

#include "platform/platform.h"
#include "platform/sdl/input_queue.h"

namespace platform::sdl {

struct PadSettings {
    int deadZone = 15;  // percent of a stick's travel that does nothing
    int speed = 100;    // percent of the pointer's top speed, PAD_TOP_SPEED
};
constexpr double PAD_TOP_SPEED = 12.0;  // pixels a frame with the left stick fully pushed at speed 100

// What the game is asking when a pad button arrives.
struct PadContext {
    bool yesNoAsked = false;   // A answers Yes, B answers No
    int previousWeaponKey = 0;  // the digit key of the weapon a shoulder steps to; 0: none has stock
    int nextWeaponKey = 0;
    Point pointer;              // the pointer now
};

// A button's press or release as the game's input; nothing for a release that means nothing.
std::optional<InputEvent> mapPadButton(PadPress press, const PadContext& context);

// The sticks over `frames` game frames. The left stick moves the pointer on a curve (a gentle
// push aims finely), carrying fractions of a pixel between frames; the right stick holds the
// pointer against the screen edge it points to, so the landscape scrolls as it does at the
// edge, and gives the pointer back where it was once the stick is let go.
class PadPointer {
public:
    // The pointer's new place, before it is kept inside clip; nothing when it does not move.
    std::optional<Point> step(const PadSticks& sticks, int frames, Point pointer, Rect clip,
                              const PadSettings& settings);
    // The pointer moved by other means (the mouse, the game): fractions and a look-around end.
    void forget();

private:
    double carryX_ = 0;
    double carryY_ = 0;
    std::optional<Point> lookingFrom_;  // where the pointer was before the right stick took it
};

// A pad's pointer speed in pixels a frame for one axis value, sign included: 0 inside the dead zone,
// rising with the square of the push beyond it.
double padSpeed(int axis, const PadSettings& settings);

}  // namespace platform::sdl
