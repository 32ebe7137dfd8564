#include "platform/headless/script_player.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> playUntil(platform::ScriptPlayer& player, std::int64_t frame) {
    std::vector<std::string> delivered;
    player.deliverDue(
        frame, [&](const platform::ScriptEvent& e) { delivered.push_back(platform::formatScriptEvent(e)); });
    return delivered;
}

platform::ScriptPlayer playerOf(std::string_view text) {
    std::vector<platform::ScriptEvent> events;
    std::string error;
    EXPECT_TRUE(platform::parseScript(text, events, error)) << error;
    return platform::ScriptPlayer(events);
}

}  // namespace

TEST(ScriptPlayer, EventsComeAtOrAfterTheirFrameInScriptOrder) {
    auto player = playerOf("5 key B\n2 key A\n5 move 1 1\n");
    EXPECT_TRUE(playUntil(player, 1).empty());
    EXPECT_EQ(playUntil(player, 3), std::vector<std::string>{"2 key A"});
    EXPECT_EQ(playUntil(player, 9), (std::vector<std::string>{"5 key B", "5 move 1 1"}));
    EXPECT_TRUE(playUntil(player, 100).empty()) << "each event once";
}

TEST(ScriptPlayer, ClickIsMovePressAndReleaseOneFrameLater) {
    auto player = playerOf("4 click 10 20\n");
    EXPECT_EQ(playUntil(player, 4), (std::vector<std::string>{"4 move 10 20", "4 press left"}));
    EXPECT_EQ(playUntil(player, 5), std::vector<std::string>{"5 release left"});
}

TEST(ScriptPlayer, PeriodicEventsRepeat) {
    auto player = playerOf("10+5 key 0x20\n");
    EXPECT_EQ(playUntil(player, 10).size(), 1u);
    EXPECT_EQ(playUntil(player, 14).size(), 0u);
    // A long wait catches up with every repeat that fell due meanwhile.
    EXPECT_EQ(playUntil(player, 30),
              (std::vector<std::string>{"15 key SPACE", "20 key SPACE", "25 key SPACE", "30 key SPACE"}));
}

TEST(ScriptPlayer, RepeatedClickReleasesBeforePressingAgain) {
    auto player = playerOf("0+1 click 5 5\n");
    EXPECT_EQ(playUntil(player, 0), (std::vector<std::string>{"0 move 5 5", "0 press left"}));
    EXPECT_EQ(playUntil(player, 1),
              (std::vector<std::string>{"1 release left", "1 move 5 5", "1 press left"}));
}
