#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/script.h"

using platform::ScriptEvent;

namespace {
std::vector<ScriptEvent> parseOk(std::string_view text) {
    std::vector<ScriptEvent> events;
    std::string error;
    EXPECT_TRUE(platform::parseScript(text, events, error)) << error;
    return events;
}
std::string parseError(std::string_view text) {
    std::vector<ScriptEvent> events{ScriptEvent{}};
    std::string error;
    EXPECT_FALSE(platform::parseScript(text, events, error)) << text;
    EXPECT_TRUE(events.empty());
    return error;
}
}  // namespace

TEST(ScriptParser, EveryCommand) {
    const auto events = parseOk(
        "# a comment line\n"
        "\n"
        "0 key A\n"
        "1 key 7   # trailing comment\n"
        "2 key space\n"
        "2 key ESCAPE\n"
        "3 key BACKSPACE\n"
        "3 key RETURN\n"
        "4 key 0x59\n"
        "5 move 100 -20\n"
        "6 press left\n"
        "7 release right\n"
        "8 click 320 240\n"
        "9 screenshot shot.png\n"
        "10 lose-surfaces\r\n"
        "600+300 quit\n");
    ASSERT_EQ(events.size(), 14u);
    const int keys[] = {'A', '7', 0x20, 0x1B, 0x08, 0x0D, 0x59};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(events[i].kind, ScriptEvent::Kind::Key);
        EXPECT_EQ(events[i].virtualKey, keys[i]);
    }
    EXPECT_EQ(events[0].line, 3);
    EXPECT_EQ(events[7].kind, ScriptEvent::Kind::Move);
    EXPECT_EQ(events[7].point.x, 100);
    EXPECT_EQ(events[7].point.y, -20);
    EXPECT_EQ(events[8].kind, ScriptEvent::Kind::Press);
    EXPECT_EQ(events[8].button, platform::MouseButton::Left);
    EXPECT_EQ(events[9].kind, ScriptEvent::Kind::Release);
    EXPECT_EQ(events[9].button, platform::MouseButton::Right);
    EXPECT_EQ(events[10].kind, ScriptEvent::Kind::Click);
    EXPECT_EQ(events[10].frame, 8);
    EXPECT_EQ(events[11].file, "shot.png");
    EXPECT_EQ(events[12].kind, ScriptEvent::Kind::LoseSurfaces);
    EXPECT_EQ(events[13].kind, ScriptEvent::Kind::Quit);
    EXPECT_EQ(events[13].frame, 600);
    EXPECT_EQ(events[13].period, 300);
}

TEST(ScriptParser, MalformedLinesNameTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"0 key A\nx key A\n", "line 2: bad frame 'x'"},
        {"-1 key A", "line 1: bad frame"},
        {"5+0 key A", "line 1: bad frame"},
        {"5+ key A", "line 1: bad frame"},
        {"99999999999999999999 quit", "line 1: bad frame"},
        {"\n\n3", "line 3: a command must follow"},
        {"1 jump", "line 1: unknown command 'jump'"},
        {"1 key", "line 1: 'key' takes a key name"},
        {"1 key F1", "line 1: unknown key 'F1'"},
        {"1 key 0x100", "unknown key"},
        {"1 key 0x0", "unknown key"},
        {"1 key AB", "unknown key"},
        {"1 move 10", "'move' takes X Y"},
        {"1 click 10 y", "bad position"},
        {"1 press middle", "unknown button 'middle'"},
        {"1 release", "'release' takes left or right"},
        {"1 screenshot shot.bmp", "must end in .png"},
        {"1 quit now", "'quit' takes no arguments"},
        {"1 lose-surfaces 2", "takes no arguments"},
    };
    for (const auto& [text, expected] : cases) {
        const std::string error = parseError(text);
        EXPECT_NE(error.find(expected), std::string::npos) << text << " -> " << error;
    }
}

TEST(ScriptParser, FormattedEventsReadBack) {
    const auto events = parseOk(
        "0 key ESCAPE\n5+60 click 7 9\n6 move -1 2\n7 press right\n8 release left\n"
        "9 screenshot a.png\n10 lose-surfaces\n11 quit\n12 key Z\n");
    std::string written;
    for (const ScriptEvent& e : events) written += platform::formatScriptEvent(e) + "\n";
    const auto again = parseOk(written);
    ASSERT_EQ(again.size(), events.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(again[i].kind, events[i].kind) << written;
        EXPECT_EQ(again[i].frame, events[i].frame);
        EXPECT_EQ(again[i].period, events[i].period);
        EXPECT_EQ(again[i].virtualKey, events[i].virtualKey);
        EXPECT_EQ(again[i].point.x, events[i].point.x);
        EXPECT_EQ(again[i].point.y, events[i].point.y);
        EXPECT_EQ(again[i].button, events[i].button);
        EXPECT_EQ(again[i].file, events[i].file);
    }
}
