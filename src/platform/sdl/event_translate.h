// What a window event means to the window backend.
#pragma once

#include <SDL2/SDL.h>

#include "platform/sdl/input_queue.h"

namespace platform::sdl {

struct WindowAction {
    enum class Kind {
        None,
        Input,             // `input` goes to the game
        PointerMoved,      // read the pointer and map it to game pixels
        ToggleFullscreen,  // Alt+Enter
        Quit,              // the window was closed or the desktop asked to quit
        ResetTexture,      // the renderer lost its textures
        Redraw,            // the window needs its picture again
        Screenshot,        // F12
        Minimised,
        FocusLost,
        Returned,          // restored or focused again
    } kind = Kind::None;
    InputEvent input;
};

// Pure: no window is needed, so tests feed it made-up events. Alt combinations belong to the
// window (as system keys do on Windows) and never reach the game.
WindowAction translateEvent(const SDL_Event& event);

// Alt+Tab away from a full-screen game, or minimising it, took its surfaces on Windows; coming back
// is reported as a surface loss so that the game restores its pictures. A window that merely lost
// focus keeps them.
class AwayWatch {
public:
    // True when this action brings the game back from being away.
    bool returnsFromAway(WindowAction::Kind kind, bool fullscreen);

private:
    bool away_ = false;
};

}  // namespace platform::sdl
