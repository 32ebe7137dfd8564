#include <gtest/gtest.h>

#include "core/player.h"
#include "screens/screens.h"

// A new game keeps each player's name and role and starts the rest afresh: the colour of the
// slot, no fortress, no damage, money or wins, and the starting stock of every weapon.
TEST(Players, NewGameKeepsNamesAndRolesAndResetsTheRest) {
    initPlayers();
    Player& p = players[2];
    p = Player{.x = 100, .y = 50, .fallSpeed = 2, .colour = 4, .isComputer = 1, .isDead = 1, .damage = 300,
               .shieldHits = 2, .name = "KEPT", .money = 9000, .wins = 3};
    p.ammo[5] = 4;
    newGameReset();
    EXPECT_EQ(std::tie(p.name, p.isComputer, p.colour), std::make_tuple(std::string("KEPT"), std::int16_t{1}, std::int16_t{2}));
    EXPECT_EQ(p.x + p.y + p.fallSpeed, 0);
    EXPECT_EQ(std::make_tuple(p.isDead, p.damage, p.shieldHits, p.money, p.wins), std::make_tuple(0, 0, 0, 0, 0));
    const std::int16_t stock[WEAPON_COUNT] = {UNLIMITED_AMMO, 0, 1, 0, 0, 0, 0, 1, 0, 10};
    for (int w = 0; w < WEAPON_COUNT; ++w) EXPECT_EQ(p.ammo[w], stock[w]) << "weapon " << w;
}
