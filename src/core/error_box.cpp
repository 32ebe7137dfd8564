#include "core/error_box.h"

#include "platform/platform.h"

void errorBox(std::string_view text, const char* caption) { platform::get().errorBox(text, caption); }
