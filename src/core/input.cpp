#include "core/input.h"

#include <algorithm>

#include "core/player.h"
#include "core/settings.h"

InputState inputState;
platform::Point cursorPos;
bool yesNoAsked = false;

namespace {

// The digit keys in the keyboard's order ask for the weapons in theirs: '1' for weapon 0 .. '0' for
// weapon 9, as far as there are weapons; keypad digits are other codes.
constexpr char DIGIT_KEYS[] = "1234567890";
constexpr std::int32_t KEY_YES = 'Y';
constexpr std::int32_t KEY_NO = 'N';

int weaponOfDigitKey(std::int32_t key) {
    for (int w = 0; w < WEAPON_COUNT && DIGIT_KEYS[w] != 0; ++w)
        if (key == DIGIT_KEYS[w]) return w;
    return -1;
}

std::int32_t keyOf(KeyAction action) {
    switch (action) {
        case KeyAction::Leave:
            return VK_ESCAPE;
        case KeyAction::Yes:
            return KEY_YES;
        case KeyAction::No:
            return KEY_NO;
        case KeyAction::NewGame:
            return VK_SPACE;
        case KeyAction::Erase:
            return VK_BACK;
    }
    return 0;
}

}  // namespace

bool keyWaiting() { return inputState.lastKeyDown != 0; }

bool keyWaiting(KeyAction action) { return inputState.lastKeyDown == keyOf(action); }

char typedCharacter() {
    const std::int32_t key = inputState.lastKeyDown;
    const bool typed = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') || key == VK_SPACE;
    return typed ? static_cast<char>(key) : '\0';
}

void takeKey() { inputState.lastKeyDown = 0; }

void resetInput() { takeKey(); }

bool buttonHeld() { return inputState.leftButton == 1; }

void takeButton() { inputState.leftButton = 0; }

bool trialsShown() { return inputState.rightButton == 1; }

platform::Point pointer() { return cursorPos; }

void readCursor() { cursorPos = platform::get().cursorPosition(); }

namespace {

bool choosable(int weapon) {
    // A player index outside the table (never set so by the battle) refuses rather than reads past it.
    const bool known = currentPlayer < MAX_PLAYERS && weapon >= 0 && weapon < WEAPON_COUNT;
    const Player& p = players[known ? currentPlayer : 0];
    return known && p.ammo[weapon] != 0 && p.isComputer == 0 && shotPower == 0 &&
           (!WEAPONS[static_cast<std::size_t>(weapon)].raisesShield || p.shieldHits == 0);
}

}  // namespace

void chooseWeapon(int weapon) {
    if (choosable(weapon)) selectedWeapon = static_cast<std::int16_t>(weapon);
    directTargetSet = 0;
}

std::int32_t weaponStepKey(int direction) {
    const int keyed = std::min<int>(WEAPON_COUNT, sizeof DIGIT_KEYS - 1);
    const int from = std::clamp<int>(selectedWeapon, 0, keyed - 1);
    for (int step = 1; step < keyed; ++step) {
        const int weapon = ((from + direction * step) % keyed + keyed) % keyed;
        if (choosable(weapon)) return DIGIT_KEYS[weapon];
    }
    return 0;
}

void OnKeyDown(std::int32_t virtualKey) {
    inputState.lastKeyDown = virtualKey;
    const int weapon = weaponOfDigitKey(virtualKey);
    if (weapon >= 0) chooseWeapon(weapon);
}

void OnLButtonDown() { inputState.leftButton = 1; }
void OnLButtonUp() { inputState.leftButton = 0; }
void OnRButtonDown() { inputState.rightButton = 1; }
void OnRButtonUp() { inputState.rightButton = 0; }
