// The aiming aids: what each draws and remembers, and that without them the HUD is the designed one.
#include "battle/aids.h"
#include "battle/fortress.h"
#include "battle/hud.h"
#include "battle_fixture.h"
#include "screens/shop.h"

namespace {

class AidsTest : public BattleTest {
protected:
    void SetUp() override {
        BattleTest::SetUp();
        assistEnabled = true;
    }
    void TearDown() override {
        assistEnabled = false;
        BattleTest::TearDown();
    }
    int drawn(std::string_view text) const {
        return static_cast<int>(std::ranges::count(platform.texts, text, [](const DrawnText& t) { return std::get<2>(t); }));
    }
    std::uint16_t bright(int player) const { return static_cast<std::uint16_t>(playerBrightPixel(players[player].colour)); }
};

TEST_F(AidsTest, AngleIsDegreesAboveTheHorizon) {
    const struct {
        int dx, dy, degrees;
    } cases[] = {{10, 0, 0}, {10, -10, 45}, {0, -10, 90}, {-10, -10, 135}, {-10, 0, 180}, {10, 10, -45}, {0, 0, 90}};
    for (const auto& c : cases) EXPECT_EQ(aimAngleDegrees(c.dx, c.dy), c.degrees) << c.dx << "," << c.dy;
}

TEST_F(AidsTest, ReadoutShowsAngleAndPowerWhileAiming) {
    platform.cursor = {200 + LAUNCH_DX + 50, static_cast<int>(STANDING_Y) + LAUNCH_DY - 50};
    readCursor();
    shotPower = maxShotPower / 2;
    drawAimReadout(camera);
    EXPECT_EQ(drawn("45\xB0  50%"), 9);  // outlined
    battleState.shotFired = 1;           // nothing while the shot flies
    platform.texts.clear();
    drawAimReadout(camera);
    EXPECT_TRUE(platform.texts.empty());
}

TEST_F(AidsTest, TextGetsAnOutlineAllRoundAndTheClockCountsSeconds) {
    drawShadowedText(100, 50, "7", false);
    ASSERT_EQ(platform.texts.size(), 9u);
    const auto [wx, wy, text, white, centred] = platform.texts.back();  // where the designed one stands
    EXPECT_EQ(std::pair(wx, wy), std::pair(99, 51));
    for (int i = 0; i < 8; ++i) {
        const auto& [x, y, t, colour, c] = platform.texts[static_cast<std::size_t>(i)];
        EXPECT_LE(std::abs(x - 99), 1);
        EXPECT_LE(std::abs(y - 51), 1);
        EXPECT_NE(std::pair(x, y), std::pair(99, 51));
        EXPECT_NE(colour, white);
    }
    battleState.turnTimeLeft = 481;  // ticks: 24.05 s
    drawHudTexts();
    EXPECT_EQ(drawn("25"), 9);
    assistEnabled = false;
    platform.texts.clear();
    drawShadowedText(100, 50, "7", false);
    EXPECT_EQ(platform.texts.size(), 2u);
    drawHudTexts();
    EXPECT_EQ(drawn("48"), 2);
}

TEST_F(AidsTest, TraceKeepsTheLastShotOfEachPlayer) {
    battleState.shotFired = 1;
    spawnProjectile(1, 0, 300, 200, 0, 0, 0);
    battle.aids.noteShot(1);  // only on the frame of the tick
    EXPECT_TRUE(battle.aids.traces[0].dots.empty());
    battle.aids.noteShot(0);
    projectiles[0].x = 310;
    battle.aids.noteShot(0);
    ASSERT_EQ(battle.aids.traces[0].dots.size(), 2u);
    EXPECT_EQ(battle.aids.traces[0].dots[1].x, 310);

    battleState.shotFired = 0;  // the same player's next shot replaces it
    battle.aids.noteShot(0);
    battleState.shotFired = 1;
    battle.aids.noteShot(0);
    EXPECT_EQ(battle.aids.traces[0].dots.size(), 1u);

    camera.scrollX = 100;
    drawShotTraces(battle.aids, camera);
    EXPECT_EQ(pixel(210, 200), bright(0));
    EXPECT_EQ(pixel(211, 201), bright(0));
    EXPECT_EQ(pixel(212, 200), 0);
}

TEST_F(AidsTest, DamageBarShowsWhatIsLeft) {
    players[0].damage = DESTROYING_DAMAGE / 4;  // three quarters left: 30 of 40 pixels
    drawDamageBars(camera);
    const int left = 200 + 20, y = static_cast<int>(STANDING_Y) - 8;
    EXPECT_EQ(pixel(left, y), bright(0));
    EXPECT_EQ(pixel(left + 29, y), bright(0));
    EXPECT_NE(pixel(left + 30, y), bright(0));
    EXPECT_NE(pixel(left + 30, y), 0);  // the dark rest of the bar
    players[0].isDead = 1;
    FillSurface(backBuffer, 0);
    drawDamageBars(camera);
    EXPECT_EQ(pixel(left, y), 0);
}

TEST_F(AidsTest, ArrowsPointToFortressesOffScreen) {
    EXPECT_GE(arrowTipToward(5000, 240).x, 640 - 25);
    EXPECT_GT(arrowTipToward(320, -5000).y, 2 * fontHeight);         // below the name and the message
    EXPECT_LT(arrowTipToward(320, 5000).y, 480 - 45 - fontHeight);  // above the weapon and power bars

    drawFortressArrows(camera);  // player 1 stands at x 1000, off the screen to the right
    const ArrowTip tip = arrowTipToward(1000 + 40, static_cast<int>(STANDING_Y) + 25);
    int inColour = 0;  // the arrow's body, around its tip
    for (int y = tip.y - 10; y <= tip.y + 10; ++y)
        for (int x = tip.x - 16; x <= tip.x; ++x) inColour += pixel(x, y) == bright(1);
    EXPECT_GT(inColour, 40);
    int own = 0;  // player 0's fortress is on screen: no arrow of its colour
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) own += pixel(x, y) == bright(0);
    EXPECT_EQ(own, 0);
}

TEST_F(AidsTest, HumanKeepsWeaponAndAim) {
    players[0].ammo[3] = 2;
    battle.aids.keepAim(3, 200, -100);
    camera.cameraToPlayer(players[0]);
    battle.aids.restoreTurn(camera);
    EXPECT_EQ(selectedWeapon, 3);
    // Where the camera comes to rest: x scroll 0 (the launch point is left of the screen's centre),
    // y scroll the launch height + 20 less half the screen.
    EXPECT_EQ(platform.cursor.x, 200 + LAUNCH_DX + 200);
    EXPECT_EQ(platform.cursor.y, LAUNCH_DY - 100 - 20 + 240);

    players[0].ammo[3] = 0;  // no stock left: the turn keeps the MISSILE
    selectedWeapon = weapon::MISSILE;
    battle.aids.restoreTurn(camera);
    EXPECT_EQ(selectedWeapon, weapon::MISSILE);

    players[0].isComputer = 1;  // a computer's aim is its own
    platform.cursor = {1, 1};
    battle.aids.restoreTurn(camera);
    EXPECT_EQ(platform.cursor.x, 1);
}

TEST_F(AidsTest, ShopSaysWhyThereIsNoCrate) {
    ShopState shop;
    players[currentPlayer].money = 0;
    drawShopScreen(shop);
    EXPECT_EQ(drawn("NOT ENOUGH MONEY"), 2);  // the shadow and the text
    assistEnabled = false;
    platform.texts.clear();
    drawShopScreen(shop);
    EXPECT_EQ(drawn("NOT ENOUGH MONEY"), 0);
}

}  // namespace
