#include "battle/scene.h"

#include "battle/hud.h"
#include "battle_fixture.h"

namespace {

using SceneTest = BattleTest;

TEST_F(SceneTest, HudTextsAreDrawnWithADarkCopyUnderneath) {
    currentPlayer = 1;
    players[1].ammo[3] = 9999;
    battleState.turnTimeLeft = 499;
    battleState.message = "NONAME 02 : GIMLET";
    const std::pair<int, const char*> lines[] = {{0, "MISSILE : UNLIMITED"}, {3, "SUPER GRENADE : 9999"}};
    for (const auto& [weapon, line] : lines) {
        selectedWeapon = static_cast<std::int16_t>(weapon);
        platform.texts.clear();
        drawHudTexts();
        std::vector<DrawnText> expected;
        const auto shadowed = [&expected](int x, int y, const std::string& text, bool centred) {
            expected.push_back({x, y, text, 0x00000F, centred});
            expected.push_back({x - 1, y + 1, text, 0xFFFFFF, centred});
        };
        shadowed(11, 480 - 18 - 41, line, false);
        shadowed(11, 1, "NONAME 02", false);
        shadowed(320, 1, "49", true);
        shadowed(320, 18 + 1, "NONAME 02 : GIMLET", true);
        EXPECT_EQ(platform.texts, expected);
    }
}

// One point covered by every layer: each layer taken away shows the one below it.
TEST_F(SceneTest, LayersAreDrawnBackToFront) {
    const int px = 525, py = 465;
    for (const int image :
         {RAIN_FRONT_IMAGE + 1, LIGHT_CLOUD_IMAGE, FIRST_SHIELD_IMAGE, 37, FORTRESS_BACK_IMAGE,
          FORTRESS_PICTURE, FIRST_THINK_IMAGE, FIRST_CRATE_IMAGE, 347, 106, RAIN_FRONT_IMAGE, 14})
        setImage(image, 150, 150, static_cast<std::uint16_t>(image));
    setImage(103, 100, 10, 103);
    setImage(14, 256, 192, 0x0777, fon);  // the landscape tile at (512, 384)
    weather.skyColour[0] = 1, weather.skyColour[1] = 2, weather.skyColour[2] = 3;
    weather.precipitation = weather.cloudType = 1;
    weather.backDrops[0] = weather.frontDrops[0] = {500, 440, 1};
    weather.clouds[0] = {500, 440, 1, 1, 0, 0};
    players[0].x = 450, players[0].y = 430, players[0].shieldHits = 1, players[0].isComputer = 1;
    crates[0] = {500, 440, 0, 1};
    directTargetSet = 1;
    battle.directTargetX = px, battle.directTargetY = py;
    spawnProjectile(1, 0, px, py, 0, 0, 10);
    projectiles[0].state = FLYING, projectiles[0].imageBase = 1;
    cursorPos = {px, py};
    bool flash = true;
    const std::pair<std::uint32_t, std::function<void()>> layers[] = {
        {14, [] { cursorPos.x = 0; }},
        {103, [] { raznoe[103] = ImageEntry{}; }},
        {PackColor(25, 25, 31), [&flash] { flash = false; }},
        {RAIN_FRONT_IMAGE, [this] { weather.frontDrops[0].active = 0; }},
        {106, [] { clearProjectiles(); }},
        {347, [] { directTargetSet = 0; }},
        {0x0777, [] { fon[14] = ImageEntry{}; }},
        {FIRST_CRATE_IMAGE, [this] { crates[0].kind = 0; }},
        {FIRST_THINK_IMAGE, [] { players[0].isComputer = 0; }},
        {FORTRESS_PICTURE, [] { raznoe[FORTRESS_PICTURE] = ImageEntry{}; }},
        {FORTRESS_BACK_IMAGE, [] { raznoe[FORTRESS_BACK_IMAGE] = ImageEntry{}; }},
        {37, [] { players[0].isDead = 1; }},
        {FIRST_SHIELD_IMAGE, [] { players[0].shieldHits = 0; }},
        {LIGHT_CLOUD_IMAGE, [this] { weather.clouds[0].active = 0; }},
        {RAIN_FRONT_IMAGE + 1, [this] { weather.backDrops[0].active = 0; }},
        {PackColor(1, 2, 3), [] {}}};
    for (const auto& [shown, takeAway] : layers) {
        weather.flashCount = flash ? 10 : 0;
        drawBattleScene(battle);
        EXPECT_EQ(pixel(px, py), shown);
        takeAway();
    }
}

}  // namespace
