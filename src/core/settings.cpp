#include "core/settings.h"

#include <algorithm>
#include <array>
#include <bit>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/config_file.h"
#include "core/error_box.h"
#include "platform/platform.h"

GameConfig gameConfig;
std::uint16_t screenWidth = 640;
std::uint16_t screenHeight = 480;
std::int32_t pixelFormat = 1;
int screenModeOverride = -1;
int weatherOverride = -1;
std::optional<std::vector<std::uint8_t>> gameIniReplacement;
std::int32_t turnTicks = DESIGNED_TURN_SECONDS * TICKS_PER_SECOND;
std::int32_t volumePercent = 100;
ComputerSkills computerSkills = DESIGNED_SKILLS;
bool assistEnabled = false;

ComputerSkill skillOf(int player) {
    return player >= 0 && player < SKILL_SLOTS ? computerSkills[static_cast<std::size_t>(player)]
                                               : ComputerSkill::Normal;
}

std::uint16_t numPlayers = 2;
std::uint16_t currentPlayer = 0;
std::int16_t selectedWeapon = 0;
std::uint16_t shotPower = 0;
const std::uint16_t maxShotPower = 100;
std::int16_t directTargetSet = 0;

const float PI_APPROX = std::bit_cast<float>(0x40490FD0u);

void applySettingsBytes(std::span<const std::uint8_t> bytes) {
    // A short file reads its missing bytes as 0.
    auto byteAt = [&](std::size_t i) -> std::uint8_t { return i < bytes.size() ? bytes[i] : 0; };
    gameConfig.screenMode = byteAt(0);
    static constexpr std::array<std::array<std::uint16_t, 2>, 4> sizes{{{320, 240}, {640, 480}, {800, 600}, {1024, 768}}};
    if (gameConfig.screenMode < sizes.size()) {
        screenWidth = sizes[gameConfig.screenMode][0];
        screenHeight = sizes[gameConfig.screenMode][1];
    }
    gameConfig.skipVblankWait = byteAt(1);
    gameConfig.quietRefreshFallback = byteAt(2);
    gameConfig.weatherEnabled = byteAt(3);
}

namespace {

// The first four bytes of "game.ini" (or its replacement); empty when the file cannot be opened.
std::optional<std::vector<std::uint8_t>> gameIniBytes() {
    if (gameIniReplacement) return gameIniReplacement;
    std::ifstream file("game.ini", std::ios::binary);
    if (!file) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    char c;
    while (bytes.size() < 4 && file.get(c)) bytes.push_back(static_cast<std::uint8_t>(c));
    return bytes;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> settingsBytesInUse() {
    std::optional<std::vector<std::uint8_t>> bytes = gameIniBytes();
    // Without the file nothing is applied: the size stays 640 x 480 while screenMode is 0.
    if (!bytes && screenModeOverride < 0) return std::nullopt;
    if (!bytes) bytes.emplace();
    if (screenModeOverride >= 0) {
        bytes->resize(std::max<std::size_t>(bytes->size(), 1));
        (*bytes)[0] = static_cast<std::uint8_t>(screenModeOverride);
    }
    if (weatherOverride >= 0) {
        bytes->resize(4);
        (*bytes)[3] = static_cast<std::uint8_t>(weatherOverride);
    }
    return bytes;
}

void readSettings() {
    if (!gameIniBytes()) errorBox("no open game.ini", "");
    if (const auto bytes = settingsBytesInUse()) applySettingsBytes(*bytes);
    if (weatherOverride >= 0) gameConfig.weatherEnabled = static_cast<std::uint8_t>(weatherOverride);
}

void detectPixelFormat() {
    const platform::Platform& p = platform::get();
    if (p.redMask() == 0xF800 && p.greenMask() == 0x07E0 && p.blueMask() == 0x001F) pixelFormat = 2;
}
