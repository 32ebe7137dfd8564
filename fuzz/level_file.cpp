// libFuzzer target for the level reader and the Julia test over whatever records it decodes:
// non-finite floats, reversed or degenerate windows and iteration limits up to 65535 must neither
// hang nor reach undefined behaviour.
#include <cstddef>
#include <cstdint>
#include <span>

#include "world/julia_cut.h"
#include "world/level_file.h"
#include "world/world.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static LevelTable table;
    const int whole = readLevelBytes(std::span<const std::uint8_t>(data, size), table);
    for (int i = 0; i < whole && i < 4; ++i) {
        const JuliaCut cut = prepareJuliaCut(table.record(i));
        if (cut.iterations > MAX_JULIA_ITERATIONS + 1) __builtin_trap();
        for (int py : {0, WORLD_HEIGHT / 2, WORLD_HEIGHT - 1})
            for (int px : {0, WORLD_WIDTH / 3, WORLD_WIDTH - 1}) (void)juliaInside(cut, px, py);
    }
    return 0;
}
