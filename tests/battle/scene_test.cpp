#include "battle/scene.h"

#include "battle/hud.h"
#include "battle_fixture.h"
#include "gfx/text.h"
#include "weapons/weapon_specs.h"

namespace {

class SceneTest : public BattleTest {
protected:
    void SetUp() override {
        BattleTest::SetUp();
        setImage(93, 100, 10, 0x0AAA);   // filled power bar
        setImage(103, 100, 10, 0x0BBB);  // empty power bar
        setImage(WEAPON_SLOT_IMAGE, 24, 24, 0x0CCC);
        for (int k = 0; k < WEAPON_COUNT; ++k)
            setImage(WEAPON_ICONS[k], 10, 10, static_cast<std::uint16_t>(0x0100 + k));
        for (int i = 0; i < 24; ++i) {
            ImageEntry& tile = fon[i];
            tile.surface = std::make_unique<Surface>(256, 192);
            tile.width = 256;
            tile.height = 192;
        }
    }
    std::uint16_t pixel(int x, int y) const { return backBuffer->pixels[y * backBuffer->pitch + x]; }
};

TEST_F(SceneTest, PowerBarFillsUpToThePower) {
    shotPower = 30;
    drawPowerBar();
    const int y = 480 - 20;
    EXPECT_EQ(pixel(640 - 120, y), 0x0AAA);
    EXPECT_EQ(pixel(640 - 120 + 29, y), 0x0AAA);
    EXPECT_EQ(pixel(640 - 120 + 30, y), 0x0BBB);
    EXPECT_EQ(pixel(640 - 120 + 99, y + 9), 0x0BBB);
}

TEST_F(SceneTest, SmallestScreenRaisesThePowerBar) {
    useScreen(320, 240, 0);
    drawPowerBar();
    EXPECT_EQ(pixel(200, 240 - 45), 0x0BBB);
    EXPECT_EQ(pixel(200, 240 - 20), 0);
}

TEST_F(SceneTest, WeaponBarShowsStockAndTheSelectionInThePlayersColour) {
    currentPlayer = 1;
    players[1].ammo[0] = UNLIMITED_AMMO;
    players[1].ammo[3] = 2;
    selectedWeapon = 5;  // empty, still marked
    drawWeaponBar();
    const int h = 480;
    const std::uint32_t blue = PackColor(0, 0, 60);
    EXPECT_EQ(pixel(24 * 0 + 22, h - 18), 0x0100);
    EXPECT_EQ(pixel(24 * 3 + 22, h - 18), 0x0103);
    EXPECT_EQ(pixel(24 * 5 + 22, h - 18), static_cast<std::uint16_t>(blue));
    EXPECT_EQ(pixel(24 * 7 + 22, h - 18), 0x0CCC);  // an empty slot: frame only
}

TEST_F(SceneTest, LandscapeCoversTheFortressBelowTheGround) {
    standAt(0, 300);
    camera.scrollY = 100;
    // Ground from world y 484 in the tile under the fortress's lower half (tile row 2 from 384).
    Surface& tile = *fon[2 * 6 + 1].surface;
    for (int y = 100; y < 192; ++y) std::fill_n(tile.row(y), 256, 0x4208);
    numPlayers = 1;
    drawBattleScene(battle);
    const int x = 320;
    const int top = GROUND_Y - 48 - 100;
    EXPECT_EQ(pixel(x, top + 2), 0x1234);
    EXPECT_EQ(pixel(x, 490 - 100), 0x4208);  // world y 490: fortress under ground
}

TEST_F(SceneTest, BannerOfThePlayerOnTurnIsRaised) {
    setImage(37, 10, 10, 0x0777);
    setImage(47, 10, 10, 0x0888);
    standAt(0, 100);
    standAt(1, 400);
    drawBattleScene(battle);
    const int top = GROUND_Y - 48;
    EXPECT_EQ(pixel(160 + 2, top - 75 + 2), 0x0777);
    EXPECT_EQ(pixel(460 + 2, top - 40 + 2), 0x0888);
    EXPECT_NE(pixel(460 + 2, top - 75 + 2), 0x0888);
}

}  // namespace
