#include "core/config_file.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

bool parseNumber(std::string_view text, int low, int high, int& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end && value >= low && value <= high;
}

std::optional<bool> parseYesNo(std::string_view text) {
    if (text == "yes" || text == "on" || text == "true") return true;
    if (text == "no" || text == "off" || text == "false") return false;
    return std::nullopt;
}

constexpr std::string_view SKILL_NAMES[] = {"easy", "normal", "hard"};

// "easy", "normal", "hard", or a list of them by player slot, the last one for the slots after it.
std::optional<ComputerSkills> parseSkills(std::string_view text) {
    ComputerSkills skills = DESIGNED_SKILLS;
    int slot = 0;
    for (;;) {
        const std::size_t comma = std::min(text.find(','), text.size());
        const auto name = std::ranges::find(SKILL_NAMES, text.substr(0, comma));
        if (name == std::end(SKILL_NAMES) || slot == SKILL_SLOTS) return std::nullopt;
        for (int s = slot; s < SKILL_SLOTS; ++s)
            skills[static_cast<std::size_t>(s)] = static_cast<ComputerSkill>(name - std::begin(SKILL_NAMES));
        ++slot;
        if (comma == text.size()) return skills;
        text.remove_prefix(comma + 1);
    }
}

struct Key {
    std::string_view name;
    std::string_view takes;         // for messages
    std::string_view defaultValue;  // as --print-config writes it
    std::string_view about;         // the comment above it
    bool (*set)(PlayerSettings&, std::string_view);
};

constexpr Key KEYS[] = {
    {"full-screen", "yes or no", "yes", "Full screen (yes) or a window (no); Alt+Enter switches while playing.",
     [](PlayerSettings& s, std::string_view v) {
         s.fullScreen = parseYesNo(v);
         return s.fullScreen.has_value();
     }},
    {"screen-mode", "a number 0..255 or game.ini", "game.ini",
     "0 = 320x240, 1 = 640x480, 2 = 800x600, 3 = 1024x768; game.ini: its first byte.",
     [](PlayerSettings& s, std::string_view v) {
         int n = 0;
         if (v == "game.ini") n = FROM_GAME_INI;
         else if (!parseNumber(v, 0, 255, n)) return false;
         s.screenMode = n;
         return true;
     }},
    {"pixel-format", "555 or 565", "565", "The 16-bit pixel layout: 565 or 555.",
     [](PlayerSettings& s, std::string_view v) {
         if (v != "555" && v != "565") return false;
         s.pixelFormat = v == "555" ? 1 : 2;
         return true;
     }},
    {"weather", "on, off or game.ini", "game.ini", "Rain, snow and clouds: on, off, or as game.ini's fourth byte says.",
     [](PlayerSettings& s, std::string_view v) {
         const std::optional<bool> on = parseYesNo(v);
         if (!on && v != "game.ini") return false;
         s.weather = on ? int(*on) : FROM_GAME_INI;
         return true;
     }},
    {"volume", "a number 0..100", "100", "Loudness of the sounds in percent; 100 is the designed loudness.",
     [](PlayerSettings& s, std::string_view v) {
         int n = 0;
         if (!parseNumber(v, 0, 100, n)) return false;
         s.volume = n;
         return true;
     }},
    {"turn-time", "a number of seconds 1..3600", "25",
     "Seconds a player has for a turn; the battle's own time limit grows or shrinks with it (25 s: 400 s).",
     [](PlayerSettings& s, std::string_view v) {
         int n = 0;
         if (!parseNumber(v, 1, 3600, n)) return false;
         s.turnTime = n;
         return true;
     }},
    {"computer-skill", "easy, normal or hard, or a list of them by player (easy,hard)", "normal",
     "How well the computer players play (normal: as designed); easy,hard: player 1 easy, the rest hard.",
     [](PlayerSettings& s, std::string_view v) {
         s.computerSkill = parseSkills(v);
         return s.computerSkill.has_value();
     }},
    {"assist", "on or off", "off",
     "Aiming aids: angle and power, last shots' traces, arrows to fortresses, damage bars, kept aim.",
     [](PlayerSettings& s, std::string_view v) {
         s.assist = parseYesNo(v);
         return s.assist.has_value();
     }},
    {"pads", "on or off", "on", "Gamepads: on, any number plugged in or out while playing; off: ignored.",
     [](PlayerSettings& s, std::string_view v) {
         s.pads = parseYesNo(v);
         return s.pads.has_value();
     }},
    {"pad-dead-zone", "a number 0..90", "15", "Percent of a stick's travel that does not move the pointer.",
     [](PlayerSettings& s, std::string_view v) {
         int n = 0;
         if (!parseNumber(v, 0, 90, n)) return false;
         s.padDeadZone = n;
         return true;
     }},
    {"pad-speed", "a number 10..400", "100", "The pad pointer's top speed in percent (100: 12 pixels a frame).",
     [](PlayerSettings& s, std::string_view v) {
         int n = 0;
         if (!parseNumber(v, 10, 400, n)) return false;
         s.padSpeed = n;
         return true;
     }},
};

// The keys a recording carries as "# key: value" lines besides "# game.ini:".
constexpr std::string_view RECORDED_KEYS[] = {"turn-time", "computer-skill", "assist", "pixel-format"};

std::string_view trimmed(std::string_view text) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && space(text.front())) text.remove_prefix(1);
    while (!text.empty() && space(text.back())) text.remove_suffix(1);
    return text;
}

// Text from the file as a message may show it: printable, and not too long.
std::string shown(std::string_view text) {
    std::string out;
    for (char c : text.substr(0, 40)) out += (c >= ' ' && c < 127) ? c : '?';
    if (text.size() > 40) out += "...";
    return out;
}

constexpr std::size_t MAX_PROBLEMS_SHOWN = 10;

}  // namespace

PlayerSettings layered(const PlayerSettings& over, const PlayerSettings& under) {
    PlayerSettings s = under;
    if (over.fullScreen) s.fullScreen = over.fullScreen;
    if (over.screenMode) s.screenMode = over.screenMode;
    if (over.pixelFormat) s.pixelFormat = over.pixelFormat;
    if (over.weather) s.weather = over.weather;
    if (over.volume) s.volume = over.volume;
    if (over.turnTime) s.turnTime = over.turnTime;
    if (over.computerSkill) s.computerSkill = over.computerSkill;
    if (over.assist) s.assist = over.assist;
    if (over.pads) s.pads = over.pads;
    if (over.padDeadZone) s.padDeadZone = over.padDeadZone;
    if (over.padSpeed) s.padSpeed = over.padSpeed;
    return s;
}

ResolvedSettings resolve(const PlayerSettings& s) {
    ResolvedSettings r;
    r.fullScreen = s.fullScreen.value_or(r.fullScreen);
    r.screenMode = s.screenMode.value_or(r.screenMode);
    r.pixelFormat = s.pixelFormat.value_or(r.pixelFormat);
    r.weather = s.weather.value_or(r.weather);
    r.volume = s.volume.value_or(r.volume);
    if (s.turnTime) r.turnTicks = *s.turnTime * TICKS_PER_SECOND;
    r.computerSkills = s.computerSkill.value_or(r.computerSkills);
    r.assist = s.assist.value_or(r.assist);
    r.pads = s.pads.value_or(r.pads);
    r.padDeadZone = s.padDeadZone.value_or(r.padDeadZone);
    r.padSpeed = s.padSpeed.value_or(r.padSpeed);
    return r;
}

bool setSetting(PlayerSettings& settings, std::string_view key, std::string_view value, std::string& why) {
    const auto found = std::ranges::find(KEYS, key, &Key::name);
    if (found == std::end(KEYS)) {
        why = "unknown key '" + shown(key) + "'";
        return false;
    }
    PlayerSettings changed = settings;
    if (!found->set(changed, value)) {
        why = std::string(found->takes) + ", not '" + shown(value) + "'";
        return false;
    }
    settings = changed;
    return true;
}

PlayerSettings parseSettingsText(std::string_view text, const std::string& fileName,
                                 std::vector<std::string>& problems) {
    PlayerSettings settings;
    std::size_t problemCount = 0;
    const auto problem = [&](int line, const std::string& what) {
        if (++problemCount <= MAX_PROBLEMS_SHOWN)
            problems.push_back(fileName + ":" + std::to_string(line) + ": " + what);
    };
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        line = trimmed(line.substr(0, line.find('#')));
        if (line.empty()) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            problem(lineNumber, "expected 'key = value', not '" + shown(line) + "'; the line is ignored");
            continue;
        }
        const std::string_view key = trimmed(line.substr(0, equals));
        std::string why;
        if (!setSetting(settings, key, trimmed(line.substr(equals + 1)), why))
            problem(lineNumber, why.starts_with("unknown")
                                    ? why + "; the line is ignored"
                                    : std::string(key) + " takes " + why + "; the default is used");
    }
    if (problemCount > MAX_PROBLEMS_SHOWN)
        problems.push_back(fileName + ": " + std::to_string(problemCount - MAX_PROBLEMS_SHOWN) +
                           " more problems not shown");
    return settings;
}

PlayerSettings readSettingsFile(const std::string& path, bool mustExist, std::vector<std::string>& problems) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) {
        if (mustExist) problems.push_back("cannot read the settings file " + path + ": it does not exist");
        return {};
    }
    std::ifstream file(path, std::ios::binary);
    if (!fs::is_regular_file(status) || !file) {
        problems.push_back("cannot read the settings file " + path + "; it is ignored");
        return {};
    }
    std::string text(MAX_SETTINGS_FILE_BYTES + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    if (file.bad()) {
        problems.push_back("cannot read the settings file " + path + "; it is ignored");
        return {};
    }
    if (text.size() > MAX_SETTINGS_FILE_BYTES) {
        problems.push_back("the settings file " + path + " is larger than " +
                           std::to_string(MAX_SETTINGS_FILE_BYTES / 1024) + " KiB; it is ignored");
        return {};
    }
    if (text.find('\0') != std::string::npos) {
        problems.push_back("the settings file " + path + " is not a text file; it is ignored");
        return {};
    }
    return parseSettingsText(text, path, problems);
}

std::string defaultSettingsPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path dir;
    if (config && config[0] == '/') {
        dir = config;
    } else if (const char* home = std::getenv("HOME"); home && home[0] != '\0') {
        dir = std::filesystem::path(home) / ".config";
    } else {
        return {};
    }
    return (dir / "ramparo" / "ramparo.conf").string();
}

std::string defaultSettingsText() {
    std::string text =
        "# Ramparo settings: copy to ~/.config/ramparo/ramparo.conf (or $XDG_CONFIG_HOME/ramparo/)\n"
        "# and remove the '#' in front of a key to change it. Every key is shown with its default.\n"
        "# The command line wins over this file; this file wins over game.ini.\n";
    for (const Key& key : KEYS) {
        text += "\n# " + std::string(key.about) + "\n# Takes " + std::string(key.takes) + ".\n";
        text += "# " + std::string(key.name) + " = " + std::string(key.defaultValue) + "\n";
    }
    return text;
}

RecordedSettings parseRecordedSettings(std::string_view script, std::vector<std::string>& problems) {
    RecordedSettings recorded;
    constexpr std::string_view GAME_INI = "# game.ini:";
    while (!script.empty()) {
        const std::size_t end = std::min(script.find('\n'), script.size());
        const std::string_view line = trimmed(script.substr(0, end));
        script.remove_prefix(std::min(end + 1, script.size()));
        if (!line.empty() && line.front() != '#') break;  // the first event ends the recorded settings
        if (line.starts_with(GAME_INI)) {
            std::vector<std::uint8_t> bytes;
            std::string_view hex = trimmed(line.substr(GAME_INI.size()));
            bool good = true;
            while (!hex.empty()) {
                const std::string_view token = hex.substr(0, std::min(hex.find(' '), hex.size()));
                unsigned value = 0;
                const auto result = std::from_chars(token.data(), token.data() + token.size(), value, 16);
                good = good && token.size() <= 2 && result.ec == std::errc() &&
                       result.ptr == token.data() + token.size();
                bytes.push_back(static_cast<std::uint8_t>(value));
                hex = trimmed(hex.substr(token.size()));
            }
            if (good && bytes.size() == 4)
                recorded.gameIni = bytes;
            else
                problems.push_back("the recorded game.ini line '" + shown(line) + "' needs four bytes in hex");
        } else {
            for (const std::string_view key : RECORDED_KEYS) {
                const std::string prefix = "# " + std::string(key) + ":";
                if (!line.starts_with(prefix)) continue;
                std::string why;
                if (!setSetting(recorded.settings, key, trimmed(line.substr(prefix.size())), why))
                    problems.push_back("the recorded " + std::string(key) + " takes " + why);
            }
        }
    }
    return recorded;
}

std::string computerSkillText(const ComputerSkills& skills) {
    std::size_t used = SKILL_SLOTS;
    while (used > 1 && skills[used - 1] == skills[used - 2]) --used;
    std::string text;
    for (std::size_t s = 0; s < used; ++s)
        text += (s > 0 ? "," : "") + std::string(SKILL_NAMES[static_cast<std::size_t>(skills[s])]);
    return text;
}

std::string recordedSettingsLines(const std::optional<std::vector<std::uint8_t>>& gameIni, int turnTicks,
                                  const ComputerSkills& skills, bool assist) {
    std::string lines;
    if (gameIni) {
        lines += "# game.ini:";
        for (std::size_t i = 0; i < 4; ++i) {
            char hex[4];
            std::snprintf(hex, sizeof hex, " %02X", i < gameIni->size() ? (*gameIni)[i] : 0);
            lines += hex;
        }
        lines += '\n';
    }
    lines += "# turn-time: " + std::to_string(turnTicks / TICKS_PER_SECOND) + "\n";
    lines += "# computer-skill: " + computerSkillText(skills) + "\n";
    lines += std::string("# assist: ") + (assist ? "on" : "off") + "\n";
    return lines;
}
