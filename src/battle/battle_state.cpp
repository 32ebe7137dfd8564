#include "battle/battle_state.h"

#include "app/globals.h"
#include "app/input.h"
#include "app/settings.h"
#include "battle/camera.h"
#include "battle/computer.h"
#include "battle/crates.h"
#include "battle/placement.h"
#include "battle/random.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"
#include "battle/player.h"
#include "battle/weather.h"
#include "weapons/projectile.h"

BattleState battleState;
AnimCounters animCounters;
FlightRow flightPrograms[FLIGHT_PROGRAM_COUNT][FLIGHT_PROGRAM_ROWS];

namespace {

// The programs as one list of rows (cmd, p1, p2, count); a lone 256 where a row would begin ends
// a program, a second one right after it ends the list.
// clang-format off
constexpr float FLIGHT_PROGRAM_LIST[] = {
    0, 0, 0, 1,  0, 0, 0, 10000,  256,                                        // 0 MISSILE
    0, 0, 0, 1,  0, 0, 0, 10000,  256,                                        // 1 BIG MISSILE
    0, 0, 0, 1,  0, 0, 0, 10000,  256,                                        // 2 GRENADE
    0, 0, 0, 100,  4, 10, 0, 1,  4, 11, 0, 1,  4, 12, 0, 1,  7, 0, 0, 1,  256, // 3 SUPER GRENADE
    0, 0, 0, 30,  3, 0, 0, 400,  255, 3.0f, 1.4f, 1,  7, 0, 0, 1,  256,       // 4 DIRECT MISSILE
    0, 0, 0, 60,  4, 13, 0, 1,  0, 0, 0, 10,  257, 0, 0, 2,  256,            // 5 HYPER TUBE
    0, 0, 0, 1,  0, 0, 0, 10000,  256,                                        // 6 DEFENSE
    0, 0, 0, 1,  0, 0, 0, 10000,  256,                                        // 7 GROUND DEFENSE
    0, 0, 0, 1,  0, 0, 0, 10000,  256,                                        // 8 BALL GRENADE
    0, 0, 0, 1,  0, 0, 0, 10000,  256,                                        // 9 GIMLET
    0, -1.0f, -7.0f, 1,  0, 0, 0, 10000,  256,                                // 10 grenade thrown left
    0, 1.0f, -7.0f, 1,  0, 0, 0, 10000,  256,                                 // 11 grenade thrown right
    0, 0, -7.0f, 1,  0, 0, 0, 10000,  256,                                    // 12 grenade thrown up
    0, 0, 0, 10000,  256,                                                     // 13 bomblet
    256};
// clang-format on

constexpr float LIST_END = 256.0f;
constexpr int LIST_LENGTH = static_cast<int>(sizeof FLIGHT_PROGRAM_LIST / sizeof FLIGHT_PROGRAM_LIST[0]);

// Steps an image counter one frame on, from `first` to `last` and back to `first`.
void cycle(std::int16_t& counter, std::int16_t first, std::int16_t last) {
    counter = counter >= last ? first : static_cast<std::int16_t>(counter + 1);
}

void resetTurnState() {
    directTargetSet.store(0, std::memory_order_relaxed);
    scrollX = scrollY = 0;
    cameraTargetX = cameraTargetY = 0;
    selectedWeapon.store(0, std::memory_order_relaxed);
    shotPower = 0;
    animCounters.powerBarImage = 93;
    battleState.shotFired = 0;
    // randScaled(n) names n itself once in 32768 draws, which is no player: it folds onto 0.
    const std::int32_t first = randScaled(numPlayers);
    currentPlayer = static_cast<std::uint16_t>(first < numPlayers ? first : 0);
    resetComputerSearch();
    battleState.turnTimeLeft = TURN_TIME;
    battleState.turnEndDelay = 0;
    clearCrates();
    message.clear();
    battleState.messageTime = 0;
    clearWeatherObjects();
}

}  // namespace

void resetAnimCounters() {
    animCounters = AnimCounters{};
    battleState.frameThird = 0;
    weatherTick = 0;
}

void resetBattleState() {
    resetInput();
    resetTurnState();
    resetAnimCounters();
    buildFlightPrograms();
    clearProjectiles();
}

void animationTick() {
    AnimCounters& a = animCounters;
    // A screen starts the shop's run by setting 456; 455 is the resting value.
    if (a.shopFrame > 455)
        a.shopFrame = a.shopFrame >= 464 ? 455 : static_cast<std::int16_t>(a.shopFrame + 1);
    cycle(a.thinkFrame, 450, 454);
    cycle(a.flagFrame, 37, 46);
    if (a.powerBarImage < 93) ++a.powerBarImage;
    cycle(a.shieldFrame, 239, 248);
    cycle(a.markerFrame, 347, 356);
    cycle(a.crateFrame, 385, 404);

    BattleState& b = battleState;
    if (b.turnTimeLeft > 0) --b.turnTimeLeft;
    if (b.turnTimeLeft == 0 && shotPower == 0) b.shotFired = 1;
    if (b.battleTimeLeft > 0) --b.battleTimeLeft;
    if (b.messageTime > 0) --b.messageTime;
    if (b.messageTime == 0) message.clear();
}

bool battleOver() {
    int standing = 0;
    for (int i = 0; i < numPlayers; ++i) standing += players[i].isDead == 0;
    return standing <= 1 && activeProjectileCount() == 0;
}

void awardSurvivors() {
    for (int i = 0; i < numPlayers; ++i) {
        if (players[i].isDead != 0) continue;
        players[i].money += 5000;
        players[i].wins += 1;
    }
}

void buildFlightPrograms() {
    for (auto& program : flightPrograms)
        for (FlightRow& row : program) row = FlightRow{};
    int at = 0;
    for (int k = 0; k < FLIGHT_PROGRAM_COUNT && at < LIST_LENGTH && FLIGHT_PROGRAM_LIST[at] != LIST_END;
         ++k) {
        int r = 0;
        // The last row of each program is kept for the end mark.
        for (; at + 4 <= LIST_LENGTH && FLIGHT_PROGRAM_LIST[at] != LIST_END && r < FLIGHT_PROGRAM_ROWS - 1;
             ++r) {
            const float* f = &FLIGHT_PROGRAM_LIST[at];
            flightPrograms[k][r] = {static_cast<std::int16_t>(f[0]), f[1], f[2],
                                    static_cast<std::int16_t>(f[3])};
            at += 4;
        }
        flightPrograms[k][r].cmd = FLIGHT_END;
        ++at;  // the program's end mark
    }
}
