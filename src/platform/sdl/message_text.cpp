#include "platform/sdl/message_text.h"

#include <SDL2/SDL.h>

#include <algorithm>

namespace platform::sdl {

namespace {

bool validUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + extra >= text.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2) return false;
        }
        i += extra + 1;
    }
    return true;
}

}  // namespace

std::string messageBoxText(std::string_view text) {
    if (validUtf8(text)) return std::string(text);
    const std::string source(text);
    char* converted = SDL_iconv_string("UTF-8", "WINDOWS-1251", source.c_str(), source.size() + 1);
    if (!converted) return source;
    std::string result(converted);
    SDL_free(converted);
    return result;
}

std::string oneLine(std::string_view text) {
    std::string line(text);
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::replace(line.begin(), line.end(), '\r', ' ');
    return line;
}

}  // namespace platform::sdl
