#include <gtest/gtest.h>

#include "platform/sdl/message_text.h"

using namespace platform::sdl;

TEST(SdlMessageText, AsciiAndUtf8PassUnchanged) {
    EXPECT_EQ(messageBoxText("ERROR DIRECT X SetDisplayMode"), "ERROR DIRECT X SetDisplayMode");
    EXPECT_EQ(messageBoxText(""), "");
    EXPECT_EQ(messageBoxText("\xD0\x94\xD0\xBB\xD1\x8F 60\xD0\x93\xD1\x86"), "\xD0\x94\xD0\xBB\xD1\x8F 60\xD0\x93\xD1\x86");
}

TEST(SdlMessageText, Windows1251IsShownAsCyrillic) {
    // "Для ... 60Гц" as the game stores it, in Windows-1251.
    EXPECT_EQ(messageBoxText("\xC4\xEB\xFF 60\xC3\xF6"), "\xD0\x94\xD0\xBB\xD1\x8F 60\xD0\x93\xD1\x86");
    // A lead byte cut off at the end is no UTF-8 either.
    EXPECT_EQ(messageBoxText("A\xC4"), "A\xD0\x94");
}

TEST(SdlMessageText, StandardErrorGetsOneLine) {
    EXPECT_EQ(oneLine("  ERROR DIRECT X SetDisplayMode - set refresh\nline two"),
              "  ERROR DIRECT X SetDisplayMode - set refresh line two");
}
