#include "screens/shop.h"

#include "battle/battle_state.h"
#include "core/player.h"
#include "core/random.h"
#include "screen_test_support.h"
#include "screens/screens.h"

namespace {

class Shop : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        for (Player& p : players) p = Player{};
        numPlayers = 2, currentPlayer = 0;
        players[0].name = "HUMAN";
        players[1].isComputer = 1;
        resetAnimCounters();
        setGameRandState(1);
    }
    void draw() { machine.drawn.clear(), drawShopScreen(shop); }
    // Slots from x 32 every 64; the buy button at (308, 432); NEXT at (55, 138).
    static int slotX(int weapon) { return W / 2 - 288 + (weapon - 1) * (W / 10); }
    static constexpr int SLOT_Y = 7 * T - 20, BUY_X = W / 2 - 12, BUY_Y = 9 * T, NEXT_X = W / 18 + 20,
                         NEXT_Y = T + 90;
    void clickNext() { clickOn(raznoe[455], NEXT_X, NEXT_Y); }
    void clickBuy() { clickOn(raznoe[animCounters.crateFrame], BUY_X, BUY_Y); }
    static bool buyButtonShown() { return shownAt(raznoe[animCounters.crateFrame], BUY_X, BUY_Y); }

    ShopState shop;
};

TEST_F(Shop, EveryWeaponSellsAtItsPriceAndNotOneDollarLess) {
    const std::tuple<int, const char*, std::int32_t> shelf[] = {
        {1, "BIG MISSILE", 1400}, {2, "GRENADE", 450}, {3, "SUPER GRENADE", 1900}, {4, "DIRECT MISSILE", 1000},
        {5, "HYPER TUBE", 2300}, {6, "DEFENSE", 1200}, {7, "GROUND DEFENSE", 900}, {8, "BALL GRENADE", 1500},
        {9, "GIMLET", 250}};
    Player& p = players[0];
    for (const auto& [weapon, name, price] : shelf) {
        SCOPED_TRACE(name);
        const int clicks = machine.played(18), buys = machine.played(2);
        clickOn(raznoe[442], slotX(weapon), SLOT_Y);
        humanShopStep(shop);
        EXPECT_EQ(shop.shopChoice, weapon);
        EXPECT_EQ(inputState.leftButton + machine.played(18), clicks + 1) << "the click is taken, with its sound";

        p.money = price - 1;
        draw();
        // The slots' top rows, above the icons.
        EXPECT_TRUE(shownAt(raznoe[443], slotX(weapon), SLOT_Y, 1));
        EXPECT_TRUE(shownAt(raznoe[442], slotX(weapon == 1 ? 2 : 1), SLOT_Y, 1));
        const std::string label = std::string(name) + ": " + std::to_string(price) + "$";
        EXPECT_TRUE(drawnAt(machine.drawn, label, W / 2 + 1, BUY_Y - 27 + 1, 0x00BFBF, 0xFFFFFF));
        EXPECT_FALSE(buyButtonShown());
        clickBuy();
        humanShopStep(shop);
        EXPECT_EQ(p.money + p.ammo[weapon], price - 1);
        EXPECT_EQ(inputState.leftButton, 1) << "a click where no button is drawn is not taken";

        p.money = price;
        pointAt(5, 5);
        draw();
        EXPECT_TRUE(buyButtonShown());
        clickBuy();
        humanShopStep(shop);
        humanShopStep(shop);
        EXPECT_EQ(p.money, 0);
        EXPECT_EQ(p.ammo[weapon], 1) << "one click buys one";
        EXPECT_EQ(inputState.leftButton + machine.played(2), buys + 1);
    }
}

TEST_F(Shop, ShopperNameMoneyStockAndNextInTheirPlaces) {
    players[0].money = 1234;
    players[0].ammo[5] = 3;
    draw();
    const auto& t = machine.drawn;
    EXPECT_TRUE(drawnAt(t, "HUMAN", W / 18 + 41, H / 20 - F + 1, 0x00000F, 0x00FFFF, false));
    EXPECT_TRUE(drawnAt(t, "1234$", W / 18 + 41, H / 20 + 1, 0x00000F, 0x00FFFF, false));
    EXPECT_TRUE(drawnAt(t, "NEXT", W / 18 + 41, T + 90 - F + 1, 0x00000F, 0x000FFF, false));
    EXPECT_TRUE(drawnAt(t, "3", slotX(5) + 17, SLOT_Y + 35, 0x00000F, 0xFFFFFF));
    EXPECT_TRUE(shownAt(raznoe[455], NEXT_X, NEXT_Y));
}

TEST_F(Shop, ComputerFillsGimletsThenShieldsThenRandom) {
    currentPlayer = 1;
    Player& cpu = players[1];
    cpu.money = 20000;
    std::vector<int> bought;
    for (int step = 0; step < 100 && currentPlayer == 1; ++step) {
        shop.shopDelay = 0;
        computerShopStep(shop);
        if (currentPlayer == 1) bought.push_back(shop.shopChoice);
        EXPECT_EQ(shop.shopDelay, currentPlayer == 1 ? 50 : 100);
    }
    bought.resize(16);
    EXPECT_EQ(bought, (std::vector<int>{9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 6, 7}));
    EXPECT_EQ(currentPlayer, 2);
    EXPECT_LT(cpu.money, 400);
    EXPECT_EQ(animCounters.shopFrame, 456);
}

TEST_F(Shop, ComputerNeverBuysDirectMissileAndAnEasyOneNotTheTwoDearest) {
    // HYPER TUBE at 2300 and SUPER GRENADE at 1900; BALL GRENADE at 1500 comes next.
    for (int w = 0; w < WEAPON_COUNT; ++w) EXPECT_EQ(amongTwoDearest(w), w == 3 || w == 5) << w;
    currentPlayer = 1;
    Player& cpu = players[1];
    cpu.ammo[9] = 14, cpu.ammo[6] = cpu.ammo[7] = 1, cpu.money = 100000000;
    int easy[WEAPON_COUNT] = {};
    for (int i = 0; i < 2000; ++i) ++easy[computerPurchase(cpu, ComputerSkill::Easy)];
    const Player before = cpu;
    for (int i = 0; i < 2000; ++i) shop.shopDelay = 0, computerShopStep(shop);
    // Every other weapon comes up; BIG MISSILE through the draws of 4.
    for (int w = 1; w < WEAPON_COUNT; ++w) {
        EXPECT_EQ(cpu.ammo[w] > before.ammo[w], w != 4) << "normal " << w;
        EXPECT_EQ(easy[w] > 0, w != 4 && w != 3 && w != 5) << "easy " << w;
    }
}

TEST_F(Shop, RoundGivesEveryPlayerATurnInItsOwnTime) {
    numPlayers = 4;
    players[0].money = players[1].money = 5000;
    players[1].isComputer = 0;
    players[2].isComputer = players[2].isDead = 1;  // the dead shop too
    players[2].money = 399;
    players[3].isComputer = 1;
    players[3].money = 400;
    machine.atPresent[5] = [this] { clickNext(); };
    EXPECT_EQ(shopRound(), 0);
    // NEXT runs 456..464 on the ticks of frames 6..27 and rests from frame 30: the click, never
    // taken, passes player 1 in frame 31. Below $400 player 2 passes at once (frame 32); player 3
    // waits 100 frames, buys, and passes 51 frames later.
    EXPECT_EQ(machine.presents, 32 + 100 + 1 + 51);
    EXPECT_EQ(currentPlayer, 4);
    EXPECT_EQ(players[0].money + players[1].money + players[2].money, 5000 + 5000 + 399);
    EXPECT_EQ(players[3].ammo[9], 1) << "400 is enough";
    EXPECT_EQ(players[3].money, 150);
}

TEST_F(Shop, EscapeAsksNoCarriesOnWithTheSameShopperYesLeaves) {
    players[1].money = 300;  // the computer passes at once
    machine.atPresent = {{3, [] { OnKeyDown(VK_ESCAPE); }}, {5, [] { OnKeyDown('N'); }}, {8, [this] { clickNext(); }},
                         {9, [] { OnLButtonUp(); }}, {12, [] { OnKeyDown(VK_ESCAPE); }}, {14, [] { OnKeyDown('Y'); }}};
    EXPECT_EQ(shopRound(), 0);
    EXPECT_EQ(machine.presents, 9);
    EXPECT_EQ(shopRound(), 1);
    EXPECT_EQ(currentPlayer, 0);
}

}  // namespace
