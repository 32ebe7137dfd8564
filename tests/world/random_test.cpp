#include "core/random.h"

#include <gtest/gtest.h>

#include <thread>

TEST(GameRand, IsTheRuntimesGeneratorStartingAtStateOne) {
    std::thread([] {  // a fresh thread starts at state 1
        const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
        for (int value : expected) EXPECT_EQ(gameRand(), value);
    }).join();
}

TEST(GameRand, EachThreadHasItsOwnState) {
    setGameRandState(5);
    gameRand();
    const std::uint32_t mine = gameRandState();
    std::uint32_t other = 0;
    std::thread([&] {
        other = gameRandState();
        gameRand();
    }).join();
    EXPECT_EQ(other, 1u);
    EXPECT_EQ(gameRandState(), mine);
}

TEST(GameRand, ScaledResultsTruncateAndReachNOnlyAtTheTop) {
    auto drawFrom = [](std::uint32_t state, std::int32_t n) {
        setGameRandState(state);
        return randScaled(n);
    };
    // A state s whose next draw is r: s * 214013 + 2531011 has r in bits 16..30.
    auto stateFor = [](int r) {
        for (std::uint32_t s = 0;; ++s) {
            setGameRandState(s);
            if (gameRand() == r) return s;
        }
    };
    const std::uint32_t top = stateFor(32767), almost = stateFor(32766), zero = stateFor(0);
    EXPECT_EQ(drawFrom(top, 64), 64);
    EXPECT_EQ(drawFrom(almost, 64), 63);  // 32766 * 64 / 32767 = 63.998
    EXPECT_EQ(drawFrom(zero, 64), 0);
    EXPECT_EQ(drawFrom(top, 5), 5);
    EXPECT_EQ(drawFrom(almost, 5), 4);
    EXPECT_EQ(drawFrom(top, -100), -100);  // a negative range comes out negative
}
