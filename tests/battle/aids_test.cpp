// The aiming aids: what each draws and remembers, and that the designed game draws none of it.
#include <string>

#include "battle/aids.h"
#include "battle/hud.h"
#include "battle/turns.h"
#include "battle_fixture.h"
#include "gfx/text.h"
#include "screens/shop.h"

namespace {

// Every text drawn, as the font was asked for it.
struct RecordingFont final : platform::FontRenderer {
    struct Drawn {
        int x, y;
        std::string text;
        std::uint32_t colour;
    };
    std::vector<Drawn> drawn;
    bool open(int) override { return true; }
    void draw(std::uint16_t*, int, int, int, int, int x, int y, std::string_view text, std::uint32_t colour,
              bool) override {
        drawn.push_back({x, y, std::string(text), colour});
    }
    int count(std::string_view text) const {
        return static_cast<int>(std::count_if(drawn.begin(), drawn.end(), [&](const Drawn& d) { return d.text == text; }));
    }
};

struct FontPlatform : KeyedPlatform {
    RecordingFont recordingFont;
    platform::FontRenderer& font() override { return recordingFont; }
};

class AidsTest : public BattleTest {
protected:
    void SetUp() override {
        BattleTest::SetUp();
        fontHeight = 12;
        assistEnabled = true;
        standAt(0, 100);
        standAt(1, 1300);
    }
    void TearDown() override {
        assistEnabled = false;
        BattleTest::TearDown();
    }
    std::uint16_t at(int x, int y) const { return backBuffer->row(y)[x]; }
    FontPlatform fonts;  // set after the fixture's platform: the one the game sees
};

TEST_F(AidsTest, AngleIsDegreesAboveTheHorizon) {
    const struct {
        int dx, dy, degrees;
    } cases[] = {{10, 0, 0}, {10, -10, 45}, {0, -10, 90}, {-10, -10, 135}, {-10, 0, 180}, {10, 10, -45}, {0, 0, 90}};
    for (const auto& c : cases) EXPECT_EQ(aimAngleDegrees(c.dx, c.dy), c.degrees) << c.dx << "," << c.dy;
}

TEST_F(AidsTest, ReadoutShowsAngleAndPowerWhileAiming) {
    fonts.cursor = {static_cast<int>(players[0].x) + LAUNCH_DX + 50, static_cast<int>(players[0].y) + LAUNCH_DY - 50};
    readCursor();
    shotPower = maxShotPower / 2;
    drawAimReadout(camera);
    EXPECT_EQ(fonts.recordingFont.count("45\xB0  50%"), 9);  // outlined
    battleState.shotFired = 1;  // nothing while the shot flies
    fonts.recordingFont.drawn.clear();
    drawAimReadout(camera);
    EXPECT_TRUE(fonts.recordingFont.drawn.empty());
}

TEST_F(AidsTest, TextGetsAnOutlineAllRound) {
    drawShadowedText(100, 50, "7", false);
    const auto& d = fonts.recordingFont.drawn;
    ASSERT_EQ(d.size(), 9u);
    EXPECT_EQ(d.back().x, 99);  // the white copy last, where the designed one stands
    EXPECT_EQ(d.back().y, 51);
    for (int i = 0; i < 8; ++i) {
        EXPECT_LE(std::abs(d[i].x - 99), 1);
        EXPECT_LE(std::abs(d[i].y - 51), 1);
        EXPECT_NE(d[i].colour, d.back().colour);
    }
    assistEnabled = false;
    fonts.recordingFont.drawn.clear();
    drawShadowedText(100, 50, "7", false);
    EXPECT_EQ(fonts.recordingFont.drawn.size(), 2u);
}

TEST_F(AidsTest, ClockCountsSecondsWithTheAids) {
    battleState.turnTimeLeft = 481;  // ticks: 24.05 s
    drawHudTexts();
    EXPECT_EQ(fonts.recordingFont.count("25"), 9);
    assistEnabled = false;
    drawHudTexts();
    EXPECT_EQ(fonts.recordingFont.count("48"), 2);
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

    battleState.shotFired = 0;  // the next shot of the same player replaces it
    battle.aids.noteShot(0);
    battleState.shotFired = 1;
    battle.aids.noteShot(0);
    EXPECT_EQ(battle.aids.traces[0].dots.size(), 1u);

    camera.scrollX = 100;
    FillSurface(backBuffer, 0);
    drawShotTraces(battle.aids, camera);
    EXPECT_EQ(at(210, 200), playerBrightPixel(players[0].colour));
    EXPECT_EQ(at(211, 201), playerBrightPixel(players[0].colour));
    EXPECT_EQ(at(212, 200), 0);
}

TEST_F(AidsTest, DamageBarShowsWhatIsLeft) {
    players[0].damage = DESTROYING_DAMAGE / 4;  // three quarters left: 30 of 40 pixels
    FillSurface(backBuffer, 0);
    drawDamageBars(camera);
    const int left = 100 + 20, y = GROUND_Y - 48 - 8;
    EXPECT_EQ(at(left, y), playerBrightPixel(players[0].colour));
    EXPECT_EQ(at(left + 29, y), playerBrightPixel(players[0].colour));
    EXPECT_NE(at(left + 30, y), playerBrightPixel(players[0].colour));
    EXPECT_NE(at(left + 30, y), 0);  // the dark rest of the bar
    players[0].isDead = 1;
    FillSurface(backBuffer, 0);
    drawDamageBars(camera);
    EXPECT_EQ(at(left, y), 0);
}

TEST_F(AidsTest, ArrowsPointToFortressesOffScreen) {
    const ArrowTip right = arrowTipToward(5000, 240);
    EXPECT_GE(right.x, 640 - 25);
    const ArrowTip up = arrowTipToward(320, -5000);
    EXPECT_GT(up.y, 2 * fontHeight);  // below the name and the message
    const ArrowTip down = arrowTipToward(320, 5000);
    EXPECT_LT(down.y, 480 - 45 - fontHeight);  // above the weapon and power bars

    FillSurface(backBuffer, 0);
    drawFortressArrows(camera);  // player 1 stands at x 1300, far to the right
    const ArrowTip tip = arrowTipToward(1300 + 40, GROUND_Y - 48 + 25);
    EXPECT_EQ(at(tip.x - 3, tip.y), playerBrightPixel(players[1].colour));
    int own = 0;  // player 0's fortress is on screen: no arrow of its colour
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) own += at(x, y) == playerBrightPixel(players[0].colour);
    EXPECT_EQ(own, 0);
}

TEST_F(AidsTest, HumanKeepsWeaponAndAim) {
    players[0].ammo[3] = 2;
    battle.aids.keepAim(3, 200, -100);
    camera.cameraToPlayer(players[0]);
    selectedWeapon = weapon::MISSILE;
    battle.aids.restoreTurn(camera);
    EXPECT_EQ(selectedWeapon, 3);
    // The camera comes to rest with the launch point's x 40 right of centre: scroll 140 - 320 -> 0.
    EXPECT_EQ(fonts.cursor.x, 100 + LAUNCH_DX + 200);
    EXPECT_EQ(fonts.cursor.y, GROUND_Y - 48 + LAUNCH_DY - 100 - (GROUND_Y - 48 + 20 - 240));

    players[0].ammo[3] = 0;  // no stock left: the turn keeps the MISSILE
    selectedWeapon = weapon::MISSILE;
    battle.aids.restoreTurn(camera);
    EXPECT_EQ(selectedWeapon, weapon::MISSILE);

    players[0].isComputer = 1;  // a computer's aim is its own
    fonts.cursor = {1, 1};
    battle.aids.restoreTurn(camera);
    EXPECT_EQ(fonts.cursor.x, 1);
}

TEST_F(AidsTest, ShopSaysWhyThereIsNoCrate) {
    ShopState shop;
    players[currentPlayer].money = 0;
    drawShopScreen(shop);
    EXPECT_EQ(fonts.recordingFont.count("NOT ENOUGH MONEY"), 2);  // the shadow and the text
    assistEnabled = false;
    fonts.recordingFont.drawn.clear();
    drawShopScreen(shop);
    EXPECT_EQ(fonts.recordingFont.count("NOT ENOUGH MONEY"), 0);
}

}  // namespace
