#include <cmath>
#include <map>
#include <vector>

#include "weapons/explosion.h"
#include "weapons_test_support.h"

namespace {

constexpr int SUPER_GRENADE = 4;
constexpr int HYPER_TUBE = 6;
constexpr int DIRECT_MISSILE = 5;
constexpr int GRENADE = 3;

using Flight = WeaponsWorld;

TEST(WeaponTable, CraterRadiiFollowFromTheExplosionPictures) {
    const std::map<int, std::vector<int>> expected{
        {1, {28}}, {2, {50}}, {3, {34}}, {4, {52}},
        {5, {34}}, {6, {41}}, {9, {48}}, {10, {52, 50, 48, 46, 43}},
        {11, {16}}};
    for (const auto& [kind, radii] : expected) {
        const WeaponSpec& kindRow = weaponSpecs[kind];
        std::vector<int> dug;
        // The first crater comes with the frame just past the last explosion picture.
        for (int i = 0; i < kindRow.craterCount; ++i)
            dug.push_back(craterRadius(kindRow.explosionImage + kindRow.explosionTicks + 1 - i));
        EXPECT_EQ(dug, radii) << "kind " << kind;
    }
}

TEST(WeaponTable, RowsShowTheirFirstPictureBeforeADirectionIsKnown) {
    for (int kind = 1; kind < KIND_COUNT; ++kind)
        EXPECT_EQ(weaponSpecs[kind].flightFrames[0], weaponSpecs[kind].flightFrames[1]) << kind;
    EXPECT_EQ(weaponSpecs[1].flightFrames[10], 115);  // a missile flying right
    EXPECT_EQ(weaponSpecs[GRENADE].flightFrames[28], 183);
}

TEST(Direction, CompassPointsAndTheSlantNearlyStraightUp) {
    EXPECT_EQ(directionIndex(0, -3), 1);
    EXPECT_EQ(directionIndex(3, 0), 10);
    EXPECT_EQ(directionIndex(0, 3), 19);
    EXPECT_EQ(directionIndex(-3, 0), 28);
    EXPECT_EQ(directionIndex(2, -2), 5);  // 45 degrees: 4.5 steps, truncated
    EXPECT_EQ(directionIndex(-2, 2), 23);
    EXPECT_EQ(directionIndex(-0.01f, -5), 1);  // would be 37 without the straight-up rule
}

TEST_F(Flight, LaunchEndsAtItsLastTickThenTheDirectionPictureShows) {
    spawnProjectile(1, 0, 200, 300, 0, 5, 10);
    EXPECT_EQ(projectileImage(projectiles[0]), weaponSpecs[1].launchImage);
    frame();  // the tick: launchTicks 0 is exceeded at once
    EXPECT_EQ(projectiles[0].state, FLYING);
    EXPECT_EQ(projectileImage(projectiles[0]), weaponSpecs[1].flightFrames[0]);
    frames(3);  // the next tick knows the direction
    EXPECT_EQ(projectileImage(projectiles[0]), weaponSpecs[1].flightFrames[19]);
    EXPECT_EQ(projectiles[0].graceTicks, 8);
}

TEST_F(Flight, SpinningPictureWrapsAfterItsLastImage) {
    spawnProjectile(GRENADE, 2, 200, -5000, 0, 0, 0);
    std::vector<int> shown;
    for (int tick = 0; tick < 25; ++tick) {
        frames(3);
        shown.push_back(projectileImage(projectiles[0]));
    }
    const int base = weaponSpecs[GRENADE].flightFrames[1];
    EXPECT_EQ(shown[1], base + 1);
    EXPECT_EQ(shown[19], base + 19);
    EXPECT_EQ(shown[20], base);
}

TEST_F(Flight, LaunchSpeedAboveTheLimitIsCutPerComponent) {
    spawnProjectile(1, 0, 200, 300, 16, -1, 10);
    frame();
    EXPECT_FLOAT_EQ(projectiles[0].vx, 15.0f);
    EXPECT_FLOAT_EQ(projectiles[0].vy, -1.0f + 0.1f);
}

TEST_F(Flight, SuperGrenadeReleasesThreeGrenadesInConsecutiveFramesThenExplodes) {
    spawnProjectile(SUPER_GRENADE, 3, 700, -3000, 0, 0, 10);
    frames(100);
    EXPECT_EQ(activeProjectileCount(), 1);
    for (int released = 1; released <= 3; ++released) {
        frame();
        EXPECT_EQ(activeProjectileCount(), 1 + released);
        EXPECT_EQ(projectiles[released].kind, GRENADE);
        EXPECT_EQ(projectiles[released].program, 9 + released);
    }
    // Their first row throws them apart and upwards.
    EXPECT_FLOAT_EQ(projectiles[1].vx, -1.0f);
    EXPECT_FLOAT_EQ(projectiles[2].vx, 1.0f);
    EXPECT_FLOAT_EQ(projectiles[3].vx, 0.0f);
    EXPECT_LT(projectiles[3].vy, -6.0f);
    EXPECT_NE(projectiles[0].state, HIT);
    frame();
    EXPECT_EQ(projectiles[0].state, HIT);
}

TEST_F(Flight, HyperTubeDropsABombletEveryElevenFramesAfterSixty) {
    spawnProjectile(HYPER_TUBE, 5, 700, -5000, 2, 0, 10);
    std::vector<int> drops;
    int active = 1;
    for (int f = 1; f <= 100; ++f) {
        frame();
        if (activeProjectileCount() > active) drops.push_back(f);
        active = activeProjectileCount();
    }
    EXPECT_EQ(drops, (std::vector<int>{61, 72, 83, 94}));
    EXPECT_EQ(projectiles[1].kind, 11);
    EXPECT_EQ(projectiles[1].program, 13);
}

// The closest the missile comes to (tx, ty) while it homes.
float closestApproach(float tx, float ty) {
    float best = 1e9f;
    for (int f = 0; f < 430 && projectiles[0].kind != 0; ++f) {
        frame();
        best = std::min(best, std::hypot(projectiles[0].x - tx, projectiles[0].y - ty));
    }
    return best;
}

TEST_F(Flight, DirectMissileHomesOnTheMarkedPointAndExplodesWhenItsTimeIsUp) {
    homingTargetX = 1100;
    homingTargetY = 200;
    spawnProjectile(DIRECT_MISSILE, 4, 300, 500, -3, -3, 10);
    EXPECT_LT(closestApproach(1100, 200), 20.0f);
    EXPECT_NEAR(projectiles[0].x, 1100, 150);
    EXPECT_NE(projectiles[0].state, HIT);
    frame();  // the idle row
    EXPECT_NE(projectiles[0].state, HIT);
    frame();
    EXPECT_EQ(projectiles[0].state, HIT);
}

TEST_F(Flight, DirectMissileWithoutATargetHeadsForTheWorldsCorner) {
    spawnProjectile(DIRECT_MISSILE, 4, 400, 300, 3, 0, 10);
    EXPECT_LT(closestApproach(0, 0), 40.0f);
}

TEST_F(Flight, BouncingGrenadeComesToRestAndExplodes) {
    fillGround(600, WORLD_HEIGHT);
    spawnProjectile(GRENADE, 2, 700, 450, 2, 0, 10);
    int f = 0;
    while (f < 3000 && (projectiles[0].state == LAUNCHING || projectiles[0].state == FLYING)) {
        frame();
        ++f;
    }
    EXPECT_EQ(projectiles[0].state, HIT);
    const int restX = static_cast<int>(projectiles[0].x);
    const int restY = static_cast<int>(projectiles[0].y);
    EXPECT_LT(restY, 600);  // it never sank into the ground
    EXPECT_GT(restY, 580);
    EXPECT_GT(restX, 700);
    EXPECT_NE(landscape().row(restY + 15)[restX], 0);
    frames(40);  // the explosion runs out and digs
    EXPECT_EQ(projectiles[0].kind, 0);
    EXPECT_EQ(landscape().row(restY + 15)[restX], 0);
}

TEST_F(Flight, NoBounceInTheTopAndBottomBands) {
    fillGround(0, WORLD_HEIGHT);
    Projectile p;
    p.kind = GRENADE;
    p.vx = 1;
    p.vy = 2;  // r = 7 + about 2.24
    p.x = 700;
    p.y = 384;
    EXPECT_TRUE(bounceOffLandscape(p));
    p.vx = 1;
    p.vy = 2;
    p.y = 17;
    EXPECT_FALSE(bounceOffLandscape(p));
    p.y = WORLD_HEIGHT - 17;
    EXPECT_FALSE(bounceOffLandscape(p));
    EXPECT_FLOAT_EQ(p.vy, 2.0f);
}

TEST_F(Flight, GrenadeSinksThroughTheBottomBandAndIsDropped) {
    fillGround(700, WORLD_HEIGHT);
    spawnProjectile(GRENADE, 2, 700, 760, 0, 3, 10);
    frames(10);
    EXPECT_EQ(projectiles[0].kind, 0);
}

TEST_F(Flight, RecordsLeavingTheWorldAreFreed) {
    spawnProjectile(1, 0, 1590, 300, 10, 0, 10);
    spawnProjectile(1, 0, -50, 300, -11, 0, 10);
    frame();
    EXPECT_EQ(activeProjectileCount(), 0);
}

TEST_F(Flight, FullPoolReportsAndDropsTheShot) {
    for (int i = 0; i < MAX_PROJECTILES; ++i) spawnProjectile(1, 0, 100, 100, 0, 0, 10);
    EXPECT_TRUE(platform.errorBoxes.empty());
    spawnProjectile(2, 1, 200, 200, 0, 0, 10);
    ASSERT_EQ(platform.errorBoxes.size(), 1u);
    EXPECT_EQ(platform.errorBoxes[0], "Не хватает массива для ввода нового гада");
    EXPECT_EQ(activeProjectileCount(), MAX_PROJECTILES);
    for (const Projectile& p : projectiles) EXPECT_EQ(p.kind, 1);
}

TEST_F(Flight, MissingLandscapeIsReportedAndNothingBounces) {
    raznoe[LANDSCAPE_IMAGE] = ImageEntry{};
    Projectile p;
    p.kind = GRENADE;
    p.x = 700;
    p.y = 384;
    p.vy = 1;
    EXPECT_FALSE(bounceOffLandscape(p));
    ASSERT_EQ(platform.errorBoxes.size(), 1u);
    EXPECT_EQ(platform.errorBoxes[0], "error lock powerhnost");
}

}  // namespace
