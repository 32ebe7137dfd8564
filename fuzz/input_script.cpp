// libFuzzer target for input scripts (--script, and what --record writes): any text parses or is
// refused with a line number; every parsed event written back as a line parses to the same event;
// and playing the script for a while hands out its events without a hang.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/script_player.h"
#include "platform/script.h"

namespace {

bool sameEvent(const platform::ScriptEvent& a, const platform::ScriptEvent& b) {
    return a.frame == b.frame && a.period == b.period && a.kind == b.kind && a.virtualKey == b.virtualKey &&
           a.point.x == b.point.x && a.point.y == b.point.y && a.button == b.button && a.file == b.file &&
           a.peer == b.peer && a.name == b.name;
}

// Far enough for repeats to come round, short enough to keep each input fast.
constexpr std::int64_t PLAYED_FRAMES = 2000;
constexpr int MAX_DELIVERIES = 20000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<platform::ScriptEvent> events;
    std::string error;
    if (!parseScript(text, events, error)) {
        if (!error.starts_with("line ") || !events.empty()) __builtin_trap();
        return 0;
    }
    for (const platform::ScriptEvent& event : events) {
        std::vector<platform::ScriptEvent> again;
        if (!parseScript(formatScriptEvent(event), again, error) || again.size() != 1 || !sameEvent(event, again[0]))
            __builtin_trap();
    }
    platform::ScriptPlayer player(events);
    int delivered = 0;
    std::int64_t last = 0;
    for (std::int64_t frame = 0; frame < PLAYED_FRAMES && delivered < MAX_DELIVERIES; ++frame)
        player.deliverDue(frame, [&](const platform::ScriptEvent& event) {
            if (event.kind == platform::ScriptEvent::Kind::Click || event.frame > frame || event.frame < last)
                __builtin_trap();
            last = event.frame;
            ++delivered;
        });
    return 0;
}
