#include "battle_fixture.h"

namespace {

using CameraTest = BattleTest;

TEST_F(CameraTest, EdgeSpeedRampsUpAndBackInTwoFrames) {
    const std::pair<int, int> steps[] = {{5, -8},  {5, -16}, {0, -16},  {6, -8},   {320, 0},
                                         {633, 0}, {634, 8}, {639, 16}, {639, 16}, {633, 8}};
    int target = 0;
    for (const auto& [x, speed] : steps) {
        camera.edgeScroll({x, 474});
        EXPECT_EQ(Ints({camera.edgeSpeedX, camera.cameraTargetX}), Ints({speed, target += speed})) << x;
    }
    EXPECT_EQ(camera.edgeSpeedY, 16) << "474 is at the bottom edge, 473 not";
    camera.edgeScroll({320, 473});
    EXPECT_EQ(camera.edgeSpeedY, 8);
}

}  // namespace
