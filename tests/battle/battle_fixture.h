// The battle, weapon and computer tests' world: flat ground, fortresses 0 and 1 standing at x 200
// and 1000, a 640 x 480 back buffer, every sound id loaded, and the texts drawn recorded.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "../test_platform.h"
#include "audio/sound_bank_writer.h"
#include "audio/sound_system.h"
#include "battle/battle.h"
#include "battle/battle_state.h"
#include "core/input.h"
#include "core/player.h"
#include "core/random.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/images.h"
#include "gfx/text.h"
#include "weapons/flight_program.h"
#include "weapons/projectile.h"
#include "weapons/weapon_specs.h"
#include "world/world.h"

using Ints = std::vector<int>;  // compared in one assertion

constexpr int GROUND_Y = 500;
constexpr std::uint16_t GROUND = 0x4208;
constexpr float STANDING_Y = GROUND_Y - 48;  // a fortress's ground probes reach the ground

inline void setImage(int index, int width, int height, std::uint16_t value = 0x7FFF,
                     ImageEntry* table = raznoe) {
    table[index] = {std::make_unique<Surface>(width, height), static_cast<std::uint16_t>(width),
                    static_cast<std::uint16_t>(height)};
    std::fill(table[index].surface->pixels.begin(), table[index].surface->pixels.end(), value);
}

inline Surface& landscape() { return *raznoe[LANDSCAPE_IMAGE].surface; }

inline void fillLand(int left, int top, int right, int bottom, std::uint16_t value = GROUND) {
    for (int y = top; y < bottom; ++y)
        std::fill(landscape().row(y) + left, landscape().row(y) + right, value);
}

// Sets the generator to the first state of a fixed walk from which `wanted` (which draws) holds.
inline std::uint32_t seedWhere(const std::function<bool()>& wanted) {
    std::uint32_t state = 0;
    do setGameRandState(state += 2654435761u);
    while (!wanted());
    setGameRandState(state);
    return state;
}

// Frames of the projectile pool as the battle loop runs them.
inline void frames(int n = 1) {
    for (int i = 0; i < n;
         ++i, battleState.frameThird = static_cast<std::uint8_t>((battleState.frameThird + 1) % 3))
        stepProjectiles(battleState.frameThird);
}

using DrawnText = std::tuple<int, int, std::string, std::uint32_t, bool>;  // x, y, text, colour, centred

// Presses keys at given presents and records the texts drawn.
class BattlePlatform : public TestPlatform, public platform::FontRenderer {
public:
    std::vector<std::pair<int, std::int32_t>> keys;  // (present number, virtual key)
    std::vector<DrawnText> texts;

    void present(platform::PixelView frame, bool wait) override {
        TestPlatform::present(frame, wait);
        for (const auto& [at, key] : keys)
            if (at == presents) OnKeyDown(key);
    }
    platform::FontRenderer& font() override { return *this; }
    bool open(int) override { return true; }
    void draw(std::uint16_t*, int, int, int, int, int x, int y, std::string_view text, std::uint32_t colour,
              bool centred) override {
        texts.emplace_back(x, y, std::string(text), colour, centred);
    }
};

class BattleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(AllocateImageTables());  // every picture empty
        screenWidth = 640, screenHeight = 480, gameConfig.screenMode = 1, pixelFormat = 2, fontHeight = 18;
        screens[0] = screens[1] = Surface(640, 480);
        backBuffer = &screens[0], primarySurface = &screens[1], gameConfig.weatherEnabled = 1;
        setImage(LANDSCAPE_IMAGE, WORLD_WIDTH, WORLD_HEIGHT, 0);
        fillLand(0, GROUND_Y, WORLD_WIDTH, WORLD_HEIGHT);
        for (int i = FORTRESS_IMAGE; i < FORTRESS_PICTURE + MAX_PLAYERS; ++i) setImage(i, 80, 50, 0x1234);
        setImage(FORTRESS_TOP_PROBE, 80, 2);
        for (int k = 0; k < 4; ++k) setImage(FORTRESS_GROUND_PROBE + k, 4, 6);
        for (int i = FIRST_SHIELD_IMAGE; i <= LAST_SHIELD_IMAGE; ++i) setImage(i, 120, 100, 0x0F0F);
        for (int i = FIRST_CRATE_IMAGE; i < FIRST_CRATE_IMAGE + 60; ++i) setImage(i, 24, 24, 0x7070);
        numPlayers = 2, currentPlayer = 0;
        for (int i = 0; i < MAX_PLAYERS; ++i) {
            players[i] =
                Player{.colour = static_cast<std::int16_t>(i), .name = "NONAME 0" + std::to_string(i + 1)};
            players[i].ammo[0] = UNLIMITED_AMMO;
        }
        standAt(0, 200), standAt(1, 1000);
        selectedWeapon = directTargetSet = 0, shotPower = 0;
        inputState = InputState{}, cursorPos = {0, 0};
        computerSkills = DESIGNED_SKILLS, turnTicks = TURN_TIME;
        resetAnimCounters();
        battleState.turnTimeLeft = TURN_TIME, battleState.battleTimeLeft = BATTLE_TIME;
        battleState.turnEndDelay = battleState.shotFired = 0;
        battleState.messageTime = 0, battleState.message.clear();
        buildFlightPrograms();
        clearProjectiles();
        setGameRandState(1);
        soundSystem.attach(*mixer);
        soundSystem.SetPrimaryFormat(44100, 16, 2);
        std::vector<BankSound> bank;
        for (int id = 1; id <= 30; ++id)
            bank.push_back({id, 1, 44100, 16, 0, std::vector<std::uint8_t>(64, 1)});
        ASSERT_EQ(soundSystem.LoadSoundBankData(encodeSoundBank(bank), 0), 1);
    }
    void TearDown() override { soundSystem.attach(platform.audio()); }

    static void standAt(int player, float x) { players[player].x = x, players[player].y = STANDING_Y; }
    std::uint16_t pixel(int x, int y) const { return backBuffer->pixels[y * backBuffer->pitch + x]; }
    int plays(int id) const { return mixer->playCounts()[id]; }

    BattlePlatform platform;
    std::unique_ptr<platform::VirtualMixer> mixer = platform::createVirtualMixer();
    Surface screens[2];
    Battle battle;  // fresh for every test
    Camera& camera = battle.camera;
    Weather& weather = battle.weather;
    Crates& crates = battle.crates;
    ComputerSearch& search = battle.search;
};
