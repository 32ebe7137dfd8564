// The player set-up screen's parts, beyond playerSetup itself (screens.h).
#pragma once

#include <cstdint>

constexpr int MAX_NAME_LENGTH = 12;

// One frame of the screen into the back buffer, with the clicks on its buttons; a click on
// "PLAY GAME" sets setupDone to 1.
void drawSetupScreen(std::int32_t& setupDone);
// The key of this frame for the name being edited: Backspace clears it, a name character is added
// (while there is room), each with a click; other keys are left waiting.
void handleSetupKey();
// Escape: the set-up is left with a click and the key is taken; returns playerSetup's 0.
int leaveSetup();
// The next colour for player record k that none of the records before it has; always at least
// one step, even when the present colour is free.
void stepPlayerColour(int k);
// The role button: player k's next role.
void stepPlayerRole(int k);
