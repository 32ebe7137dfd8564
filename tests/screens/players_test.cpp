#include <gtest/gtest.h>

#include "core/player.h"
#include "screens/screens.h"

TEST(Players, StartUpNamesEveryRecordAndGivesOnlyMissiles) {
    players[3].money = 7;
    players[3].isComputer = 1;
    initPlayers();
    for (int i = 0; i < MAX_PLAYERS; ++i) {
        const Player& p = players[i];
        EXPECT_EQ(p.name, "NONAME 0" + std::to_string(i + 1));
        EXPECT_EQ(p.colour, i);
        EXPECT_EQ(p.isComputer, 0);
        EXPECT_EQ(p.money, 0);
        EXPECT_EQ(p.ammo[0], UNLIMITED_AMMO);
        for (int w = 1; w < WEAPON_COUNT; ++w) EXPECT_EQ(p.ammo[w], 0) << "weapon " << w;
    }
}

TEST(Players, NewGameKeepsNamesAndRolesAndResetsTheRest) {
    initPlayers();
    Player& p = players[2];
    p.name = "KEPT";
    p.isComputer = 1;
    p.colour = 4;
    p.x = 100;
    p.y = 50;
    p.fallSpeed = 2;
    p.isDead = 1;
    p.damage = 300;
    p.shieldHits = 2;
    p.money = 9000;
    p.wins = 3;
    p.ammo[5] = 4;
    newGameReset();
    EXPECT_EQ(p.name, "KEPT");
    EXPECT_EQ(p.isComputer, 1);
    EXPECT_EQ(p.colour, 2);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    EXPECT_EQ(p.fallSpeed, 0);
    EXPECT_EQ(p.isDead + p.damage + p.shieldHits + p.money + p.wins, 0);
    const std::int16_t stock[WEAPON_COUNT] = {UNLIMITED_AMMO, 0, 1, 0, 0, 0, 0, 1, 0, 10};
    for (int w = 0; w < WEAPON_COUNT; ++w) EXPECT_EQ(p.ammo[w], stock[w]) << "weapon " << w;
}
