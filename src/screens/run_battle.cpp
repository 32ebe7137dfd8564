// Battle after battle: set-up, the frames, the results and the shop, until the user leaves.
#include <chrono>

#include "audio/sound_system.h"
#include "battle/battle.h"
#include "battle/battle_loop.h"
#include "core/online.h"
#include "core/player.h"
#include "core/settings.h"
#include "platform/platform.h"
#include "screens/screens.h"

namespace {

constexpr int ASKED_FROM_BATTLE = 1;

// The frames of one battle; false when the user left with Escape and confirmed.
bool playBattle(Battle& battle) {
    for (;;) {
        switch (battleFrame(battle)) {
            case FrameOutcome::Continue:
                break;
            case FrameOutcome::Finished:
                return true;
            case FrameOutcome::Escape:
                if (confirmQuit(ASKED_FROM_BATTLE, &battle) == 1) return false;
                break;
        }
    }
}

// The one player still standing, or -1 when none or several are (a battle ended by time).
int loneSurvivor() {
    int survivor = -1;
    for (int q = 0; q < numPlayers && q < MAX_PLAYERS; ++q) {
        if (players[q].isDead != 0) continue;
        if (survivor != -1) return -1;
        survivor = q;
    }
    return survivor;
}

}  // namespace

int runBattle(Battle& battle) {
    platform::Platform& machine = platform::get();
    for (;;) {
        const auto start = std::chrono::steady_clock::now();
        setUpBattle(battle);
        machine.noteBattleSetup(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        playerOnTurnActs = true;
        const bool played = playBattle(battle);
        playerOnTurnActs = false;
        if (!played) return 1;
        machine.noteBattleFinished(loneSurvivor());
        soundSystem.StopAllChannels();
        soundSystem.ReleaseAllChannels();
        showResults(battle);
        playerOnTurnActs = true;
        const int left = shopRound();
        playerOnTurnActs = false;
        if (left == 1) return 1;
    }
}
