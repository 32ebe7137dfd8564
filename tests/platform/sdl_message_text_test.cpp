#include <gtest/gtest.h>

#include "platform/sdl/message_text.h"

using namespace platform::sdl;

// Message texts reach the box as UTF-8: ASCII and UTF-8 as they are, the game's Windows-1251 text
// ("Для ... 60Гц") as Cyrillic, even a lead byte cut off at the end; standard error gets one line.
TEST(SdlMessageText, Windows1251BecomesUtf8AndStandardErrorOneLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"ERROR DIRECT X SetDisplayMode", "ERROR DIRECT X SetDisplayMode"},
        {"", ""},
        {"\xD0\x94\xD0\xBB\xD1\x8F 60\xD0\x93\xD1\x86", "\xD0\x94\xD0\xBB\xD1\x8F 60\xD0\x93\xD1\x86"},
        {"\xC4\xEB\xFF 60\xC3\xF6", "\xD0\x94\xD0\xBB\xD1\x8F 60\xD0\x93\xD1\x86"},
        {"A\xC4", "A\xD0\x94"},
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(messageBoxText(text), shown) << text;
    EXPECT_EQ(oneLine("  ERROR DIRECT X SetDisplayMode - set refresh\nline two"),
              "  ERROR DIRECT X SetDisplayMode - set refresh line two");
}
