// SDL key events to the Windows virtual-key codes the game compares.
#pragma once

#include <cstdint>

namespace platform::sdl {

// Letters by the character they type on the user's layout ('A'..'Z'), the digit row by its
// position ('0'..'9', as Windows reports it on every layout), the other keys the game or a
// "press any key" screen may see by their fixed codes. 0 for keys the game never receives.
int virtualKeyFromSdl(std::int32_t keycode, int scancode);

}  // namespace platform::sdl
