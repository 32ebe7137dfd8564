#include "weapons/explosion.h"

#include "weapons_test_support.h"

namespace {

constexpr int MISSILE = 1;
constexpr int GROUND_DEFENSE = 8;
constexpr int GIMLET = 10;

class Explosion : public WeaponsWorld {
protected:
    // A record at the end of its explosion, as the tick pass hands it over.
    static Projectile& exploded(int kind, float x, float y, float vx = 0, float vy = 0) {
        spawnProjectile(kind, kind - 1, x, y, vx, vy, 0);
        Projectile& p = projectiles[0];
        p.state = EXPLODING;
        p.frame = static_cast<std::uint16_t>(weaponSpecs[kind].explosionTicks + 1);
        return p;
    }
};

TEST_F(Explosion, DamageCountsBytesAndPaysTheShooterEvenForItsOwnFortress) {
    const int shape = weaponSpecs[MISSILE].explosionImage + weaponSpecs[MISSILE].explosionTicks;
    setSolidImage(shape, 10, 10);
    players[0].x = 100;
    players[0].y = 100;
    players[1].x = 1000;
    players[1].y = 100;
    players[0].money = 7;
    finishExplosion(exploded(MISSILE, 140, 120));
    // Each solid row of 10 pixels inside the fortress: 2 x 10 - 1 byte positions, plus one for
    // the solid pixel right of it.
    EXPECT_EQ(players[0].damage, 10 * 20);
    EXPECT_EQ(players[0].money, 7 + 10 * 20);
    EXPECT_EQ(players[1].damage, 0);
    EXPECT_EQ(raznoe[9].surface->row(20)[40], 0);
    EXPECT_EQ(projectiles[0].kind, 0);

    finishExplosion(exploded(MISSILE, 140, 120));
    EXPECT_EQ(players[0].damage, 10 * 20) << "the pixels were already gone";
    EXPECT_EQ(players[0].money, 7 + 10 * 20);
}

TEST_F(Explosion, DestroyedFortressStillLosesPixelsAndPays) {
    setSolidImage(weaponSpecs[MISSILE].explosionImage + weaponSpecs[MISSILE].explosionTicks, 4, 4);
    players[1].x = 500;
    players[1].y = 300;
    players[1].isDead = 1;
    players[1].damage = 2600;
    finishExplosion(exploded(MISSILE, 520, 320));
    EXPECT_GT(players[1].damage, 2600);
    EXPECT_EQ(players[0].money, players[1].damage - 2600);
}

TEST_F(Explosion, CraterIsDugAtThePointOfImpact) {
    fillGround(200, WORLD_HEIGHT);
    finishExplosion(exploded(MISSILE, 400, 400));
    EXPECT_EQ(landscape().row(400)[400 + 20], 0);
    EXPECT_EQ(landscape().row(400)[400 - 20], 0);
    EXPECT_NE(landscape().row(400)[400 + 30], 0);  // the radius is 28
    EXPECT_NE(landscape().row(400)[400 - 30], 0);
}

TEST_F(Explosion, GimletDigsFiveCratersAlongItsPathAndDamagesNoFortress) {
    fillGround(200, WORLD_HEIGHT);
    setSolidImage(weaponSpecs[GIMLET].explosionImage + weaponSpecs[GIMLET].explosionTicks, 40, 40);
    players[0].x = 360;
    players[0].y = 380;
    finishExplosion(exploded(GIMLET, 400, 400, 30, 0));
    EXPECT_EQ(players[0].damage, 0);
    EXPECT_EQ(players[0].money, 0);
    EXPECT_EQ(landscape().row(400)[350], 0);  // first crater, radius 52
    EXPECT_NE(landscape().row(400)[344], 0);
    EXPECT_EQ(landscape().row(400)[400 + 4 * 30 + 40], 0);  // fifth crater at 520, radius 43
    EXPECT_NE(landscape().row(400)[600], 0);
}

TEST_F(Explosion, GroundDefenseStampsAWallAndLeavesFortressesWhole) {
    const WeaponSpec& kindRow = weaponSpecs[GROUND_DEFENSE];
    setSolidImage(kindRow.explosionImage + kindRow.explosionTicks, 20, 10);
    setSolidImage(kindRow.explosionImage + kindRow.explosionTicks + 1, 20, 10, 0x1234);
    players[0].x = 480;
    players[0].y = 280;
    finishExplosion(exploded(GROUND_DEFENSE, 500, 300));
    EXPECT_EQ(landscape().row(295)[490], 0x1234);
    EXPECT_EQ(landscape().row(304)[509], 0x1234);
    EXPECT_EQ(landscape().row(294)[490], 0);
    EXPECT_EQ(landscape().row(295)[510], 0);
    EXPECT_EQ(players[0].damage, 0);
    EXPECT_EQ(raznoe[9].surface->row(20)[20], 0x7FFF);
    EXPECT_EQ(projectiles[0].kind, 0);
}

TEST_F(Explosion, HitBecomesAnExplosionAtTheNextTickAndEndsAfterItsLastPicture) {
    spawnProjectile(MISSILE, 0, 300, 300, 0, 0, 0);
    projectiles[0].state = HIT;
    frame();
    EXPECT_EQ(projectiles[0].state, EXPLODING);
    EXPECT_EQ(projectileImage(projectiles[0]), weaponSpecs[MISSILE].explosionImage);
    frames(3 * weaponSpecs[MISSILE].explosionTicks);
    EXPECT_EQ(projectileImage(projectiles[0]),
              weaponSpecs[MISSILE].explosionImage + weaponSpecs[MISSILE].explosionTicks);
    frames(3);
    EXPECT_EQ(projectiles[0].kind, 0);
}

}  // namespace
