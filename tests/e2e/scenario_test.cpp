// Whole games played by the scripts of tests/scripts, from the menu through battles, results and
// the shop back to the menu; the run's statistics and screenshots tell what happened.
#include "game_binary.h"

using namespace e2e;

namespace {

class Scenario : public GameBinary {
protected:
    // The statistics of a scenario that ends by leaving the game, without an error box.
    std::string scenario(std::initializer_list<char> ini, const std::string& script, int maxFrames) {
        writeIni(ini);
        fs::copy_file(fs::path(RAMPARO_TEST_SOURCE_DIR) / "scripts" / script, dir / script);  // its shots land here
        const Result r = play(script, "--max-frames " + std::to_string(maxFrames), "RAMPARO_STATS_WINNERS=1");
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(has(r.out, "\"exit\": \"game-exit\"")) << r.out;
        EXPECT_TRUE(has(r.out, "\"error_boxes\": []")) << r.out;
        return r.out;
    }
    // Battles ended, battle set-ups; plays of sounds 6 (results screen), 8 (a missile's flight),
    // 21 (explosion), 22 (fortress destroyed), 2 (weapon bought).
    static std::vector<int> counts(const std::string& s) {
        return {stat(s, "battles"), setups(s), sound(s, 6), sound(s, 8), sound(s, 21), sound(s, 22), sound(s, 2)};
    }
};

}  // namespace

TEST_F(Scenario, TwoHumansWhoNeverFireSeeTheTimeRunOut) {
    const std::string s = scenario({0, 1, 0, 1}, "battle_by_time.txt", 26000);
    // The battle played and the one left with Esc; nobody was paid, so the buy button buys nothing.
    EXPECT_EQ(counts(s), (std::vector{1, 2, 1, 0, 0, 0, 0})) << s;
    EXPECT_TRUE(has(s, "\"winners\": [-1]")) << "both fortresses stand\n" << s;
}

TEST_F(Scenario, TwoHumansFireMissilesUntilAFortressFalls) {
    const std::string s = scenario({1, 1, 0, 1}, "missile_duel.txt", 4000);
    // Three missiles, then the direct missile bought with the first battle's pay; one fortress falls a battle.
    EXPECT_EQ(counts(s), (std::vector{2, 2, 2, 4, 4, 2, 1})) << s;
    EXPECT_TRUE(has(s, "\"winners\": [0, 0]")) << "NONAME 01 destroys NONAME 02's fortress twice\n" << s;
    const std::vector<std::uint16_t> shot = loadShot(dir / "results.png", 2);
    ASSERT_FALSE(shot.empty());
    EXPECT_NE(at(shot, 80, 120), at(shot, 0, 0)) << "the first battle's results panel over the frozen battle";
}

TEST_F(Scenario, FourComputersPlayBattleAfterBattle) {
    const std::string s = scenario({0, 1, 0, 1}, "computer_game.txt", 22000);
    // Three battles played and one left with Esc; every computer buys after a battle; fortresses fall.
    const std::vector<int> c = counts(s);
    EXPECT_EQ(std::vector(c.begin(), c.begin() + 3), (std::vector{3, 4, 3})) << s;
    EXPECT_TRUE(c[6] > 3 && c[4] > 0 && c[5] > 0) << s;
    EXPECT_TRUE(fs::exists(dir / "confirm.png"));
}

TEST_F(Scenario, MenuTitleScreenAndPlayerSetUp) {
    const std::string s = scenario({1, 0, 0, 0}, "menu_tour.txt", 1000);
    EXPECT_TRUE(has(s, "\"sounds_played\": {\"17\": 2, \"18\": 14}")) << s;
    std::vector<std::vector<std::uint16_t>> shots;
    for (const char* name : {"menu", "title", "first", "second", "again"}) {
        shots.push_back(loadShot(dir / (std::string(name) + ".png"), 2));
        ASSERT_FALSE(shots.back().empty()) << name;
    }
    EXPECT_NE(shots[0], shots[1]) << "the title screen is not the menu";
    // The name line of the set-up screen (font height 18 in this mode): the first player's name
    // comes back as it was typed, and differs from the second player's.
    const auto nameLine = [&](int shot) { return std::vector(&shots[shot][160 * 640], &shots[shot][200 * 640]); };
    EXPECT_EQ(nameLine(4), nameLine(2));
    EXPECT_NE(nameLine(3), nameLine(2));
}
