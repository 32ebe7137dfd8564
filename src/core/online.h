// The machines of an online game as the game knows them. Joins and leaves reach every machine's
// game at the same frame, through the input stream, so this state is the same on all of them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/script.h"

struct OnlinePeer {
    bool present = false;
    std::string name;
};

// By peer number, 1..MAX_PEER (0, the host, is never in it).
extern std::array<OnlinePeer, platform::MAX_PEER + 1> onlinePeers;
// True while the player on turn plays (a battle's turns, the shop); the rest belongs to the host.
extern bool playerOnTurnActs;
// True while machines may join: the menu and the set-up.
extern bool joiningOpen;
// Set when the player on turn passed to the computer mid-turn; the battle hands the turn over.
extern bool computerTakesOver;

void peerJoined(int peer, std::string_view name);
// The peer's players pass to the computer.
void peerLeft(int peer);
// Whose input the game takes now: 0 for the host, else the peer whose player is being played.
int actingPeer();
// The first present peer that none of the first `count` players is bound to; 0 when none.
int freePeer(int count);
// The online game is over: no peer is known any more, their players are the computer's.
void forgetPeers();
