#include "core/input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/player.h"
#include "core/settings.h"

TEST(DigitKeys, ChooseTheWeaponOfThePlayerOnTurnOnlyWhenItMayBeChosen) {
    const struct {
        std::int32_t key;
        int weapon;  // chosen, or -1: refused
        std::int16_t ammo = 1, computer = 0, shield = 0;
        std::uint16_t power = 0, player = 1;
    } cases[] = {
        {'1', 0}, {'2', 1}, {'9', 8}, {'0', 9}, {'2', 1, UNLIMITED_AMMO},
        {'4', -1, 0},                               // no ammunition
        {'4', -1, 5, 1},                            // a computer player is on turn
        {'4', -1, 5, 0, 0, 1},                      // power is charging
        {'7', -1, 3, 0, 2}, {'7', 6, 3, 0, 0},      // DEFENSE not while the shield stands
        {'8', 7, 1, 0, 2},                          // the shield rule is DEFENSE's only
        {'5', -1, 1, 0, 0, 0, MAX_PLAYERS},         // a player index outside the table
        // Keypad digits and other keys only wait as a key press.
        {0x60, -2}, {0x61, -2}, {0x69, -2}, {0x2F, -2}, {0x3A, -2}, {VK_ESCAPE, -2}, {'A', -2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        for (Player& p : players) p = Player{};
        for (std::int16_t& stock : players[0].ammo) stock = 1;  // not the player on turn: its stock does not count
        currentPlayer = c.player;
        Player& p = players[c.player < MAX_PLAYERS ? c.player : 1];
        for (std::int16_t& stock : p.ammo) stock = c.ammo;
        p.isComputer = c.computer, p.shieldHits = c.shield;
        shotPower = c.power, selectedWeapon = 5, directTargetSet = 1;
        OnKeyDown(c.key);
        EXPECT_EQ(inputState.lastKeyDown, c.key);
        EXPECT_EQ(selectedWeapon, c.weapon >= 0 ? c.weapon : 5);
        EXPECT_EQ(directTargetSet, c.weapon == -2 ? 1 : 0) << "a digit clears the target, chosen or not";
    }
}

// A pad's shoulders press the digit key of the previous or next weapon the digit keys would choose.
TEST(DigitKeys, StepToThePreviousAndNextWeaponThatMayBeChosen) {
    const struct {
        std::array<std::int16_t, 10> ammo;
        std::int16_t selected;
        std::int32_t previous, next;
        std::int16_t shield = 0, computer = 0;
        std::uint16_t power = 0;
    } cases[] = {
        {{1, 0, 0, 1, 0, 0, 0, 0, 0, 0}, 0, '4', '4'},
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 0, '0', '2'},
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 9, '9', '1'},  // round from GIMLET to MISSILE
        {{UNLIMITED_AMMO, 0, 0, 0, 2, 0, 0, 0, 0, 0}, 4, '1', '1'},
        {{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0, 0, 0},  // nothing else has stock
        {{1, 0, 0, 0, 0, 0, 3, 0, 0, 0}, 0, '7', '7'},
        {{1, 0, 0, 0, 0, 0, 3, 0, 0, 0}, 0, 0, 0, 2},        // DEFENSE not while the shield stands
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 3, 0, 0, 0, 1},     // a computer on turn
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 3, 0, 0, 0, 0, 9},  // power charging
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "weapon " << c.selected << " ammo " << c.ammo[1] << c.ammo[4]);
        for (Player& p : players) p = Player{};
        currentPlayer = 2;
        std::copy(c.ammo.begin(), c.ammo.end(), players[2].ammo);
        players[2].shieldHits = c.shield, players[2].isComputer = c.computer;
        shotPower = c.power, selectedWeapon = c.selected;
        EXPECT_EQ(weaponStepKey(-1), c.previous);
        EXPECT_EQ(weaponStepKey(1), c.next);
        EXPECT_EQ(selectedWeapon, c.selected) << "asking chooses nothing";
    }
}
