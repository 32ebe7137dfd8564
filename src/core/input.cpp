#include "core/input.h"

#include "core/player.h"
#include "core/settings.h"

InputState inputState;
platform::Point cursorPos;

namespace {

// The digit keys in the keyboard's order ask for the weapons in theirs: '1' for weapon 0 .. '0' for
// weapon 9, as far as there are weapons; keypad digits are other codes.
constexpr char DIGIT_KEYS[] = "1234567890";

int weaponOfDigitKey(std::int32_t key) {
    for (int w = 0; w < WEAPON_COUNT && DIGIT_KEYS[w] != 0; ++w)
        if (key == DIGIT_KEYS[w]) return w;
    return -1;
}

void requestWeapon(int weapon) {
    // A player index outside the table (never set so by the battle) refuses rather than reads past it.
    const bool known = currentPlayer < MAX_PLAYERS;
    const Player& p = players[known ? currentPlayer : 0];
    const bool accepted = known && p.ammo[weapon] != 0 && p.isComputer == 0 && shotPower == 0 &&
                          (!WEAPONS[static_cast<std::size_t>(weapon)].raisesShield || p.shieldHits == 0);
    if (accepted) selectedWeapon.store(static_cast<std::int16_t>(weapon), std::memory_order_relaxed);
    directTargetSet.store(0, std::memory_order_relaxed);
}

}  // namespace

void resetInput() { inputState.lastKeyDown.store(0, std::memory_order_relaxed); }

void readCursor() { cursorPos = platform::get().cursorPosition(); }

void OnKeyDown(std::int32_t virtualKey) {
    inputState.lastKeyDown.store(virtualKey, std::memory_order_relaxed);
    const int weapon = weaponOfDigitKey(virtualKey);
    if (weapon >= 0) requestWeapon(weapon);
}

void OnLButtonDown() { inputState.leftButton.store(1, std::memory_order_relaxed); }
void OnLButtonUp() { inputState.leftButton.store(0, std::memory_order_relaxed); }
void OnRButtonDown() { inputState.rightButton.store(1, std::memory_order_relaxed); }
void OnRButtonUp() { inputState.rightButton.store(0, std::memory_order_relaxed); }
