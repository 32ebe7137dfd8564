// Input actions: what the player asks of the game. The keyboard and the mouse feed them today
// through the handlers at the end of this header; another device (a gamepad, a remote player)
// feeds the same entry points. Game code asks for actions here and never compares key codes.
//
// All of it belongs to the game thread: the backends deliver input at the game thread's wait
// points (a present or a sleep), so the handlers and the game never run at the same time.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// What a key press can mean. Which key feeds which action is decided in input.cpp only.
enum class KeyAction : std::uint8_t {
    Leave,    // Escape: leave a battle, the shop, the set-up or the game
    Yes,      // Y: the answer to "are you sure"
    No,       // N
    NewGame,  // Space in the menu
    Erase,    // Backspace: the name being typed is cleared
};

// The latches the actions are read from. A consumer takes an input by storing 0 (takeKey,
// takeButton); a press that comes before the take is overwritten, as the game has always had it.
struct InputState {
    std::int32_t lastKeyDown = 0;  // virtual-key code of the latest key press, 0 = none
    std::uint8_t leftButton = 0;   // 1 from a press until its release or until taken
    std::uint8_t rightButton = 0;
};

extern InputState inputState;
// The pointer in screen pixels, refreshed by readCursor.
extern platform::Point cursorPos;

// --- Key presses: the latest one waits until something takes it ---
// Any key press waits ("press a key to go on").
bool keyWaiting();
// The waiting press means action.
bool keyWaiting(KeyAction action);
// The character the waiting press types into a name ('A'..'Z', '0'..'9', ' '), 0 when none.
char typedCharacter();
void takeKey();
// A key pressed before a battle must not be taken by it (the same as takeKey).
void resetInput();

// --- The pointer and its buttons ---
// The main button: clicks a screen's buttons; in a battle it chooses a weapon slot, marks the
// direct missile's target and charges the shot, which flies once the button is up or taken.
bool buttonHeld();
void takeButton();
// The second button, held in a battle: the computer's trial shots are drawn into the ground.
bool trialsShown();
// Where the player points: the aim, the buttons, the battlefield's scrolling edges.
platform::Point pointer();
// GetCursorPos: the pointer position of the last wait point becomes the frame's.
void readCursor();

// --- Feeding the actions ---
// Choose weapon n (0..9) for the human on turn: refused while power charges, for a computer
// player, without ammunition, or a shield while one stands; any choice clears the direct target.
void chooseWeapon(int weapon);
// The digit key that chooses, by chooseWeapon's rule, the next (direction 1) or previous (-1)
// weapon after the chosen one, going round; 0 when no other weapon can be chosen. A gamepad's
// shoulders press it.
std::int32_t weaponStepKey(int direction);
// True while "are you sure" waits for its Yes or No: a gamepad answers it with its A and B.
extern bool yesNoAsked;

// The main window's handlers (the point a mouse message carries is not used). A digit key
// chooses a weapon ('1'..'9' weapons 0..8, '0' weapon 9) besides waiting as a key press.
void OnKeyDown(std::int32_t virtualKey);
void OnLButtonDown();
void OnLButtonUp();
void OnRButtonDown();
void OnRButtonUp();

// Key codes (Windows virtual keys) for the code that feeds or tests the layer.
constexpr std::int32_t VK_BACK = 0x08;
constexpr std::int32_t VK_ESCAPE = 0x1B;
constexpr std::int32_t VK_SPACE = 0x20;
