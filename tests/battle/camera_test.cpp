#include "battle_fixture.h"

namespace {

using CameraTest = BattleTest;

TEST_F(CameraTest, GlidesATwentiethOfTheWayAtLeastOnePixel) {
    cameraTargetX = 320 + 400;  // 400 to the right of the screen's centre
    cameraTargetY = 240;
    cameraFollow();
    EXPECT_EQ(scrollX, 20);
    EXPECT_EQ(scrollY, 0);
    cameraTargetX = 20 + 320 + 1;
    cameraFollow();
    EXPECT_EQ(scrollX, 21);
    cameraFollow();
    EXPECT_EQ(scrollX, 21);
}

TEST_F(CameraTest, StopsAtTheWorldsEdgesAndPullsTheTargetBack) {
    cameraTargetX = -200;
    cameraFollow();
    EXPECT_EQ(scrollX, 0);
    EXPECT_EQ(cameraTargetX, 320);
    scrollX = 890;
    cameraTargetX = 1536;
    cameraFollow();
    EXPECT_EQ(scrollX, 1536 - 640);
    EXPECT_EQ(cameraTargetX, 320 + 896);
}

TEST_F(CameraTest, FullHeightScreenNeverScrollsVertically) {
    useScreen(1024, 768, 3);
    for (int target : {0, 300, 768, 2000}) {
        cameraTargetY = static_cast<std::int16_t>(target);
        for (int f = 0; f < 50; ++f) cameraFollow();
        EXPECT_EQ(scrollY, 0);
    }
}

TEST_F(CameraTest, EdgeSpeedRampsUpAndBackInTwoFrames) {
    cursorPos = {2, 200};
    edgeScroll();
    EXPECT_EQ(edgeSpeedX, -8);
    edgeScroll();
    EXPECT_EQ(edgeSpeedX, -16);
    edgeScroll();
    EXPECT_EQ(edgeSpeedX, -16);
    EXPECT_EQ(cameraTargetX, -8 - 16 - 16);
    cursorPos = {320, 200};
    edgeScroll();
    EXPECT_EQ(edgeSpeedX, -8);
    edgeScroll();
    EXPECT_EQ(edgeSpeedX, 0);
    cursorPos = {640 - 6, 479};
    edgeScroll();
    EXPECT_EQ(edgeSpeedX, 8);
    EXPECT_EQ(edgeSpeedY, 8);
}

TEST_F(CameraTest, MouseAtTheLeftEdgeKeepsTheCameraAtZero) {
    cursorPos = {0, 240};
    for (int f = 0; f < 10; ++f) {
        edgeScroll();
        cameraFollow();
        EXPECT_EQ(scrollX, 0);
        EXPECT_EQ(cameraTargetX, 320);
    }
}

TEST_F(CameraTest, LastProjectileInFlightTakesTheCamera) {
    projectiles[3] = Projectile{};
    projectiles[3].kind = 1, projectiles[3].x = 100.7f, projectiles[3].y = 50.2f;
    projectiles[9] = Projectile{};
    projectiles[9].kind = 4, projectiles[9].x = 900.9f, projectiles[9].y = -30.5f;
    cameraOnProjectiles();
    EXPECT_EQ(cameraTargetX, 900);
    EXPECT_EQ(cameraTargetY, -30);
    currentPlayer = 1;
    players[1].x = 500.5f, players[1].y = 300.9f;
    cameraToPlayer();
    EXPECT_EQ(cameraTargetX, 540);
    EXPECT_EQ(cameraTargetY, 320);
}

}  // namespace
