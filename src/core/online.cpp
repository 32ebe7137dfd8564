#include "core/online.h"

#include "core/input.h"
#include "core/player.h"
#include "core/settings.h"

std::array<OnlinePeer, platform::MAX_PEER + 1> onlinePeers;
bool playerOnTurnActs = false;
bool joiningOpen = true;
bool computerTakesOver = false;

namespace {

bool knownPeer(int peer) { return peer >= 1 && peer <= platform::MAX_PEER; }

}  // namespace

void peerJoined(int peer, std::string_view name) {
    if (!knownPeer(peer)) return;
    onlinePeers[static_cast<std::size_t>(peer)] = {true, std::string(name)};
}

void peerLeft(int peer) {
    if (!knownPeer(peer)) return;
    onlinePeers[static_cast<std::size_t>(peer)] = {};
    for (int k = 0; k < MAX_PLAYERS; ++k) {
        Player& p = players[k];
        if (p.remotePeer != peer) continue;
        if (k == currentPlayer) computerTakesOver = true;
        p.remotePeer = 0;
        p.isComputer = 1;
    }
}

int actingPeer() {
    if (!playerOnTurnActs || yesNoAsked || currentPlayer >= MAX_PLAYERS) return 0;
    const Player& p = players[currentPlayer];
    return p.isComputer != 0 ? 0 : p.remotePeer;
}

int freePeer(int count) {
    for (int peer = 1; peer <= platform::MAX_PEER; ++peer) {
        if (!onlinePeers[static_cast<std::size_t>(peer)].present) continue;
        bool bound = false;
        for (int k = 0; k < count && k < MAX_PLAYERS; ++k) bound = bound || players[k].remotePeer == peer;
        if (!bound) return peer;
    }
    return 0;
}

void forgetPeers() {
    for (int peer = 1; peer <= platform::MAX_PEER; ++peer) peerLeft(peer);
    playerOnTurnActs = false;
    joiningOpen = true;
    computerTakesOver = false;
}
