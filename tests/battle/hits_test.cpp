#include "battle/hits.h"

#include "battle_fixture.h"
#include "weapons/weapon_specs.h"

namespace {

constexpr int MISSILE = 1;
constexpr int GRENADE = 3;
constexpr int GIMLET = 10;

class HitTest : public BattleTest {
protected:
    // A projectile in the air whose 8 x 8 picture is centred on (x, y).
    Projectile& shot(int kind, std::uint16_t state, float x, float y) {
        Projectile& p = projectiles[0];
        p = Projectile{};
        p.kind = static_cast<std::uint16_t>(kind);
        p.state = state;
        p.imageBase = 1;
        p.x = x;
        p.y = y;
        setImage(projectileImage(p), 8, 8, 0xFFFF);
        return p;
    }
    static bool exploded(const Projectile& p) {
        return p.state == HIT && p.frame == 0 && p.imageBase == weaponSpecs[p.kind].explosionImage;
    }
};

TEST_F(HitTest, GroundStopsOnlyNonBouncingFlyers) {
    const Projectile& missile = shot(MISSILE, FLYING, 300, GROUND_Y + 2);
    resolveHits(crates);
    EXPECT_TRUE(exploded(missile));
    const Projectile& grenade = shot(GRENADE, FLYING, 300, GROUND_Y + 2);
    resolveHits(crates);
    EXPECT_EQ(grenade.state, FLYING);
    // Still launching: no pass-through for a bouncing kind either.
    const Projectile& launching = shot(GRENADE, LAUNCHING, 300, GROUND_Y + 2);
    resolveHits(crates);
    EXPECT_TRUE(exploded(launching));
}

TEST_F(HitTest, OneProjectileCanExplodeOnSeveralShieldsInOnePass) {
    numPlayers = 3;
    currentPlayer = 0;
    players[1].x = 300, players[1].y = 200, players[1].shieldHits = 3;
    players[2].x = 330, players[2].y = 200, players[2].shieldHits = 3;
    // Inside both shields (x - 20 .. x + 100, y - 35 .. y + 65), above both fortresses.
    Projectile& p = shot(MISSILE, FLYING, 340, 175);
    resolveHits(crates);
    EXPECT_EQ(players[1].shieldHits, 2);
    EXPECT_EQ(players[2].shieldHits, 2);
    EXPECT_TRUE(exploded(p));
    resolveHits(crates);  // no longer flying: not tested again
    EXPECT_EQ(players[1].shieldHits, 2);
}

TEST_F(HitTest, ShootersShieldNeverStopsItsShot) {
    players[0].x = 300, players[0].y = 200, players[0].shieldHits = 3;
    Projectile& p = shot(MISSILE, FLYING, 340, 175);
    resolveHits(crates);
    EXPECT_EQ(players[0].shieldHits, 3);
    EXPECT_EQ(p.state, FLYING);
}

TEST_F(HitTest, ShootersFortressIsSparedOnlyDuringGraceTicks) {
    players[0].x = 300, players[0].y = 200;
    Projectile& p = shot(MISSILE, FLYING, 320, 220);
    p.graceTicks = 4;
    resolveHits(crates);
    EXPECT_EQ(p.state, FLYING);
    p.graceTicks = 0;
    resolveHits(crates);
    EXPECT_TRUE(exploded(p));
    // A launching shot never hits its own fortress, grace or not.
    Projectile& launching = shot(MISSILE, LAUNCHING, 320, 220);
    resolveHits(crates);
    EXPECT_EQ(launching.state, LAUNCHING);
}

TEST_F(HitTest, OtherFortressesStopShotsDestroyedOrNot) {
    players[1].x = 600, players[1].y = 200, players[1].isDead = 1;
    Projectile& p = shot(MISSILE, LAUNCHING, 620, 220);
    resolveHits(crates);
    EXPECT_TRUE(exploded(p));
}

TEST_F(HitTest, GimletPassesShieldsFortressesAndCrates) {
    players[1].x = 600, players[1].y = 200, players[1].shieldHits = 3;
    crates[0] = {610.0f, 150.0f, 0.0f, 1};
    Projectile& p = shot(GIMLET, FLYING, 620, 170);
    resolveHits(crates);
    EXPECT_EQ(p.state, FLYING);
    EXPECT_EQ(players[1].shieldHits, 3);
    EXPECT_EQ(crates[0].kind, 1);
}

TEST_F(HitTest, CrateHitPaysTheShooterAndIsCleared) {
    currentPlayer = 1;
    crates[0] = {610.0f, 150.0f, 0.0f, 1};
    Projectile& p = shot(MISSILE, FLYING, 620, 160);
    resolveHits(crates);
    EXPECT_TRUE(exploded(p));
    EXPECT_EQ(crates[0].kind, 0);
    EXPECT_GE(players[1].money, 1000);
    EXPECT_EQ(battleState.message.rfind("NONAME 02 : ", 0), 0u);
    // Launching shots do not collect crates.
    crates[0] = {610.0f, 150.0f, 0.0f, 1};
    shot(MISSILE, LAUNCHING, 620, 160);
    resolveHits(crates);
    EXPECT_EQ(crates[0].kind, 1);
}

}  // namespace
