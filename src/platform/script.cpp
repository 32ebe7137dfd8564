#include "platform/script.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace platform {

namespace {

struct NamedKey {
    std::string_view name;
    int code;
};
constexpr NamedKey namedKeys[] = {{"SPACE", 0x20}, {"ESCAPE", 0x1B}, {"BACKSPACE", 0x08}, {"RETURN", 0x0D}};

std::vector<std::string_view> splitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        const std::size_t start = i;
        while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

template <typename T>
bool parseNumber(std::string_view text, T& value, int base = 10) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, base);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool parseKey(std::string_view word, int& code) {
    const std::string name = upper(word);
    if (name.size() == 1 && (std::isupper(static_cast<unsigned char>(name[0])) ||
                             std::isdigit(static_cast<unsigned char>(name[0])))) {
        code = name[0];
        return true;
    }
    for (const NamedKey& key : namedKeys)
        if (name == key.name) {
            code = key.code;
            return true;
        }
    if (name.starts_with("0X") && parseNumber(std::string_view(name).substr(2), code, 16))
        return code > 0 && code < 0xFF;
    return false;
}

bool parseButton(std::string_view word, MouseButton& button) {
    if (word == "left")
        button = MouseButton::Left;
    else if (word == "right")
        button = MouseButton::Right;
    else
        return false;
    return true;
}

// Far beyond any run, and small enough that frame times never overflow.
constexpr std::int64_t MAX_SCRIPT_FRAME = 1'000'000'000'000;

bool parseFrame(std::string_view word, ScriptEvent& event) {
    const std::size_t plus = word.find('+');
    const bool start =
        parseNumber(word.substr(0, plus), event.frame) && event.frame >= 0 && event.frame <= MAX_SCRIPT_FRAME;
    if (plus == std::string_view::npos) return start;
    return start && parseNumber(word.substr(plus + 1), event.period) && event.period > 0 &&
           event.period <= MAX_SCRIPT_FRAME;
}

bool parsePeer(std::string_view word, int& peer) { return parseNumber(word, peer) && peer >= 1 && peer <= MAX_PEER; }

// Empty when the line is good.
std::string parseLine(std::vector<std::string_view> words, ScriptEvent& event) {
    if (!parseFrame(words[0], event))
        return "bad frame '" + std::string(words[0]) + "' (a frame number, or START+PERIOD)";
    if (words.size() >= 2 && words[1].starts_with('@')) {
        if (!parsePeer(words[1].substr(1), event.peer))
            return "bad peer '" + std::string(words[1]) + "' (@1..@" + std::to_string(MAX_PEER) + ")";
        words.erase(words.begin() + 1);
    }
    if (words.size() < 2) return "a command must follow the frame";
    const std::string_view command = words[1];
    const std::size_t args = words.size() - 2;
    const bool input = command == "key" || command == "move" || command == "click" || command == "press" ||
                       command == "release";
    if (event.peer != 0 && !input) return "only input (key, move, click, press, release) comes from a peer";
    auto wantArgs = [&](std::size_t count, const char* form) -> std::string {
        return args == count ? std::string() : "'" + std::string(command) + "' takes " + form;
    };
    if (command == "key") {
        event.kind = ScriptEvent::Kind::Key;
        if (auto e = wantArgs(1, "a key name"); !e.empty()) return e;
        if (!parseKey(words[2], event.virtualKey))
            return "unknown key '" + std::string(words[2]) +
                   "' (A..Z, 0..9, SPACE, ESCAPE, BACKSPACE, RETURN or 0x01..0xFE)";
    } else if (command == "move" || command == "click") {
        event.kind = command == "move" ? ScriptEvent::Kind::Move : ScriptEvent::Kind::Click;
        if (auto e = wantArgs(2, "X Y"); !e.empty()) return e;
        if (!parseNumber(words[2], event.point.x) || !parseNumber(words[3], event.point.y))
            return "bad position '" + std::string(words[2]) + " " + std::string(words[3]) + "'";
    } else if (command == "press" || command == "release") {
        event.kind = command == "press" ? ScriptEvent::Kind::Press : ScriptEvent::Kind::Release;
        if (auto e = wantArgs(1, "left or right"); !e.empty()) return e;
        if (!parseButton(words[2], event.button))
            return "unknown button '" + std::string(words[2]) + "' (left or right)";
    } else if (command == "screenshot") {
        event.kind = ScriptEvent::Kind::Screenshot;
        if (auto e = wantArgs(1, "a file name ending in .png"); !e.empty()) return e;
        if (!words[2].ends_with(".png"))
            return "screenshot file '" + std::string(words[2]) + "' must end in .png";
        event.file = words[2];
    } else if (command == "hash" || command == "lose-surfaces" || command == "quit") {
        event.kind = command == "hash"    ? ScriptEvent::Kind::Hash
                     : command == "quit" ? ScriptEvent::Kind::Quit
                                         : ScriptEvent::Kind::LoseSurfaces;
        if (auto e = wantArgs(0, "no arguments"); !e.empty()) return e;
    } else if (command == "join") {
        event.kind = ScriptEvent::Kind::Join;
        if (auto e = wantArgs(2, "a peer number and a name"); !e.empty()) return e;
        if (!parsePeer(words[2], event.peer)) return "bad peer '" + std::string(words[2]) + "'";
        event.name = peerName(words[3]);
        if (event.name != words[3]) return "bad name '" + std::string(words[3]) + "' (A..Z and 0..9)";
    } else if (command == "leave") {
        event.kind = ScriptEvent::Kind::Leave;
        if (auto e = wantArgs(1, "a peer number"); !e.empty()) return e;
        if (!parsePeer(words[2], event.peer)) return "bad peer '" + std::string(words[2]) + "'";
    } else {
        return "unknown command '" + std::string(command) + "'";
    }
    return {};
}

}  // namespace

bool parseScript(std::string_view text, std::vector<ScriptEvent>& events, std::string& error) {
    events.clear();
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        line = line.substr(0, line.find('#'));
        const std::vector<std::string_view> words = splitWords(line);
        if (words.empty()) continue;
        ScriptEvent event;
        event.line = lineNumber;
        if (std::string problem = parseLine(words, event); !problem.empty()) {
            error = "line " + std::to_string(lineNumber) + ": " + problem;
            events.clear();
            return false;
        }
        events.push_back(std::move(event));
    }
    return true;
}

bool loadScript(const std::string& path, std::vector<ScriptEvent>& events, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read the input script '" + path + "'";
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (!parseScript(text.str(), events, error)) {
        error = "input script '" + path + "' " + error;
        return false;
    }
    return true;
}

std::string keyName(int virtualKey) {
    const int vk = virtualKey & 0xFF;
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::string(1, static_cast<char>(vk));
    switch (vk) {
        case 0x20: return "SPACE";
        case 0x1B: return "ESCAPE";
        case 0x08: return "BACKSPACE";
        case 0x0D: return "RETURN";
        default: break;
    }
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned>(vk));
    return code;
}

std::string peerName(std::string_view wanted) {
    std::string name;
    for (const char c : wanted) {
        const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (name.size() < MAX_PEER_NAME && ((up >= 'A' && up <= 'Z') || (up >= '0' && up <= '9'))) name += up;
    }
    return name;
}

std::string formatScriptEvent(const ScriptEvent& event) {
    std::string out = std::to_string(event.frame);
    if (event.period > 0) out += "+" + std::to_string(event.period);
    const bool fromPeer = event.kind != ScriptEvent::Kind::Join && event.kind != ScriptEvent::Kind::Leave;
    if (event.peer != 0 && fromPeer) out += " @" + std::to_string(event.peer);
    const auto position = [&] {
        return " " + std::to_string(event.point.x) + " " + std::to_string(event.point.y);
    };
    const char* button = event.button == MouseButton::Left ? " left" : " right";
    switch (event.kind) {
        case ScriptEvent::Kind::Key:
            return out + " key " + keyName(event.virtualKey);
        case ScriptEvent::Kind::Move:
            return out + " move" + position();
        case ScriptEvent::Kind::Click:
            return out + " click" + position();
        case ScriptEvent::Kind::Press:
            return out + " press" + button;
        case ScriptEvent::Kind::Release:
            return out + " release" + button;
        case ScriptEvent::Kind::Screenshot:
            return out + " screenshot " + event.file;
        case ScriptEvent::Kind::Hash:
            return out + " hash";
        case ScriptEvent::Kind::LoseSurfaces:
            return out + " lose-surfaces";
        case ScriptEvent::Kind::Quit:
            return out + " quit";
        case ScriptEvent::Kind::Join:
            return out + " join " + std::to_string(event.peer) + " " + event.name;
        case ScriptEvent::Kind::Leave:
            return out + " leave " + std::to_string(event.peer);
    }
    return out;
}

}  // namespace platform
