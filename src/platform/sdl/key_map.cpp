#include "platform/sdl/key_map.h"

#include <SDL2/SDL.h>

namespace platform::sdl {

namespace {

struct KeyPair {
    SDL_Keycode sdl;
    int vk;
};

constexpr KeyPair FIXED_KEYS[] = {
    {SDLK_BACKSPACE, 0x08}, {SDLK_TAB, 0x09},      {SDLK_RETURN, 0x0D},    {SDLK_KP_ENTER, 0x0D},
    {SDLK_LSHIFT, 0x10},    {SDLK_RSHIFT, 0x10},   {SDLK_LCTRL, 0x11},     {SDLK_RCTRL, 0x11},
    {SDLK_PAUSE, 0x13},     {SDLK_ESCAPE, 0x1B},   {SDLK_SPACE, 0x20},     {SDLK_PAGEUP, 0x21},
    {SDLK_PAGEDOWN, 0x22},  {SDLK_END, 0x23},      {SDLK_HOME, 0x24},      {SDLK_LEFT, 0x25},
    {SDLK_UP, 0x26},        {SDLK_RIGHT, 0x27},    {SDLK_DOWN, 0x28},      {SDLK_INSERT, 0x2D},
    {SDLK_DELETE, 0x2E},    {SDLK_KP_MULTIPLY, 0x6A}, {SDLK_KP_PLUS, 0x6B}, {SDLK_KP_MINUS, 0x6D},
    {SDLK_KP_PERIOD, 0x6E}, {SDLK_KP_DIVIDE, 0x6F},
};

constexpr SDL_Keycode KEYPAD_DIGITS[] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                                         SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};

}  // namespace

int virtualKeyFromSdl(std::int32_t keycode, int scancode) {
    // The digit row: SDL_SCANCODE_1..9 then 0. Layouts such as AZERTY type symbols there unshifted,
    // yet Windows still reports '0'..'9', and the weapon keys must work for them.
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return '1' + (scancode - SDL_SCANCODE_1);
    if (scancode == SDL_SCANCODE_0) return '0';
    if (keycode >= SDLK_a && keycode <= SDLK_z) return 'A' + (keycode - SDLK_a);
    if (keycode >= SDLK_0 && keycode <= SDLK_9) return keycode;
    if (keycode >= SDLK_F1 && keycode <= SDLK_F12) return 0x70 + (keycode - SDLK_F1);
    for (int digit = 0; digit < 10; ++digit) {
        if (keycode == KEYPAD_DIGITS[digit]) return 0x60 + digit;
    }
    for (const KeyPair& key : FIXED_KEYS) {
        if (keycode == key.sdl) return key.vk;
    }
    return 0;
}

}  // namespace platform::sdl
