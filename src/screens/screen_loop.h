// The frame loop every screen outside a battle runs: the pieces each frame is made of, written
// once, taken in the order the screen gives (the screens have always taken them in their own
// orders, and the recorded games depend on it).
#pragma once

#include <functional>
#include <optional>
#include <span>

enum class ScreenPiece {
    Present,     // shows the frame drawn so far and waits for the display (a wait point)
    Restore,     // rebuilds surfaces the display lost
    ReadCursor,  // the pointer of the last wait point becomes this frame's
    Tick,        // every third frame, the animations move on one picture
    Draw,        // the screen draws its frame
    Step,        // the screen's own rules for this frame
    Escape,      // when Escape waits, the screen's answer to it
};

// Ends the screen with a value, or goes on with the next piece.
using ScreenVerdict = std::optional<int>;

struct Screen {
    std::span<const ScreenPiece> frame;
    std::function<void()> draw;
    std::function<ScreenVerdict()> step;
    std::function<ScreenVerdict()> escape = {};  // empty: Escape is an ordinary key for the screen
};

// Runs frame after frame until a step or the escape ends the screen; returns its value.
int runScreen(const Screen& screen);
