// Message-box text as the desktop shows it.
#pragma once

#include <string>
#include <string_view>

namespace platform::sdl {

// The game's texts are ASCII, except one stored in the Windows-1251 code page (Cyrillic); the
// desktop wants UTF-8. Valid UTF-8 passes unchanged, anything else is read as Windows-1251.
std::string messageBoxText(std::string_view text);

// One line for standard error: line breaks become spaces.
std::string oneLine(std::string_view text);

}  // namespace platform::sdl
