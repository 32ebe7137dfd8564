// The player's settings file, ramparo.conf: "key = value" lines, '#' comments, blank lines. The
// game reads it at start-up in a window and never writes it; the command line has a form of every
// key, and a recorded game carries the keys that change the game in its first lines.
//
// Precedence: the command line, then the settings file, then a replayed script's recorded
// settings, then "game.ini" and the designed game. A key nobody sets changes nothing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Screen mode and weather may say "game.ini": as that file says (which also undoes a lower layer).
constexpr int FROM_GAME_INI = -1;
constexpr int TICKS_PER_SECOND = 20;  // a tick is three frames at 60 frames a second
constexpr int DESIGNED_TURN_SECONDS = 25;  // the designed turn of 500 ticks
constexpr std::size_t MAX_SETTINGS_FILE_BYTES = 64 * 1024;

// How well the computer players play: Normal is the designed computer.
enum class ComputerSkill : std::uint8_t { Easy, Normal, Hard };
constexpr int SKILL_SLOTS = 5;  // one a player slot
using ComputerSkills = std::array<ComputerSkill, SKILL_SLOTS>;
constexpr ComputerSkills DESIGNED_SKILLS{ComputerSkill::Normal, ComputerSkill::Normal, ComputerSkill::Normal,
                                         ComputerSkill::Normal, ComputerSkill::Normal};

// One layer of settings; an empty optional leaves the key to the layers below.
struct PlayerSettings {
    std::optional<bool> fullScreen{};
    std::optional<int> screenMode{};   // 0..255 or FROM_GAME_INI
    std::optional<int> pixelFormat{};  // 1 = 5-5-5, 2 = 5-6-5
    std::optional<int> weather{};      // 0 off, 1 on, FROM_GAME_INI
    std::optional<int> volume{};       // 0..100 percent of the designed loudness
    std::optional<int> turnTime{};     // seconds
    std::optional<ComputerSkills> computerSkill{};  // by player slot
    std::optional<bool> assist{};      // the aiming aids
    std::optional<bool> pads{};        // gamepads feed the game
    std::optional<int> padDeadZone{};  // percent of a stick's travel
    std::optional<int> padSpeed{};     // percent of the pad pointer's top speed
    bool operator==(const PlayerSettings&) const = default;
};

// What the layers come to, every key decided.
struct ResolvedSettings {
    bool fullScreen = true;
    int screenMode = FROM_GAME_INI;
    int pixelFormat = 2;
    int weather = FROM_GAME_INI;
    int volume = 100;
    int turnTicks = DESIGNED_TURN_SECONDS * TICKS_PER_SECOND;
    ComputerSkills computerSkills = DESIGNED_SKILLS;
    bool assist = false;
    bool pads = true;
    int padDeadZone = 15;
    int padSpeed = 100;
    bool operator==(const ResolvedSettings&) const = default;
};

// Each value set in `over` replaces the one in `under`.
PlayerSettings layered(const PlayerSettings& over, const PlayerSettings& under);
ResolvedSettings resolve(const PlayerSettings& settings);

// Sets one key from its text. False when the key is unknown or the value is not one it takes;
// `why` then says what the key takes ("a number 0..100, not 'loud'") or "unknown key".
bool setSetting(PlayerSettings& settings, std::string_view key, std::string_view value, std::string& why);

// Parses a whole file's text; each problem is a message naming `fileName`, the line and the key,
// and leaves that key to the layers below.
PlayerSettings parseSettingsText(std::string_view text, const std::string& fileName,
                                 std::vector<std::string>& problems);

// Reads and parses a settings file of at most MAX_SETTINGS_FILE_BYTES. A missing file is a problem
// only when `mustExist`; an unreadable, oversized or binary file is one problem and sets nothing.
PlayerSettings readSettingsFile(const std::string& path, bool mustExist, std::vector<std::string>& problems);

// $XDG_CONFIG_HOME/ramparo/ramparo.conf, else ~/.config/ramparo/ramparo.conf; empty when neither
// variable names a directory.
std::string defaultSettingsPath();

// Every key with its default, commented out, with a line about each: what --print-config writes.
std::string defaultSettingsText();

// The skills as the settings file writes them: one word when every slot has the same skill, else
// the list up to the last slot that differs from the one after it ("easy,hard").
std::string computerSkillText(const ComputerSkills& skills);

// The first lines of a recorded script: "# game.ini: 01 01 00 01", "# turn-time: 25",
// "# computer-skill: normal" and "# assist: off".
struct RecordedSettings {
    std::optional<std::vector<std::uint8_t>> gameIni;
    PlayerSettings settings;
};
RecordedSettings parseRecordedSettings(std::string_view script, std::vector<std::string>& problems);
// The lines a recording starts with, in the form parseRecordedSettings reads.
std::string recordedSettingsLines(const std::optional<std::vector<std::uint8_t>>& gameIni, int turnTicks,
                                  const ComputerSkills& skills, bool assist);
