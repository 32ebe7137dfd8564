#include <cmath>

#include "battle_fixture.h"
#include "core/globals.h"

namespace {

class CrateTest : public BattleTest {
protected:
    // A state from which spawnCrate drops a crate left of the fortresses, at an x that sums
    // exactly with whole numbers.
    static std::uint32_t seedDrop(float& x) {
        return seedWhere([&x] {
            if (randScaled(5000) != 2) return false;  // below 3: a crate
            x = static_cast<float>(60.0 + gameRand() * 0.042725913);
            return x < 128 && x * 65536 == std::floor(x * 65536);
        });
    }
};

TEST_F(CrateTest, CrateDropsOnADrawBelowThreeIn5000AwayFromFortressesAndCrates) {
    float x = 0;
    const std::uint32_t seed = seedDrop(x);
    spawnCrate(crates);
    setGameRandState(seed);
    randScaled(5000), gameRand();
    EXPECT_EQ(crates[0].x, x);
    EXPECT_EQ(Ints({static_cast<int>(crates[0].y), crates[0].kind}), Ints({-24, randScaled(2) + 1}));
    seedWhere([] { return randScaled(5000) == 3; });
    spawnCrate(crates);
    EXPECT_EQ(crates[1].kind, 0);
    // fortress x, other crate's x, whether the crate stays
    const std::tuple<float, float, bool> near[] = {
        {x + 30, 1400, false}, {x + 31, 1400, true}, {x - 86, 1400, false}, {x - 87, 1400, true},
        {600, x + 30, false},  {600, x + 31, true},  {600, x - 30, false},  {600, x - 31, true}};
    for (const auto& [fortressX, crateX, drops] : near) {
        players[0].x = fortressX;
        crates[0] = {crateX, 300.0f, 0.0f, 1};
        setGameRandState(seed);
        spawnCrate(crates);
        EXPECT_EQ(Ints({crates[1].kind != 0, crates[1].x != 0}), Ints({drops, drops}))
            << fortressX << ", " << crateX;
        crates[1] = Crate{};
    }
}

TEST_F(CrateTest, RewardsGoToThePlayerOnTurnWithTheirLine) {
    players[0].money = 100;
    seedWhere([] { return randScaled(1000) == 500; });
    giveCrateReward(1);
    giveCrateReward(3);  // the rare third kind gives nothing and leaves the line
    EXPECT_EQ(Ints({players[0].money, battleState.messageTime}), Ints({1600, 100}));
    EXPECT_EQ(battleState.message, "NONAME 01 : 1500$");
    currentPlayer = 1;
    const std::pair<int, int> draws[] = {{0, 1},  {5, 1},  {6, 2},  {15, 2}, {16, 3}, {20, 3},
                                         {21, 4}, {26, 4}, {27, 5}, {28, 5}, {29, 6}, {31, 6},
                                         {32, 7}, {36, 7}, {37, 8}, {39, 8}, {40, 9}, {50, 9}};
    for (const auto& [r, weapon] : draws) {
        players[1].ammo[weapon] = 2;
        seedWhere([r] { return randScaled(50) == r; });
        giveCrateReward(2);
        EXPECT_EQ(players[1].ammo[weapon], 3) << "draw " << r;
        EXPECT_EQ(battleState.message, "NONAME 02 : " + weaponNames[weapon]);
    }
}

}  // namespace
