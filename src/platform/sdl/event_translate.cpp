#include "platform/sdl/event_translate.h"

#include "platform/sdl/key_map.h"

namespace platform::sdl {

namespace {

WindowAction input(InputEvent event) { return {WindowAction::Kind::Input, event}; }

WindowAction keyAction(const SDL_KeyboardEvent& key) {
    if (key.keysym.mod & KMOD_ALT) {
        const bool enter = key.keysym.sym == SDLK_RETURN || key.keysym.sym == SDLK_KP_ENTER;
        return {enter && !key.repeat ? WindowAction::Kind::ToggleFullscreen : WindowAction::Kind::None, {}};
    }
    // The window's own key (VK_F12, 0x7B, which the game never reads).
    if (key.keysym.sym == SDLK_F12) return {key.repeat ? WindowAction::Kind::None : WindowAction::Kind::Screenshot, {}};
    const int vk = virtualKeyFromSdl(key.keysym.sym, key.keysym.scancode);
    if (vk == 0) return {};
    return input(InputEvent::key(vk));
}

WindowAction buttonAction(const SDL_MouseButtonEvent& button) {
    if (button.button != SDL_BUTTON_LEFT && button.button != SDL_BUTTON_RIGHT) return {};
    return input(InputEvent::mouse(button.button == SDL_BUTTON_LEFT ? MouseButton::Left : MouseButton::Right,
                                   button.state == SDL_PRESSED));
}

WindowAction windowAction(const SDL_WindowEvent& window) {
    switch (window.event) {
    case SDL_WINDOWEVENT_CLOSE: return {WindowAction::Kind::Quit, {}};
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED: return {WindowAction::Kind::Redraw, {}};
    case SDL_WINDOWEVENT_MINIMIZED: return {WindowAction::Kind::Minimised, {}};
    case SDL_WINDOWEVENT_FOCUS_LOST: return {WindowAction::Kind::FocusLost, {}};
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_FOCUS_GAINED: return {WindowAction::Kind::Returned, {}};
    default: return {};
    }
}

}  // namespace

WindowAction translateEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN: return keyAction(event.key);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return buttonAction(event.button);
    case SDL_MOUSEMOTION: return {WindowAction::Kind::PointerMoved, {}};
    case SDL_WINDOWEVENT: return windowAction(event.window);
    case SDL_QUIT: return {WindowAction::Kind::Quit, {}};
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET: return {WindowAction::Kind::ResetTexture, {}};
    default: return {};
    }
}

bool AwayWatch::returnsFromAway(WindowAction::Kind kind, bool fullscreen) {
    switch (kind) {
    case WindowAction::Kind::Minimised: away_ = true; return false;
    case WindowAction::Kind::FocusLost: away_ = away_ || fullscreen; return false;
    case WindowAction::Kind::Returned: {
        const bool wasAway = away_;
        away_ = false;
        return wasAway;
    }
    default: return false;
    }
}

}  // namespace platform::sdl
