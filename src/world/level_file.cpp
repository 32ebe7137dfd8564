#include "world/level_file.h"

#include <algorithm>
#include <bit>
#include <fstream>
#include <string>

#include "core/error_box.h"

LevelTable levelRecords;

LevelRecord LevelTable::record(int index) const {
    return {xMin[index], yMin[index], xMax[index], yMax[index], cRe[index], cIm[index], maxIter[index]};
}

namespace {

std::uint32_t readU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

float readF32(const std::uint8_t* p) { return std::bit_cast<float>(readU32(p)); }

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void putF32(std::vector<std::uint8_t>& out, float v) { putU32(out, std::bit_cast<std::uint32_t>(v)); }

}  // namespace

int readLevelBytes(std::span<const std::uint8_t> bytes, LevelTable& table) {
    const int whole = static_cast<int>(std::min<std::size_t>(bytes.size() / LEVEL_RECORD_SIZE, LEVEL_COUNT));
    for (int i = 0; i < whole; ++i) {
        const std::uint8_t* p = bytes.data() + static_cast<std::size_t>(i) * LEVEL_RECORD_SIZE;
        table.xMin[i] = readF32(p);
        table.yMin[i] = readF32(p + 4);
        table.xMax[i] = readF32(p + 8);
        table.yMax[i] = readF32(p + 12);
        table.cRe[i] = readF32(p + 16);
        table.cIm[i] = readF32(p + 20);
        table.maxIter[i] = static_cast<std::uint16_t>(p[24] | p[25] << 8);
    }
    return whole;
}

void loadLevels() {
    levelRecords = LevelTable{};
    std::ifstream file("level.frc", std::ios::binary);
    if (!file) {
        errorBox("no open earth", "");
        return;
    }
    std::vector<std::uint8_t> bytes(LEVEL_FILE_SIZE);
    file.read(reinterpret_cast<char*>(bytes.data()), LEVEL_FILE_SIZE);
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    const int whole = readLevelBytes(bytes, levelRecords);
    if (whole < LEVEL_COUNT) {
        // A torn record is not trusted: it stays zero like the ones after it.
        const std::string text = "level.frc is short: " + std::to_string(whole) + " of " +
                                 std::to_string(LEVEL_COUNT) + " levels";
        errorBox(text, "");
    }
}

std::vector<std::uint8_t> encodeLevelFile(std::span<const LevelRecord> records) {
    std::vector<std::uint8_t> out;
    out.reserve(LEVEL_FILE_SIZE);
    for (int i = 0; i < LEVEL_COUNT && !records.empty(); ++i) {
        const LevelRecord& r = records[static_cast<std::size_t>(i) % records.size()];
        for (float v : {r.xMin, r.yMin, r.xMax, r.yMax, r.cRe, r.cIm}) putF32(out, v);
        out.push_back(static_cast<std::uint8_t>(r.maxIter));
        out.push_back(static_cast<std::uint8_t>(r.maxIter >> 8));
    }
    return out;
}
