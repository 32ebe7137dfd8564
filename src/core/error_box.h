#pragma once

#include <string_view>

// A modal message box with an OK button and the fixed text; a null caption shows the
// application's name as the title. The caller goes on when it is closed.
void errorBox(std::string_view text, const char* caption = nullptr);
