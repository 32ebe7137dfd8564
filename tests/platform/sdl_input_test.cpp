// Keys, buttons and window events as the window backend hands them to the game or keeps them.
#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include "platform/sdl/event_translate.h"
#include "platform/sdl/input_queue.h"
#include "platform/sdl/key_map.h"

using namespace platform;
using namespace platform::sdl;
using Kind = WindowAction::Kind;

namespace {

SDL_Event key(SDL_Keycode sym, Uint16 mod = KMOD_NONE, Uint8 repeat = 0, SDL_Scancode code = SDL_SCANCODE_UNKNOWN) {
    SDL_Event e{};
    e.key = {SDL_KEYDOWN, 0, 0, SDL_PRESSED, repeat, 0, 0, {code, sym, mod, 0}};
    return e;
}
SDL_Event event(Uint32 type, Uint8 windowEvent = 0, Uint8 button = 0) {
    SDL_Event e{};
    e.type = type;
    e.window.event = windowEvent;
    if (button) e.button = {type, 0, 0, 0, button, Uint8(type == SDL_MOUSEBUTTONDOWN), 1, 0, 0, 0};
    return e;
}
SDL_Event window(Uint8 what) { return event(SDL_WINDOWEVENT, what); }

}  // namespace

TEST(SdlKeyMap, TheVirtualKeysTheGameCompares) {
    const struct {
        SDL_Keycode sym;
        int vk;
        SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN;
    } cases[] = {
        // Letters by the character they type, the digit row by its position: the key in QWERTY's Q
        // position types 'a' on AZERTY, whose digit row types '&' and 'a' grave unshifted.
        {SDLK_a, 0x41}, {SDLK_y, 0x59}, {SDLK_n, 0x4E}, {SDLK_z, 0x5A}, {SDLK_0, 0x30}, {SDLK_9, 0x39},
        {SDLK_a, 0x41, SDL_SCANCODE_Q}, {SDLK_AMPERSAND, 0x31, SDL_SCANCODE_1}, {0xE0, 0x30, SDL_SCANCODE_0},
        {SDLK_7, 0x37, SDL_SCANCODE_7}, {SDLK_ESCAPE, 0x1B}, {SDLK_SPACE, 0x20}, {SDLK_BACKSPACE, 0x08},
        {SDLK_RETURN, 0x0D}, {SDLK_F1, 0x70}, {SDLK_F12, 0x7B},
        // The keypad's digits choose no weapon; keys the game never sees are 0.
        {SDLK_KP_0, 0x60}, {SDLK_KP_9, 0x69}, {SDLK_LALT, 0}, {SDLK_LGUI, 0}, {SDLK_CAPSLOCK, 0}, {SDLK_F13, 0},
        {SDLK_UNKNOWN, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(virtualKeyFromSdl(c.sym, c.scancode), c.vk) << c.sym << " " << c.scancode;
}

// Keys (repeats and Shift or Ctrl ones too) and the left and right buttons reach the game; Alt
// combinations and F12 (once a press) are the window's, as are its own events.
TEST(SdlEvents, WhatReachesTheGameAndWhatBelongsToTheWindow) {
    const struct {
        SDL_Event event;
        Kind kind;
        const char* input = "";  // what reaches the game, as the script line that records it
    } cases[] = {
        {key(SDLK_y), Kind::Input, "0 key Y"}, {key(SDLK_y, 0, 1), Kind::Input, "0 key Y"},
        {key(SDLK_n, KMOD_LSHIFT), Kind::Input, "0 key N"}, {key(SDLK_n, KMOD_RCTRL), Kind::Input, "0 key N"},
        {key(SDLK_F11), Kind::Input, "0 key 0x7A"}, {key(SDLK_F12), Kind::Screenshot}, {key(SDLK_F12, 0, 1), Kind::None},
        {key(SDLK_RETURN, KMOD_LALT), Kind::ToggleFullscreen}, {key(SDLK_KP_ENTER, KMOD_RALT), Kind::ToggleFullscreen},
        {key(SDLK_RETURN, KMOD_LALT, 1), Kind::None}, {key(SDLK_1, KMOD_LALT, 0, SDL_SCANCODE_1), Kind::None},
        {key(SDLK_TAB, KMOD_LALT), Kind::None}, {key(SDLK_CAPSLOCK), Kind::None},
        {event(SDL_MOUSEBUTTONDOWN, 0, SDL_BUTTON_LEFT), Kind::Input, "0 press left"},
        {event(SDL_MOUSEBUTTONUP, 0, SDL_BUTTON_RIGHT), Kind::Input, "0 release right"},
        {event(SDL_MOUSEBUTTONDOWN, 0, SDL_BUTTON_MIDDLE), Kind::None}, {event(SDL_MOUSEBUTTONDOWN, 0, SDL_BUTTON_X1), Kind::None},
        {event(SDL_QUIT), Kind::Quit}, {window(SDL_WINDOWEVENT_CLOSE), Kind::Quit}, {event(SDL_KEYUP), Kind::None},
        {window(SDL_WINDOWEVENT_EXPOSED), Kind::Redraw}, {event(SDL_MOUSEMOTION), Kind::PointerMoved},
        {event(SDL_RENDER_TARGETS_RESET), Kind::ResetTexture}, {event(SDL_RENDER_DEVICE_RESET), Kind::ResetTexture},
        {window(SDL_WINDOWEVENT_MINIMIZED), Kind::Minimised}, {window(SDL_WINDOWEVENT_FOCUS_LOST), Kind::FocusLost},
        {window(SDL_WINDOWEVENT_RESTORED), Kind::Returned}, {window(SDL_WINDOWEVENT_FOCUS_GAINED), Kind::Returned},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const WindowAction action = translateEvent(cases[i].event);
        EXPECT_EQ(action.kind, cases[i].kind) << "case " << i;
        EXPECT_EQ(*cases[i].input ? scriptLine(0, action.input) : "", cases[i].input) << "case " << i;
    }
    EXPECT_EQ(scriptLine(1234567, InputEvent::move({320, 5})), "1234567 move 320 5");
    // Minimised then restored and focused: one surface loss. Alt+Tab from full screen and back;
    // a window that only lost focus keeps its picture; focus lost in full screen, back in a window.
    const std::tuple<Kind, bool, bool> away[] = {
        {Kind::Minimised, false, false}, {Kind::Returned, false, true}, {Kind::Returned, false, false},
        {Kind::FocusLost, true, false},  {Kind::Returned, true, true},  {Kind::FocusLost, false, false},
        {Kind::Returned, false, false},  {Kind::FocusLost, true, false}, {Kind::Returned, false, true},
    };
    AwayWatch watch;
    int step = 0;
    for (const auto& [kind, fullscreen, loss] : away) EXPECT_EQ(watch.returnsFromAway(kind, fullscreen), loss) << step++;
}
