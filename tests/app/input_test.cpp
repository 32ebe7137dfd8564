#include "core/input.h"

#include <gtest/gtest.h>

#include "core/player.h"
#include "core/settings.h"

namespace {

class DigitKeys : public ::testing::Test {
protected:
    void SetUp() override {
        for (Player& p : players) p = Player{};
        currentPlayer = 1;
        shotPower = 0;
        selectedWeapon = 0;
        directTargetSet = 1;
        inputState.lastKeyDown = 0;
    }
    Player& onTurn() { return players[currentPlayer]; }
};

}  // namespace

TEST_F(DigitKeys, DigitsMapToWeaponsWithZeroAsTen) {
    for (int w = 0; w < WEAPON_COUNT; ++w) onTurn().ammo[w] = 1;
    const int keys[WEAPON_COUNT] = {'1', '2', '3', '4', '5', '6', '7', '8', '9', '0'};
    for (int w = 0; w < WEAPON_COUNT; ++w) {
        OnKeyDown(keys[w]);
        EXPECT_EQ(selectedWeapon, w);
        EXPECT_EQ(inputState.lastKeyDown, keys[w]);
    }
}

TEST_F(DigitKeys, RefusedRequestsStillClearDirectTarget) {
    onTurn().ammo[3] = 0;
    OnKeyDown('4');
    EXPECT_EQ(selectedWeapon, 0) << "no ammunition";
    EXPECT_EQ(directTargetSet, 0);

    onTurn().ammo[3] = 5;
    onTurn().isComputer = 1;
    directTargetSet = 1;
    OnKeyDown('4');
    EXPECT_EQ(selectedWeapon, 0) << "a computer player is on turn";
    EXPECT_EQ(directTargetSet, 0);

    onTurn().isComputer = 0;
    shotPower = 1;
    directTargetSet = 1;
    OnKeyDown('4');
    EXPECT_EQ(selectedWeapon, 0) << "power is charging";
    EXPECT_EQ(directTargetSet, 0);

    shotPower = 0;
    OnKeyDown('4');
    EXPECT_EQ(selectedWeapon, 3);
}

TEST_F(DigitKeys, DefenseRefusedWhileShieldIsUp) {
    onTurn().ammo[6] = 3;
    onTurn().shieldHits = 2;
    OnKeyDown('7');
    EXPECT_EQ(selectedWeapon, 0);
    onTurn().shieldHits = 0;
    OnKeyDown('7');
    EXPECT_EQ(selectedWeapon, 6);
    // The shield rule is for DEFENSE only.
    onTurn().ammo[7] = 1;
    onTurn().shieldHits = 2;
    OnKeyDown('8');
    EXPECT_EQ(selectedWeapon, 7);
}

TEST_F(DigitKeys, UsesThePlayerOnTurnAndUnlimitedStock) {
    players[0].ammo[1] = 0;
    onTurn().ammo[1] = UNLIMITED_AMMO;
    OnKeyDown('2');
    EXPECT_EQ(selectedWeapon, 1);
    currentPlayer = 0;
    selectedWeapon = 0;
    OnKeyDown('2');
    EXPECT_EQ(selectedWeapon, 0);
}

TEST_F(DigitKeys, KeypadDigitsAndOtherKeysOnlySetLastKey) {
    for (int w = 0; w < WEAPON_COUNT; ++w) onTurn().ammo[w] = 1;
    for (int key : {0x60, 0x61, 0x69, 0x1B, 0x41, 0x25}) {
        OnKeyDown(key);
        EXPECT_EQ(inputState.lastKeyDown, key);
        EXPECT_EQ(selectedWeapon, 0);
        EXPECT_EQ(directTargetSet, 1) << "key " << key;
    }
}

TEST_F(DigitKeys, PlayerIndexOutsideTheTableIsRefused) {
    currentPlayer = MAX_PLAYERS;
    players[0].ammo[4] = 1;
    OnKeyDown('5');
    EXPECT_EQ(selectedWeapon, 0);
    EXPECT_EQ(directTargetSet, 0);
}

TEST(InputReset, ClearsOnlyTheKey) {
    inputState.lastKeyDown = 'Y';
    inputState.leftButton = 1;
    resetInput();
    EXPECT_EQ(inputState.lastKeyDown, 0);
    EXPECT_EQ(inputState.leftButton, 1);
    inputState.leftButton = 0;
}

TEST(KeyActions, EachKeyMeansOneActionAndNamesTakeOnlyTheirCharacters) {
    const std::pair<std::int32_t, KeyAction> keys[] = {{VK_ESCAPE, KeyAction::Leave},
                                                       {'Y', KeyAction::Yes},
                                                       {'N', KeyAction::No},
                                                       {VK_SPACE, KeyAction::NewGame},
                                                       {VK_BACK, KeyAction::Erase}};
    for (const auto& [key, meant] : keys) {
        OnKeyDown(key);
        EXPECT_TRUE(keyWaiting());
        for (const auto& [other, action] : keys) EXPECT_EQ(keyWaiting(action), action == meant) << key;
    }
    for (const auto& [key, typed] : {std::pair<std::int32_t, char>{'Q', 'Q'},
                                     {'7', '7'},
                                     {VK_SPACE, ' '},
                                     {'a', '\0'},
                                     {VK_ESCAPE, '\0'},
                                     {0x5B, '\0'}}) {
        OnKeyDown(key);
        EXPECT_EQ(typedCharacter(), typed) << key;
    }
    takeKey();
    EXPECT_FALSE(keyWaiting());
    EXPECT_EQ(typedCharacter(), '\0');
}
