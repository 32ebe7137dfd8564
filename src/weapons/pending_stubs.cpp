// PENDING: stand-ins for the battle, camera, computer and world code of the other branches, just
// enough for the weapons and turns to build and be tested. Deleted at the merge.
#include <cstdint>

#include "app/settings.h"
#include "battle/battle_state.h"
#include "battle/camera.h"
#include "battle/computer.h"
#include "battle/player.h"
#include "gfx/images.h"
#include "weapons/pending_world.h"

BattleState battleState;
FlightRow flightPrograms[FLIGHT_PROGRAM_COUNT][FLIGHT_PROGRAM_ROWS];

void buildFlightPrograms() {
    struct Row {
        int program;
        FlightRow row;
    };
    static const Row rows[] = {
        {0, {0, 0, 0, 1}},      {0, {0, 0, 0, 10000}},     {3, {0, 0, 0, 100}},    {3, {4, 10, 0, 1}},
        {3, {4, 11, 0, 1}},     {3, {4, 12, 0, 1}},        {3, {7, 0, 0, 1}},      {4, {0, 0, 0, 30}},
        {4, {3, 0, 0, 400}},    {4, {255, 3.0f, 1.4f, 1}}, {4, {7, 0, 0, 1}},      {5, {0, 0, 0, 60}},
        {5, {4, 13, 0, 1}},     {5, {0, 0, 0, 10}},        {5, {257, 0, 0, 2}},    {10, {0, -1.0f, -7.0f, 1}},
        {10, {0, 0, 0, 10000}}, {11, {0, 1.0f, -7.0f, 1}}, {11, {0, 0, 0, 10000}}, {12, {0, 0, -7.0f, 1}},
        {12, {0, 0, 0, 10000}}, {13, {0, 0, 0, 10000}},
    };
    int next[FLIGHT_PROGRAM_COUNT] = {};
    for (auto& program : flightPrograms)
        for (auto& row : program) row = FlightRow{};
    for (const Row& r : rows) flightPrograms[r.program][next[r.program]++] = r.row;
    for (int k : {1, 2, 6, 7, 8, 9}) {
        flightPrograms[k][0] = flightPrograms[0][0];
        flightPrograms[k][1] = flightPrograms[0][1];
        next[k] = 2;
    }
    for (int k = 0; k < FLIGHT_PROGRAM_COUNT; ++k) flightPrograms[k][next[k]].cmd = FLIGHT_END;
}

std::int16_t scrollX = 0;
std::int16_t scrollY = 0;
std::int16_t cameraTargetX = 0;
std::int16_t cameraTargetY = 0;

void cameraToPlayer() {
    cameraTargetX = static_cast<std::int16_t>(static_cast<int>(players[currentPlayer].x) + 40);
    cameraTargetY = static_cast<std::int16_t>(static_cast<int>(players[currentPlayer].y) + 20);
}

std::int16_t aiAimed = 0;
std::int16_t aiSpeedStep = 4;
float aiBestMiss = 1000000.0f;
std::int16_t aiBestSpeed = 0;
float aiVx = 0;
float aiVy = 0;

void resetComputerSearch() {
    aiVx = aiVy = 0;
    aiBestSpeed = 0;
    aiBestMiss = 1000000.0f;
    aiAimed = 0;
    aiSpeedStep = 4;
}

void chooseComputerWeapon() {}

void carveCrater(int cx, int cy, int r) {
    if (!raznoe || !raznoe[LANDSCAPE_IMAGE].surface) return;
    Surface& land = *raznoe[LANDSCAPE_IMAGE].surface;
    for (int y = cy - r; y < cy + r; ++y)
        for (int x = cx - r; x < cx + r; ++x)
            if (x >= 0 && y >= 0 && x < land.width && y < land.height &&
                (x - cx) * (x - cx) + (y - cy) * (y - cy) < r * r - 3 * r)
                land.row(y)[x] = 0;
}

void refreshTiles(int, int, int) {}
