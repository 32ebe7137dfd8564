// A small battle world for the battle tests: a flat landscape, solid fortress pictures and probes,
// a recording sound device, and a back buffer of the chosen screen size.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "../test_platform.h"
#include "audio/recording_device.h"
#include "audio/sound_bank_writer.h"
#include "audio/sound_system.h"
#include "battle/battle.h"
#include "battle/battle_state.h"
#include "battle/camera.h"
#include "battle/crates.h"
#include "battle/fortress.h"
#include "battle/placement.h"
#include "battle/weather.h"
#include "core/globals.h"
#include "core/input.h"
#include "core/player.h"
#include "core/random.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/images.h"
#include "weapons/flight_program.h"
#include "weapons/projectile.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"

constexpr int GROUND_Y = 500;  // the flat landscape's ground starts here

inline void setImage(int index, int width, int height, std::uint16_t value) {
    ImageEntry& e = raznoe[index];
    e.surface = std::make_unique<Surface>(width, height);
    std::fill(e.surface->pixels.begin(), e.surface->pixels.end(), value);
    e.width = static_cast<std::uint16_t>(width);
    e.height = static_cast<std::uint16_t>(height);
}

// The generator state whose next gameRand() returns `value`.
inline std::uint32_t stateBeforeRand(std::int32_t value) {
    // Inverse of 214013 modulo 2^32, by Newton's iteration.
    std::uint32_t inverse = 214013u;
    for (int i = 0; i < 5; ++i) inverse *= 2u - 214013u * inverse;
    const std::uint32_t next = static_cast<std::uint32_t>(value) << 16;
    return (next - 2531011u) * inverse;
}

// Presses keys as the game would see them at given presents.
class KeyedPlatform : public TestPlatform {
public:
    std::vector<std::pair<int, std::int32_t>> keys;  // (present number, virtual key)

    void present(platform::PixelView frame, bool wait) override {
        TestPlatform::present(frame, wait);
        for (const auto& [at, key] : keys)
            if (at == presents) OnKeyDown(key);
    }
};

class BattleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(AllocateImageTables());
        useScreen(640, 480, 1);
        pixelFormat = 2;
        gameConfig.weatherEnabled = 1;
        setImage(LANDSCAPE_IMAGE, 1536, 768, 0);
        for (int y = GROUND_Y; y < 768; ++y)
            std::fill_n(raznoe[LANDSCAPE_IMAGE].surface->row(y), 1536, 0x4208);
        setImage(FORTRESS_IMAGE, 80, 50, 0x1234);
        for (int i = 0; i < MAX_PLAYERS; ++i) setImage(FORTRESS_PICTURE + i, 80, 50, 0x1234);
        setImage(FORTRESS_BACK_IMAGE, 80, 50, 0x0101);
        setImage(FORTRESS_TOP_PROBE, 80, 2, 0xFFFF);
        for (int k = 0; k < 4; ++k) setImage(FORTRESS_GROUND_PROBE + k, 4, 6, 0xFFFF);
        for (int i = 239; i <= 248; ++i) setImage(i, 120, 100, 0x0F0F);  // shields
        for (int i = 385; i <= 444; ++i) setImage(i, 24, 24, 0x7070);    // crates
        numPlayers = 2;
        currentPlayer = 0;
        for (int i = 0; i < MAX_PLAYERS; ++i) {
            players[i] = Player{};
            players[i].colour = static_cast<std::int16_t>(i);
            players[i].name = "NONAME 0" + std::to_string(i + 1);
        }
        clearProjectiles();
        resetAnimCounters();
        battleState.turnTimeLeft = TURN_TIME;
        battleState.battleTimeLeft = BATTLE_TIME;
        battleState.turnEndDelay = 0;
        battleState.shotFired = 0;
        battleState.frameThird = 0;
        battleState.messageTime = 0;
        battleState.message.clear();
        shotPower = 0;
        inputState.lastKeyDown = 0;
        inputState.leftButton = 0;
        setGameRandState(1);
        attachSound();
    }

    void TearDown() override { soundSystem.attach(platform.audio()); }

    // A fresh battle for every test, and its parts by the names the game's code uses.
    Battle battle;
    Camera& camera = battle.camera;
    Weather& weather = battle.weather;
    Crates& crates = battle.crates;
    ComputerSearch& search = battle.search;

    void useScreen(int width, int height, int mode) {
        screenWidth = static_cast<std::uint16_t>(width);
        screenHeight = static_cast<std::uint16_t>(height);
        gameConfig.screenMode = static_cast<std::uint8_t>(mode);
        screens[0] = Surface(width, height);
        screens[1] = Surface(width, height);
        backBuffer = &screens[0];
        primarySurface = &screens[1];
    }

    // Every sound of the battle loaded, so that plays reach the recording device.
    void attachSound() {
        soundSystem.attach(device);
        soundSystem.SetPrimaryFormat(44100, 16, 2);
        std::vector<BankSound> bank;
        for (int id : {11, 18, 21, 22, 23, 24, 25})
            bank.push_back({id, 1, 44100, 16, 0, std::vector<std::uint8_t>(64, 1)});
        soundSystem.LoadSoundBankData(encodeSoundBank(bank), 0);
    }
    int plays(int id) const {
        const auto counts = device.playCounts();
        const auto it = counts.find(id);
        return it == counts.end() ? 0 : it->second;
    }

    // A fortress standing on the flat ground at x.
    void standAt(int player, float x) {
        players[player].x = x;
        players[player].y = static_cast<float>(GROUND_Y - 48);
    }

    KeyedPlatform platform;
    RecordingDevice device;
    Surface screens[2];
};
