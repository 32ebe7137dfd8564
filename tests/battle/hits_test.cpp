#include "battle/hits.h"

#include "battle_fixture.h"

namespace {

constexpr int MISSILE = 1, GROUND_DEFENSE = 8, GIMLET = 10;

class HitTest : public BattleTest {
protected:
    // Resolves the hits of a projectile whose 8 x 8 picture is centred on (x, y); true if it exploded.
    bool hits(int kind, std::uint16_t state, float x, float y, int grace = 0) {
        clearProjectiles();
        spawnProjectile(kind, kind - 1, x, y, 0, 0, grace);
        Projectile& p = projectiles[0];
        p.state = state, p.imageBase = 1;
        setImage(projectileImage(p), 8, 8);
        resolveHits(crates);
        return p.state == HIT && p.frame == 0 && p.imageBase == weaponSpecs[kind].explosionImage;
    }
};

TEST_F(HitTest, OneProjectileCanExplodeOnSeveralShieldsInOnePass) {
    numPlayers = 3;
    players[1].x = 300, players[1].y = 200, players[1].shieldHits = 3;
    players[2].x = 330, players[2].y = 200, players[2].shieldHits = 3;
    EXPECT_TRUE(hits(MISSILE, FLYING, 340, 175));  // inside both shields, above both fortresses
    resolveHits(crates);                           // no longer flying: not tested again
    EXPECT_EQ(Ints({players[1].shieldHits, players[2].shieldHits}), Ints({2, 2}));
}

TEST_F(HitTest, ShootersShieldNeverStopsItsShotAndItsFortressOnlyAfterTheGrace) {
    players[0].x = 300, players[0].y = 200, players[0].shieldHits = 3;
    EXPECT_FALSE(hits(MISSILE, FLYING, 340, 175));
    EXPECT_EQ(players[0].shieldHits, 3);
    EXPECT_FALSE(hits(MISSILE, FLYING, 320, 220, 1));
    EXPECT_TRUE(hits(MISSILE, FLYING, 320, 220, 0));
    EXPECT_FALSE(hits(MISSILE, LAUNCHING, 320, 220)) << "a launching shot spares it always";
}

TEST_F(HitTest, OnlyGimletAndGroundDefensePassShieldsFortressesAndCrates) {
    players[1].shieldHits = 3;
    crates[0] = {1010.0f, STANDING_Y - 20, 0.0f, 1};
    EXPECT_FALSE(hits(GIMLET, FLYING, 1020, STANDING_Y + 3));
    EXPECT_FALSE(hits(GROUND_DEFENSE, FLYING, 1020, STANDING_Y + 3));
    EXPECT_EQ(Ints({players[1].shieldHits, crates[0].kind}), Ints({3, 1}));
    EXPECT_TRUE(hits(MISSILE, FLYING, 1020, STANDING_Y + 3));
}

TEST_F(HitTest, CrateHitPaysTheShooterAndIsClearedButNotByALaunchingShot) {
    currentPlayer = 1;
    crates[0] = {610.0f, 150.0f, 0.0f, 1};
    EXPECT_FALSE(hits(MISSILE, LAUNCHING, 620, 160));
    EXPECT_EQ(crates[0].kind, 1);
    const std::uint32_t seed = seedWhere([] { return true; });
    EXPECT_TRUE(hits(MISSILE, FLYING, 620, 160));
    EXPECT_EQ(crates[0].kind, 0);
    setGameRandState(seed);
    EXPECT_EQ(players[1].money, randScaled(1000) + 1000);
}

}  // namespace
