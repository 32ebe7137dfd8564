#include "weapons/explosion.h"

#include "../battle/battle_fixture.h"

namespace {

constexpr int MISSILE = 1, GROUND_DEFENSE = 8, GIMLET = 10;

class Explosion : public BattleTest {
protected:
    // A record at the end of its explosion, as the tick pass hands it over.
    static Projectile& exploded(int kind, float x, float y, float vx = 0) {
        clearProjectiles();
        spawnProjectile(kind, kind - 1, x, y, vx, 0, 0);
        projectiles[0].state = EXPLODING;
        projectiles[0].frame = static_cast<std::uint16_t>(weaponSpecs[kind].explosionTicks + 1);
        return projectiles[0];
    }
    static int lastPicture(int kind) {
        return weaponSpecs[kind].explosionImage + weaponSpecs[kind].explosionTicks;
    }
};

TEST_F(Explosion, CratersHaveTheRadiusOfTheirExplosionPicture) {
    const std::pair<int, std::vector<int>> radii[] = {
        {1, {28}}, {2, {50}},  {3, {34}},
        {4, {52}}, {5, {34}},  {6, {41}},
        {9, {48}}, {11, {16}}, {GIMLET, {52, 50, 48, 46, 43}}};  // one velocity apart
    for (const auto& [kind, expected] : radii) {
        fillLand(0, 0, WORLD_WIDTH, WORLD_HEIGHT);
        finishExplosion(exploded(kind, 400, 300, 120));
        const std::uint16_t* row = landscape().row(300);
        for (int i = 0, cx = 400; i < static_cast<int>(expected.size()); ++i, cx += 120) {
            int left = cx, right = cx;  // the crater's hole and rim along its middle row
            while (row[left - 1] != GROUND) --left;
            while (row[right + 1] != GROUND) ++right;
            EXPECT_EQ(Ints({cx - left, right + 1 - cx}), Ints({expected[i], expected[i]}))
                << kind << ", " << i;
            EXPECT_EQ(row[cx], 0);
        }
    }
}

TEST_F(Explosion, DamageCountsBytesAndPaysTheShooterForEveryFortress) {
    setImage(lastPicture(MISSILE), 10, 10);
    players[0].x = 100, players[0].y = 100, players[0].money = 7;
    finishExplosion(exploded(MISSILE, 140, 120));
    // A solid row of 10 pixels: 2 x 10 - 1 byte positions, plus one for the solid pixel right of it.
    EXPECT_EQ(Ints({players[0].damage, players[0].money}), Ints({200, 207}));
    EXPECT_EQ(raznoe[FORTRESS_PICTURE].surface->row(20)[40], 0);
    EXPECT_EQ(projectiles[0].kind, 0);
    finishExplosion(exploded(MISSILE, 140, 120));
    EXPECT_EQ(players[0].damage, 200) << "the pixels were already gone";
    players[1].isDead = 1, players[1].damage = 2600;
    finishExplosion(exploded(MISSILE, 1020, STANDING_Y + 20));  // a destroyed fortress still pays
    EXPECT_EQ(Ints({players[1].damage, players[0].money}), Ints({2800, 407}));
    setImage(lastPicture(GIMLET), 10, 10);
    finishExplosion(exploded(GIMLET, 1050, STANDING_Y + 20));
    EXPECT_EQ(players[1].damage, 2800) << "the gimlet damages no fortress";
}

}  // namespace
