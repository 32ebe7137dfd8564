// libFuzzer target for the settings file "game.ini": any bytes, of any length, give one of the
// four screen sizes (or leave the size as it was) and never read past the data.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    screenWidth = 640;
    screenHeight = 480;
    applySettingsBytes(std::span<const std::uint8_t>(data, size));
    const bool known = (screenWidth == 320 && screenHeight == 240) || (screenWidth == 640 && screenHeight == 480) ||
                       (screenWidth == 800 && screenHeight == 600) || (screenWidth == 1024 && screenHeight == 768);
    if (!known) __builtin_trap();
    if (size > 0 && gameConfig.screenMode != data[0]) __builtin_trap();
    if (size > 3 && gameConfig.weatherEnabled != data[3]) __builtin_trap();
    return 0;
}
