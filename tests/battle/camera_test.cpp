#include "battle_fixture.h"

namespace {

using CameraTest = BattleTest;

TEST_F(CameraTest, GlidesATwentiethOfTheWayAtLeastOnePixel) {
    camera.cameraTargetX = 320 + 400;  // 400 to the right of the screen's centre
    camera.cameraTargetY = 240;
    camera.cameraFollow();
    EXPECT_EQ(camera.scrollX, 20);
    EXPECT_EQ(camera.scrollY, 0);
    camera.cameraTargetX = 20 + 320 + 1;
    camera.cameraFollow();
    EXPECT_EQ(camera.scrollX, 21);
    camera.cameraFollow();
    EXPECT_EQ(camera.scrollX, 21);
}

TEST_F(CameraTest, StopsAtTheWorldsEdgesAndPullsTheTargetBack) {
    camera.cameraTargetX = -200;
    camera.cameraFollow();
    EXPECT_EQ(camera.scrollX, 0);
    EXPECT_EQ(camera.cameraTargetX, 320);
    camera.scrollX = 890;
    camera.cameraTargetX = 1536;
    camera.cameraFollow();
    EXPECT_EQ(camera.scrollX, 1536 - 640);
    EXPECT_EQ(camera.cameraTargetX, 320 + 896);
}

TEST_F(CameraTest, FullHeightScreenNeverScrollsVertically) {
    useScreen(1024, 768, 3);
    for (int target : {0, 300, 768, 2000}) {
        camera.cameraTargetY = static_cast<std::int16_t>(target);
        for (int f = 0; f < 50; ++f) camera.cameraFollow();
        EXPECT_EQ(camera.scrollY, 0);
    }
}

TEST_F(CameraTest, EdgeSpeedRampsUpAndBackInTwoFrames) {
    cursorPos = {2, 200};
    camera.edgeScroll(cursorPos);
    EXPECT_EQ(camera.edgeSpeedX, -8);
    camera.edgeScroll(cursorPos);
    EXPECT_EQ(camera.edgeSpeedX, -16);
    camera.edgeScroll(cursorPos);
    EXPECT_EQ(camera.edgeSpeedX, -16);
    EXPECT_EQ(camera.cameraTargetX, -8 - 16 - 16);
    cursorPos = {320, 200};
    camera.edgeScroll(cursorPos);
    EXPECT_EQ(camera.edgeSpeedX, -8);
    camera.edgeScroll(cursorPos);
    EXPECT_EQ(camera.edgeSpeedX, 0);
    cursorPos = {640 - 6, 479};
    camera.edgeScroll(cursorPos);
    EXPECT_EQ(camera.edgeSpeedX, 8);
    EXPECT_EQ(camera.edgeSpeedY, 8);
}

TEST_F(CameraTest, MouseAtTheLeftEdgeKeepsTheCameraAtZero) {
    cursorPos = {0, 240};
    for (int f = 0; f < 10; ++f) {
        camera.edgeScroll(cursorPos);
        camera.cameraFollow();
        EXPECT_EQ(camera.scrollX, 0);
        EXPECT_EQ(camera.cameraTargetX, 320);
    }
}

TEST_F(CameraTest, LastProjectileInFlightTakesTheCamera) {
    projectiles[3] = Projectile{};
    projectiles[3].kind = 1, projectiles[3].x = 100.7f, projectiles[3].y = 50.2f;
    projectiles[9] = Projectile{};
    projectiles[9].kind = 4, projectiles[9].x = 900.9f, projectiles[9].y = -30.5f;
    camera.cameraOnProjectiles();
    EXPECT_EQ(camera.cameraTargetX, 900);
    EXPECT_EQ(camera.cameraTargetY, -30);
    currentPlayer = 1;
    players[1].x = 500.5f, players[1].y = 300.9f;
    camera.cameraToPlayer(players[currentPlayer]);
    EXPECT_EQ(camera.cameraTargetX, 540);
    EXPECT_EQ(camera.cameraTargetY, 320);
}

}  // namespace
