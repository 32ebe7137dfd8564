#include "platform/sdl/pad_map.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace platform::sdl {

namespace {

constexpr int KEY_RETURN = 0x0D;  // a key no screen gives a meaning of its own: it only "presses a key"
constexpr int KEY_ESCAPE = ESCAPE_KEY;
constexpr int KEY_YES = 'Y';
constexpr int KEY_NO = 'N';
constexpr int AXIS_TRAVEL = 32767;

InputEvent nudge(Point pointer, int dx, int dy) { return InputEvent::move({pointer.x + dx, pointer.y + dy}); }

// The right stick's side of the screen on one axis: -1, 0 or 1.
int side(int axis, const PadSettings& settings) { return padSpeed(axis, settings) < 0 ? -1 : padSpeed(axis, settings) > 0; }

}  // namespace

std::optional<InputEvent> mapPadButton(PadPress press, const PadContext& context) {
    if (press.button == PadButton::A) {
        if (press.pressed && context.yesNoAsked) return InputEvent::key(KEY_YES);
        return InputEvent::mouse(MouseButton::Left, press.pressed);
    }
    if (!press.pressed) return std::nullopt;
    const Point p = context.pointer;
    switch (press.button) {
        case PadButton::B: return InputEvent::key(context.yesNoAsked ? KEY_NO : KEY_RETURN);
        case PadButton::Start: return InputEvent::key(KEY_ESCAPE);
        case PadButton::LeftShoulder:
            return InputEvent::key(context.previousWeaponKey ? context.previousWeaponKey : KEY_RETURN);
        case PadButton::RightShoulder:
            return InputEvent::key(context.nextWeaponKey ? context.nextWeaponKey : KEY_RETURN);
        case PadButton::Up: return nudge(p, 0, -1);
        case PadButton::Down: return nudge(p, 0, 1);
        case PadButton::Left: return nudge(p, -1, 0);
        case PadButton::Right: return nudge(p, 1, 0);
        case PadButton::Guide: return std::nullopt;  // the system's button
        default: return InputEvent::key(KEY_RETURN);
    }
}

double padSpeed(int axis, const PadSettings& settings) {
    const double dead = AXIS_TRAVEL * std::clamp(settings.deadZone, 0, 99) / 100.0;
    const double push = std::min<double>(std::abs(axis), AXIS_TRAVEL);
    if (push <= dead) return 0;
    const double beyond = (push - dead) / (AXIS_TRAVEL - dead);
    const double speed = PAD_TOP_SPEED * settings.speed / 100.0 * beyond * beyond;
    return axis < 0 ? -speed : speed;
}

std::optional<Point> PadPointer::step(const PadSticks& sticks, int frames, Point pointer, Rect clip,
                                      const PadSettings& settings) {
    const int lookX = side(sticks.rightX, settings);
    const int lookY = side(sticks.rightY, settings);
    if (lookX != 0 || lookY != 0) {
        if (!lookingFrom_) lookingFrom_ = pointer;
        Point edge = *lookingFrom_;
        if (lookX != 0) edge.x = lookX < 0 ? clip.left : clip.right - 1;
        if (lookY != 0) edge.y = lookY < 0 ? clip.top : clip.bottom - 1;
        carryX_ = carryY_ = 0;
        if (edge.x == pointer.x && edge.y == pointer.y) return std::nullopt;
        return edge;
    }
    if (lookingFrom_) return *std::exchange(lookingFrom_, std::nullopt);
    carryX_ += padSpeed(sticks.leftX, settings) * frames;
    carryY_ += padSpeed(sticks.leftY, settings) * frames;
    const double wholeX = std::trunc(carryX_);
    const double wholeY = std::trunc(carryY_);
    carryX_ -= wholeX;
    carryY_ -= wholeY;
    if (padSpeed(sticks.leftX, settings) == 0) carryX_ = 0;
    if (padSpeed(sticks.leftY, settings) == 0) carryY_ = 0;
    if (wholeX == 0 && wholeY == 0) return std::nullopt;
    return Point{pointer.x + static_cast<int>(wholeX), pointer.y + static_cast<int>(wholeY)};
}

void PadPointer::forget() {
    carryX_ = carryY_ = 0;
    lookingFrom_.reset();
}

}  // namespace platform::sdl
