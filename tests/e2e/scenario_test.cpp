// Whole games played by the scripts of tests/scripts, from the menu through battles, results and
// the shop back to the menu; the run's statistics tell what happened.
#include "game_binary.h"

using namespace e2e;

namespace {

void expectCleanExit(const Result& r) {
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "\"exit\": \"game-exit\"")) << r.out;
    EXPECT_TRUE(has(r.out, "\"error_boxes\": []")) << r.out;
}

}  // namespace

TEST_F(GameBinary, TwoHumansWhoNeverFireSeeTheTimeRunOut) {
    writeIni({0, 1, 0, 1});
    const Result r = runScript("battle_by_time.txt", 26000);
    expectCleanExit(r);
    EXPECT_EQ(statNumber(r.out, "battles"), 1) << r.out;
    EXPECT_EQ(setupCount(r.out), 2) << "the battle played and the one left with Esc\n" << r.out;
    EXPECT_EQ(soundCount(r.out, 6), 1) << "the results screen\n" << r.out;
    EXPECT_EQ(soundCount(r.out, 21), 0) << "nothing exploded\n" << r.out;
    EXPECT_EQ(soundCount(r.out, 22), 0) << r.out;
    EXPECT_EQ(soundCount(r.out, 2), 0) << "nobody was paid: the click on the buy button buys nothing\n" << r.out;
}

TEST_F(GameBinary, TwoHumansFireMissilesUntilAFortressFalls) {
    writeIni({1, 1, 0, 1});
    const Result r = runScript("missile_duel.txt", 4000);
    expectCleanExit(r);
    EXPECT_EQ(statNumber(r.out, "battles"), 2) << r.out;
    EXPECT_EQ(setupCount(r.out), 2) << r.out;
    EXPECT_EQ(soundCount(r.out, 8), 4) << "three missiles and the direct missile in flight\n" << r.out;
    EXPECT_EQ(soundCount(r.out, 21), 4) << "four explosions\n" << r.out;
    EXPECT_EQ(soundCount(r.out, 22), 2) << "one fortress destroyed a battle\n" << r.out;
    EXPECT_EQ(soundCount(r.out, 6), 2) << r.out;
    EXPECT_EQ(soundCount(r.out, 2), 1) << "the direct missile bought\n" << r.out;

    // The first battle's results panel over the frozen battle.
    const std::vector<std::uint16_t> shot = loadShot(dir / "results.png", 2);
    ASSERT_FALSE(shot.empty());
    EXPECT_NE(at(shot, 80, 120), at(shot, 0, 0)) << "the panel's frame";
}

TEST_F(GameBinary, FourComputersPlayBattleAfterBattle) {
    writeIni({0, 1, 0, 1});
    const Result r = runScript("computer_game.txt", 22000);
    expectCleanExit(r);
    EXPECT_EQ(statNumber(r.out, "battles"), 3) << r.out;
    EXPECT_EQ(setupCount(r.out), 4) << "three battles played and one left with Esc\n" << r.out;
    EXPECT_EQ(soundCount(r.out, 6), 3) << "one results screen a battle\n" << r.out;
    EXPECT_GT(soundCount(r.out, 2), 3) << "every computer buys after a battle\n" << r.out;
    EXPECT_GT(soundCount(r.out, 21), 0) << r.out;
    EXPECT_GT(soundCount(r.out, 22), 0) << "fortresses fall\n" << r.out;
    EXPECT_TRUE(fs::exists(dir / "confirm.png"));
}
