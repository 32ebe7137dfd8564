#include "battle/wait_animation.h"

#include "battle_fixture.h"

namespace {

using WaitAnimationTest = BattleTest;

TEST_F(WaitAnimationTest, EveryThirdTimerTickDrawsThePictureRunningBackAndForth) {
    setImage(WAIT_PICTURE, 40, 40, 0x0F0F);
    battleState.frameThird = 1;
    beginWaitAnimation();
    std::vector<int> images;
    for (int t = 1; t <= 3 * 24; ++t) {
        waitAnimationTimer();
        EXPECT_EQ(platform.presents, t / 3);
        if (t % 3 == 0) images.push_back(battleState.waitImage.load());
    }
    const std::vector<int> expected{427, 428, 429, 430, 431, 432, 433, 434, 435, 436, 436, 435,
                                    434, 433, 432, 431, 430, 429, 428, 427, 426, 426, 427, 428};
    EXPECT_EQ(images, expected);
    EXPECT_EQ(pixel(320 - 100, 240 - 100), 0x0F0F);
    EXPECT_EQ(battleState.frameThird, 1) << "the battle's tick phase is not the animation's";
    endWaitAnimation();
    for (int t = 0; t < 9; ++t) waitAnimationTimer();
    EXPECT_EQ(platform.presents, 24) << "nothing is drawn outside the set-up";
}

}  // namespace
