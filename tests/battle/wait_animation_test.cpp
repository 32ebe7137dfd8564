#include "battle/wait_animation.h"

#include <atomic>
#include <thread>

#include "battle_fixture.h"

namespace {

using WaitAnimationTest = BattleTest;

TEST_F(WaitAnimationTest, EveryThirdTimerTickDrawsAndStepsThePicture) {
    setImage(437, 40, 40, 0x0F0F);
    battleState.frameThird = 1;
    beginWaitAnimation();
    waitAnimationTimer();
    waitAnimationTimer();
    EXPECT_EQ(battleState.waitImage.load(), 426);
    waitAnimationTimer();
    EXPECT_EQ(battleState.waitImage.load(), 427);
    EXPECT_EQ(platform.presents, 1);
    EXPECT_EQ(backBuffer->pixels[(240 - 100) * 640 + 320 - 100], 0x0F0F);
    // The battle's tick phase is not the animation's.
    EXPECT_EQ(battleState.frameThird, 1);
}

TEST_F(WaitAnimationTest, PictureRunsBackAndForth) {
    beginWaitAnimation();
    std::vector<int> images;
    for (int t = 0; t < 3 * 24; ++t) {
        waitAnimationTimer();
        if (t % 3 == 2) images.push_back(battleState.waitImage.load());
    }
    EXPECT_EQ(images[9], 436);
    EXPECT_EQ(images[10], 436);
    EXPECT_EQ(images[11], 435);
    EXPECT_EQ(images[19], 427);
    EXPECT_EQ(images[20], 426);
    EXPECT_EQ(images[21], 426);
    EXPECT_EQ(images[22], 427);
}

TEST_F(WaitAnimationTest, NothingIsDrawnOutsideTheSetUp) {
    beginWaitAnimation();
    endWaitAnimation();
    for (int t = 0; t < 9; ++t) waitAnimationTimer();
    EXPECT_EQ(platform.presents, 0);
    EXPECT_EQ(battleState.setupInProgress.load(), 0);
}

// The game thread owns the display again as soon as the set-up ends, whatever the timer does.
TEST_F(WaitAnimationTest, HandOverWhileTheTimerRuns) {
    std::atomic<bool> stop{false};
    std::thread timer([&] {
        while (!stop.load()) waitAnimationTimer();
    });
    for (int battle = 0; battle < 200; ++battle) {
        beginWaitAnimation();
        std::this_thread::yield();
        endWaitAnimation();
        FillSurface(backBuffer, 0x1111);  // the first battle frame
        EXPECT_EQ(backBuffer->pixels[0], 0x1111);
    }
    stop.store(true);
    timer.join();
}

}  // namespace
