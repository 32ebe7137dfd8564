#include "screens/shop.h"

#include <gtest/gtest.h>

#include "battle/battle_state.h"
#include "core/globals.h"
#include "core/player.h"
#include "core/random.h"
#include "frame_driver.h"
#include "screens/screens.h"
#include "world/world.h"

namespace {

// Layout at 640 x 480 (T = 48): slots from x 32 every 64 at y 316, buy at (308, 432), NEXT at (55, 138).
constexpr int SLOT_Y = 316;
int slotX(int weapon) { return 32 + (weapon - 1) * 64; }
constexpr int BUY_X = 308;
constexpr int BUY_Y = 432;
constexpr int NEXT_X = 55;
constexpr int NEXT_Y = 138;

constexpr std::uint16_t CRATE = 0x0C0C;
constexpr std::uint16_t SLOT = 0x0A0A;
constexpr std::uint16_t SELECTED_SLOT = 0x0B0B;

class Shop : public ::testing::Test {
protected:
    void SetUp() override {
        openTestDisplay();
        setSolidImage(15, 8, 8, 0x0101);
        setSolidImage(14, 8, 8, 0x0202);
        setSolidImage(441, 64, 48, 0x0303);
        setSolidImage(442, 35, 35, SLOT);
        setSolidImage(443, 35, 35, SELECTED_SLOT);
        for (int i = 385; i <= 404; ++i) setSolidImage(i, 24, 24, CRATE);
        for (int i = 455; i <= 464; ++i) setSolidImage(i, 60, 20, 0x0D0D);
        for (int i = 0; i < MAX_PLAYERS; ++i) players[i] = Player{};
        numPlayers = 2;
        players[0].name = "HUMAN";
        players[1].name = "CPU";
        players[1].isComputer = 1;
        currentPlayer = 0;
        resetAnimCounters();
        setGameRandState(1);
    }

    // The pointer placed so that its probe lies inside the button at (x, y), and the button down.
    void clickAt(int x, int y) {
        platform.cursor = {x + 8, y + 8};
        cursorPos = platform.cursor;
        inputState.leftButton = 1;
    }

    static std::uint16_t pixelAt(int x, int y) { return backBuffer->row(y)[x]; }

    FrameDriver platform;
    ShopState shop;
};

TEST_F(Shop, BuyButtonOnlyWhenAffordable) {
    players[0].money = 1000;  // BIG MISSILE costs 1400
    drawShopScreen(shop);
    EXPECT_NE(pixelAt(BUY_X + 12, BUY_Y + 12), CRATE);
    ASSERT_NE(FrameDriver::find("BIG MISSILE: 1400$", platform.drawn), nullptr);
    clickAt(BUY_X, BUY_Y);
    humanShopStep(shop);
    EXPECT_EQ(players[0].money, 1000);
    EXPECT_EQ(players[0].ammo[1], 0);
    EXPECT_EQ(inputState.leftButton, 1) << "a click where no button is drawn is not taken";

    players[0].money = 3000;
    drawShopScreen(shop);
    EXPECT_EQ(pixelAt(BUY_X + 12, BUY_Y + 12), CRATE);
    humanShopStep(shop);
    EXPECT_EQ(players[0].money, 1600);
    EXPECT_EQ(players[0].ammo[1], 1);
    EXPECT_EQ(inputState.leftButton, 0) << "one click buys one";
    humanShopStep(shop);
    EXPECT_EQ(players[0].ammo[1], 1);
}

TEST_F(Shop, SlotClickSelectsTheWeapon) {
    players[0].money = 5000;
    players[0].ammo[5] = 3;
    clickAt(slotX(5), SLOT_Y);
    humanShopStep(shop);
    EXPECT_EQ(shop.shopChoice, 5);
    EXPECT_EQ(inputState.leftButton, 0);
    drawShopScreen(shop);
    EXPECT_EQ(pixelAt(slotX(5) + 1, SLOT_Y + 1), SELECTED_SLOT);
    EXPECT_EQ(pixelAt(slotX(1) + 1, SLOT_Y + 1), SLOT);
    ASSERT_NE(FrameDriver::find("HYPER TUBE: 2300$", platform.drawn), nullptr);
    const DrawnText* count = FrameDriver::find("3", platform.drawn);
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->x, slotX(5) + 16);
    EXPECT_EQ(count->y, SLOT_Y + 34);
}

TEST_F(Shop, NextCountsOnlyAtRestAndKeepsTheClick) {
    clickAt(NEXT_X, NEXT_Y);
    humanShopStep(shop);
    EXPECT_EQ(currentPlayer, 1);
    EXPECT_EQ(animCounters.shopFrame, 456);
    EXPECT_EQ(inputState.leftButton, 1);
    currentPlayer = 0;
    humanShopStep(shop);
    EXPECT_EQ(currentPlayer, 0) << "not while the button's animation runs";
}

TEST_F(Shop, ComputerFillsGimletsThenShieldsThenRandom) {
    currentPlayer = 1;
    Player& cpu = players[1];
    cpu.money = 20000;
    std::vector<int> bought;
    while (currentPlayer == 1) {
        shop.shopDelay = 0;
        const std::int32_t before = cpu.money;
        computerShopStep(shop);
        if (currentPlayer != 1) break;
        bought.push_back(shop.shopChoice);
        EXPECT_EQ(before - cpu.money, WEAPON_PRICES[shop.shopChoice]);
        EXPECT_EQ(shop.shopDelay, 50);
    }
    ASSERT_GT(bought.size(), 16u);
    for (int i = 0; i < 14; ++i) EXPECT_EQ(bought[i], 9) << i;
    EXPECT_EQ(bought[14], 6);
    EXPECT_EQ(bought[15], 7);
    EXPECT_LT(cpu.money, 400);
    EXPECT_EQ(shop.shopDelay, 100);
    EXPECT_EQ(animCounters.shopFrame, 456);
}

TEST_F(Shop, ComputerNeverBuysDirectMissile) {
    currentPlayer = 1;
    Player& cpu = players[1];
    cpu.ammo[9] = 14;
    cpu.ammo[6] = 1;
    cpu.ammo[7] = 1;
    cpu.money = 100000000;
    const Player before = cpu;
    for (int i = 0; i < 2000; ++i) {
        shop.shopDelay = 0;
        computerShopStep(shop);
    }
    EXPECT_EQ(cpu.ammo[4], 0);
    // Every other weapon comes up; BIG MISSILE through the draws of 4.
    for (int w : {1, 2, 3, 5, 6, 7, 8, 9}) EXPECT_GT(cpu.ammo[w], before.ammo[w]) << w;
}

TEST_F(Shop, ComputerDelays) {
    numPlayers = 3;
    players[0].isComputer = 1;
    players[0].money = 399;
    players[2].isComputer = 1;
    players[1].money = 500;
    computerShopStep(shop);
    EXPECT_EQ(currentPlayer, 1) << "too poor: passes at its first step";
    EXPECT_EQ(players[0].money, 399);
    for (int i = 0; i < 100; ++i) computerShopStep(shop);
    EXPECT_EQ(players[1].money, 500) << "the next computer waits 100 frames";
    computerShopStep(shop);
    EXPECT_EQ(players[1].ammo[9], 1);
    for (int i = 0; i < 50; ++i) computerShopStep(shop);
    EXPECT_EQ(currentPlayer, 1);
    computerShopStep(shop);
    EXPECT_EQ(currentPlayer, 2) << "250$ left: done 51 frames after the buy";
}

TEST_F(Shop, RoundGivesEveryPlayerATurn) {
    numPlayers = 3;
    players[0].money = 5000;
    players[1].money = 300;
    players[2].isComputer = 1;
    players[2].money = 700;
    players[2].isDead = 1;  // the dead shop too
    int nextClickedAt = 0;
    platform.betweenFrames = [&](int frame) {
        if (frame == 5) {
            clickAt(NEXT_X, NEXT_Y);
            nextClickedAt = frame;
        }
    };
    EXPECT_EQ(shopRound(), 0);
    EXPECT_EQ(nextClickedAt, 5);
    EXPECT_EQ(currentPlayer, 3);
    EXPECT_EQ(players[0].money, 5000);
    EXPECT_EQ(players[1].money, 300);
    EXPECT_EQ(players[2].ammo[9], 2);
    EXPECT_EQ(players[2].money, 200);
    EXPECT_GT(platform.presents, 5 + 100 + 51);
    EXPECT_EQ(inputState.lastKeyDown, 0);
}

TEST_F(Shop, AnimationsStartInPhaseWhateverTheBattleLeftInTheFrameCounter) {
    numPlayers = 1;
    battleState.frameThird = 2;  // as a battle may leave it
    std::vector<int> crateFrames;
    platform.betweenFrames = [&](int frame) {
        crateFrames.push_back(animCounters.crateFrame);
        if (frame == 4) clickAt(NEXT_X, NEXT_Y);
    };
    EXPECT_EQ(shopRound(), 0);
    ASSERT_GE(crateFrames.size(), 4u);
    // The first tick comes after the third frame, as at the start of a game.
    EXPECT_EQ(crateFrames[1], 385);
    EXPECT_EQ(crateFrames[2], 385);
    EXPECT_EQ(crateFrames[3], 386);
}

TEST_F(Shop, EscapeAsksAndNoCarriesOn) {
    players[1].money = 300;
    int asked = 0;
    platform.betweenFrames = [&](int frame) {
        if (frame == 3) {
            inputState.lastKeyDown = VK_ESCAPE;
        } else if (frame > 3 && inputState.lastKeyDown == 0 && asked == 0) {
            ++asked;
            inputState.lastKeyDown = 'N';
        } else if (asked == 1 && frame > 10 && currentPlayer == 0) {
            clickAt(NEXT_X, NEXT_Y);  // the shop goes on with the same shopper
        }
    };
    EXPECT_EQ(shopRound(), 0);
    EXPECT_EQ(asked, 1);
}

TEST_F(Shop, EscapeConfirmedLeaves) {
    platform.betweenFrames = [](int frame) {
        if (frame == 3)
            inputState.lastKeyDown = VK_ESCAPE;
        else if (frame > 3 && inputState.lastKeyDown == 0)
            inputState.lastKeyDown = 'Y';
    };
    EXPECT_EQ(shopRound(), 1);
    EXPECT_EQ(currentPlayer, 0);
}

}  // namespace

TEST_F(Shop, EasyComputerNeverBuysTheTwoDearest) {
    // HYPER TUBE at 2300 and SUPER GRENADE at 1900; BALL GRENADE at 1500 comes next.
    for (int w = 0; w < WEAPON_COUNT; ++w)
        EXPECT_EQ(amongTwoDearest(w), w == weapon::HYPER_TUBE || w == weapon::SUPER_GRENADE) << w;
    Player cpu = players[1];
    cpu.ammo[weapon::GIMLET] = 14;
    cpu.ammo[weapon::DEFENSE] = cpu.ammo[weapon::GROUND_DEFENSE] = 1;
    cpu.money = 100000000;
    int bought[2][WEAPON_COUNT] = {};
    for (const ComputerSkill skill : {ComputerSkill::Easy, ComputerSkill::Normal})
        for (int i = 0; i < 2000; ++i) ++bought[skill == ComputerSkill::Easy][computerPurchase(cpu, skill)];
    for (const int w : {weapon::SUPER_GRENADE, weapon::HYPER_TUBE}) {
        EXPECT_EQ(bought[1][w], 0) << w;
        EXPECT_GT(bought[0][w], 100) << "normal buys it: " << w;
    }
    EXPECT_GT(bought[1][weapon::BALL_GRENADE], 100);
}
