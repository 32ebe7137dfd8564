#include <cmath>

#include "../battle/battle_fixture.h"

namespace {

constexpr int MISSILE = 1, GRENADE = 3, SUPER_GRENADE = 4, DIRECT_MISSILE = 5, HYPER_TUBE = 6;

class Flight : public BattleTest {
protected:
    void SetUp() override {
        BattleTest::SetUp();
        setImage(LANDSCAPE_IMAGE, WORLD_WIDTH, WORLD_HEIGHT, 0);  // open sky
    }
    static Projectile grenade(float x, float y, float vx, float vy) {
        return {.x = x, .y = y, .vx = vx, .vy = vy, .kind = GRENADE};
    }
};

TEST_F(Flight, DirectMissileHomesOnTheMarkedPointOrTheWorldsCornerThenExplodes) {
    for (const auto& [tx, ty] : {std::pair(1100.0f, 200.0f), std::pair(0.0f, 0.0f)}) {  // (0, 0): none marked
        clearProjectiles();
        homingTargetX = tx, homingTargetY = ty;
        spawnProjectile(DIRECT_MISSILE, 4, 400, 300, -3, -3, 10);
        float closest = 1e9f;
        for (int f = 0; f <= 430 && projectiles[0].kind != 0; ++f, frames())
            closest = std::min(closest, std::hypot(projectiles[0].x - tx, projectiles[0].y - ty));
        EXPECT_LT(closest, 25.0f) << tx;
        EXPECT_NE(projectiles[0].state, HIT) << "30 frames of flight, 400 homing, one idle";
        frames();
        EXPECT_EQ(projectiles[0].state, HIT);
    }
}

// A floor, a ceiling and walls: every case of the reflection rule mirrors the motion off the ground
// and keeps 0.8333333 of the speed.
TEST_F(Flight, BounceMirrorsTheMotionOffTheGround) {
    const std::array<float, 10> cases[] = {
        // ground left, top, right, bottom; x, y, vx, vy; mirror x, y
        {0, 400, 1536, 768, 700, 392, 3, 4, 1, -1},
        {0, 400, 1536, 768, 700, 392, -3, 4, 1, -1},
        {0, 0, 1536, 300, 700, 308, 3, -4, 1, -1},
        {708, 0, 1536, 768, 700, 384, 3, 4, -1, 1},
        {0, 0, 692, 768, 700, 384, -3, -4, -1, 1},
        {0, 392, 700, 768, 700, 384, 5, 0, 1, 1}};  // last: the ground behind
    for (const auto& c : cases) {
        setImage(LANDSCAPE_IMAGE, WORLD_WIDTH, WORLD_HEIGHT, 0);
        fillLand(int(c[0]), int(c[1]), int(c[2]), int(c[3]));
        Projectile p = grenade(c[4], c[5], c[6], c[7]);
        const bool bounces = c[8] < 0 || c[9] < 0;
        const float keep = bounces ? 0.8333333f : 1.0f;
        EXPECT_EQ(bounceOffLandscape(p), bounces) << c[6] << ", " << c[7];
        EXPECT_NEAR(std::hypot(p.vx, p.vy), 5 * keep, 1e-5f);
        EXPECT_NEAR(p.vx, c[6] * c[8] * keep, 0.1f) << c[6] << ", " << c[7];
        EXPECT_NEAR(p.vy, c[7] * c[9] * keep, 0.1f) << c[6] << ", " << c[7];
    }
}

TEST_F(Flight, BouncingFrameAddsNoGravityAndRestsBelowATenthOfAPixel) {
    fillLand(0, 400, WORLD_WIDTH, WORLD_HEIGHT);
    battleState.frameThird = 1;  // no tick
    spawnProjectile(GRENADE, 2, 700, 392, 3, 4, 10);
    frames();
    EXPECT_NEAR(projectiles[0].vy, -4 * 0.8333333f, 0.1f);
    EXPECT_FLOAT_EQ(projectiles[0].y, 392 + projectiles[0].vy);
    for (const auto& [vy, rests] : {std::pair(0.11f, true), {0.13f, false}}) {  // 0.092 and 0.108 after
        clearProjectiles();
        battleState.frameThird = 1;
        spawnProjectile(GRENADE, 2, 700, 395, 0, vy, 10);
        frames();
        EXPECT_EQ(projectiles[0].state == HIT, rests) << vy;
    }
    EXPECT_EQ(plays(4), 3) << "every bounce sounds";
}

TEST_F(Flight, NoBounceWithinTwiceTheProbeRadiusOfTheTopAndBottom) {
    fillLand(0, 0, WORLD_WIDTH, WORLD_HEIGHT);
    for (const auto& [y, bounces] :
         {std::pair(24.0f, true), {23.99f, false}, {744.0f, true}, {744.01f, false}}) {
        Projectile p = grenade(700, y, 3, 4);  // probe radius 7 + 5
        EXPECT_EQ(bounceOffLandscape(p), bounces) << y;
    }
    spawnProjectile(GRENADE, 2, 700, 760, 0, 3, 10);  // sinks through the bottom band
    frames(10);
    EXPECT_EQ(projectiles[0].kind, 0);
}

TEST_F(Flight, RecordsBeyondTheWorldsBoundsAreFreed) {
    const std::tuple<float, float, bool> places[] = {
        {1596, 300, true}, {1596.5f, 300, false}, {-60, 300, true},    {-60.5f, 300, false},
        {700, 788, true},  {700, 788.5f, false},  {700, -10000, true}, {700, -10000.5f, false}};
    for (const auto& [x, y, kept] : places) {
        clearProjectiles();
        spawnProjectile(MISSILE, 0, x, y, 0, 0, 10);
        projectiles[0].state = HIT, battleState.frameThird = 1;  // stands still, no tick
        frames();
        EXPECT_EQ(projectiles[0].kind != 0, kept) << x << ", " << y;
    }
}

TEST_F(Flight, FullPoolAndMissingLandscapeAreReported) {
    for (int i = 0; i <= MAX_PROJECTILES; ++i)
        spawnProjectile(MISSILE + (i == MAX_PROJECTILES), 0, 100, 100, 0, 0, 10);
    EXPECT_EQ(platform.errorBoxes, std::vector<std::string>{"Не хватает массива для ввода нового гада"});
    for (const Projectile& p : projectiles) EXPECT_EQ(p.kind, MISSILE);
    raznoe[LANDSCAPE_IMAGE] = ImageEntry{};
    Projectile p = grenade(700, 384, 0, 1);
    EXPECT_FALSE(bounceOffLandscape(p));
    EXPECT_EQ(platform.errorBoxes.back(), "error lock powerhnost");
}

}  // namespace
