// libFuzzer target for the settings file ramparo.conf and a script's recorded settings: any text
// gives settings within their ranges (or none) and never reads past the data.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/config_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> problems;
    const ResolvedSettings r = resolve(parseSettingsText(text, "fuzz.conf", problems));
    if (r.volume < 0 || r.volume > 100) __builtin_trap();
    if (r.turnTicks < TICKS_PER_SECOND || r.turnTicks > 3600 * TICKS_PER_SECOND) __builtin_trap();
    if (r.pixelFormat != 1 && r.pixelFormat != 2) __builtin_trap();
    if (r.screenMode < FROM_GAME_INI || r.screenMode > 255 || r.weather < FROM_GAME_INI || r.weather > 1)
        __builtin_trap();
    const RecordedSettings recorded = parseRecordedSettings(text, problems);
    if (recorded.gameIni && recorded.gameIni->size() != 4) __builtin_trap();
    return 0;
}
