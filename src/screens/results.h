// The ranking the results screen shows.
#pragma once

#include <array>

#include "core/player.h"

struct Ranking {
    std::array<int, MAX_PLAYERS> order{};  // player indices, most wins first
    int count = 0;
};

// The first numPlayers players by wins, equal wins in player-index order.
Ranking rankByWins();
