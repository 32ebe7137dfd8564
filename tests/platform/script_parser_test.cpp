// Input scripts: each line read into its event and written back, malformed lines named. (The
// end-to-end runs and the recorded games play scripts against virtual time.)
#include <gtest/gtest.h>

#include "platform/script.h"

using platform::ScriptEvent;
using K = ScriptEvent::Kind;

namespace {

std::vector<ScriptEvent> parse(std::string_view text, std::string* error = nullptr) {
    std::vector<ScriptEvent> events{ScriptEvent{}};
    std::string problem;
    EXPECT_EQ(platform::parseScript(text, events, problem), error == nullptr) << text << " -> " << problem;
    if (error) *error = problem;
    return events;
}

}  // namespace

TEST(ScriptParser, EveryCommandReadsAndWritesBack) {
    const struct {
        const char* line;
        K kind;
        int key;  // the key's code, or the X of a position
        const char* written;
    } cases[] = {
        {"0 key A", K::Key, 'A', "0 key A"}, {"1 key 7   # trailing comment", K::Key, '7', "1 key 7"},
        {"2 key space", K::Key, 0x20, "2 key SPACE"}, {"2 key ESCAPE", K::Key, 0x1B, "2 key ESCAPE"},
        {"3 key BACKSPACE", K::Key, 0x08, "3 key BACKSPACE"}, {"3 key RETURN", K::Key, 0x0D, "3 key RETURN"},
        {"4 key 0x59", K::Key, 0x59, "4 key Y"}, {"4 key 0xFE", K::Key, 0xFE, "4 key 0xFE"},
        {"5 move 100 -20", K::Move, 100, "5 move 100 -20"}, {"6 press left", K::Press, 0, "6 press left"},
        {"7 release right", K::Release, 0, "7 release right"}, {"8 click 320 240", K::Click, 320, "8 click 320 240"},
        {"9 screenshot a.png", K::Screenshot, 0, "9 screenshot a.png"}, {"11 hash", K::Hash, 0, "11 hash"},
        {"10 lose-surfaces\r", K::LoseSurfaces, 0, "10 lose-surfaces"}, {"600+300 quit", K::Quit, 0, "600+300 quit"},
        {"1000000000000+1000000000000 quit", K::Quit, 0, "1000000000000+1000000000000 quit"},
    };
    for (const auto& c : cases) {
        const std::vector<ScriptEvent> events = parse(std::string("# a comment line\n\n") + c.line + "\n");
        ASSERT_EQ(events.size(), 1u) << c.line;
        EXPECT_EQ(events[0].line, 3) << c.line;
        EXPECT_EQ(events[0].kind, c.kind) << c.line;
        EXPECT_EQ(c.kind == K::Key ? events[0].virtualKey : events[0].point.x, c.key) << c.line;
        EXPECT_EQ(platform::formatScriptEvent(events[0]), c.written);
    }
}

TEST(ScriptParser, MalformedLinesNameTheLineAndLeaveNoEvents) {
    const std::pair<const char*, const char*> cases[] = {
        {"0 key A\nx key A\n", "line 2: bad frame 'x'"}, {"-1 key A", "line 1: bad frame"},
        {"5+0 key A", "line 1: bad frame"}, {"1000000000001 quit", "bad frame"}, {"1+1000000000001 quit", "bad frame"},
        {"99999999999999999999 quit", "bad frame"}, {"\n\n3", "line 3: a command must follow"},
        {"1 jump", "line 1: unknown command 'jump'"}, {"1 key", "line 1: 'key' takes a key name"},
        {"1 key F1", "line 1: unknown key 'F1'"}, {"1 key 0xFF", "unknown key"}, {"1 key 0x0", "unknown key"},
        {"1 key AB", "unknown key"}, {"1 move 10", "'move' takes X Y"}, {"1 click 10 y", "bad position"},
        {"1 press middle", "unknown button 'middle'"}, {"1 release", "'release' takes left or right"},
        {"1 screenshot shot.bmp", "must end in .png"}, {"1 quit now", "'quit' takes no arguments"},
        {"1 lose-surfaces 2", "takes no arguments"}, {"1 hash 2", "takes no arguments"},
    };
    for (const auto& [text, expected] : cases) {
        std::string error;
        EXPECT_TRUE(parse(text, &error).empty()) << text;
        EXPECT_NE(error.find(expected), std::string::npos) << text << " -> " << error;
    }
}

TEST(ScriptParser, PeersInputsJoinsAndLeaves) {
    const struct {
        const char* line;
        K kind;
        int peer;
        const char* name;
    } cases[] = {{"5 @2 key A", K::Key, 2, ""}, {"6 join 2 BOB", K::Join, 2, "BOB"}, {"7 leave 3", K::Leave, 3, ""}};
    for (const auto& c : cases) {
        const std::vector<ScriptEvent> events = parse(c.line);
        ASSERT_EQ(events.size(), 1u) << c.line;
        EXPECT_EQ(std::tie(events[0].kind, events[0].peer, events[0].name), std::tie(c.kind, c.peer, c.name)) << c.line;
        EXPECT_EQ(platform::formatScriptEvent(events[0]), c.line);
    }
    const std::pair<const char*, const char*> refused[] = {
        {"1 @0 key A", "bad peer '@0'"}, {"1 @9 key A", "bad peer '@9'"}, {"1 @2 quit", "only input"},
        {"1 join 2 bad-name", "bad name 'bad-name'"}, {"1 join 5 BOB", "bad peer '5'"},
        {"1 join 2 ABCDEFGHIJKLM", "bad name"}, {"1 @2 join 2 BOB", "only input"},
    };
    for (const auto& [text, expected] : refused) {
        std::string error;
        EXPECT_TRUE(parse(text, &error).empty()) << text;
        EXPECT_NE(error.find(expected), std::string::npos) << text << " -> " << error;
    }
    EXPECT_EQ(platform::peerName("bob-the_2nd builder!"), "BOBTHE2NDBUI");
}
