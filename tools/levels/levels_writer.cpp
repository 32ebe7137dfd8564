// ramparo_levels DIR: writes DIR/level.frc from the source table data/levels.inc (records 65..999
// repeat records 0..64), reads it back with the game's reader, and draws DIR/levels.png with the
// 65 terrains as numbered thumbnails.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "levels/level_quality.h"
#include "platform/png.h"
#include "world/level_file.h"
#include "world/world.h"

namespace {

const LevelRecord LEVELS[] = {
#include "../../data/levels.inc"
};
constexpr int LEVEL_TOTAL = static_cast<int>(sizeof LEVELS / sizeof LEVELS[0]);

constexpr int SCALE = 8;
constexpr int THUMB_WIDTH = WORLD_WIDTH / SCALE;
constexpr int THUMB_HEIGHT = WORLD_HEIGHT / SCALE;
constexpr int GAP = 6;
constexpr int COLUMNS = 5;
constexpr int ROWS = (LEVEL_TOTAL + COLUMNS - 1) / COLUMNS;
constexpr int SHEET_WIDTH = COLUMNS * (THUMB_WIDTH + GAP) + GAP;
constexpr int SHEET_HEIGHT = ROWS * (THUMB_HEIGHT + GAP) + GAP;

std::uint16_t rgb555(int r, int g, int b) { return static_cast<std::uint16_t>(r << 10 | g << 5 | b); }

// 3 x 5 digits, one row of three bits per line, top line first.
constexpr std::uint16_t DIGITS[10] = {075557, 022222, 071747, 071717, 055711, 074717, 074757, 071111, 075757, 075717};

void drawNumber(std::vector<std::uint16_t>& sheet, int x, int y, int number) {
    const std::string text = std::to_string(number);
    for (char ch : text) {
        const std::uint16_t bits = DIGITS[ch - '0'];
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (bits >> (3 * (4 - row) + (2 - col)) & 1)
                    for (int k = 0; k < 4; ++k)  // two by two pixels per dot
                        sheet[static_cast<std::size_t>(y + 2 * row + k / 2) * SHEET_WIDTH + x + 2 * col + k % 2] =
                            rgb555(31, 31, 31);
        x += 8;
    }
}

// One thumbnail: each pixel shades sky to ground by the share of ground in its 8 x 8 block.
void drawThumbnail(std::vector<std::uint16_t>& sheet, int left, int top, const std::vector<std::uint8_t>& mask) {
    for (int ty = 0; ty < THUMB_HEIGHT; ++ty) {
        for (int tx = 0; tx < THUMB_WIDTH; ++tx) {
            int ground = 0;
            for (int y = 0; y < SCALE; ++y)
                for (int x = 0; x < SCALE; ++x)
                    ground += mask[static_cast<std::size_t>(ty * SCALE + y) * WORLD_WIDTH + tx * SCALE + x];
            const int skyBlue = 31 - ty * 8 / THUMB_HEIGHT;
            const int n = SCALE * SCALE;
            const int r = (12 * (n - ground) + 20 * ground) / n;
            const int g = (20 * (n - ground) + 13 * ground) / n;
            const int b = (skyBlue * (n - ground) + 6 * ground) / n;
            sheet[static_cast<std::size_t>(top + ty) * SHEET_WIDTH + left + tx] = rgb555(r, g, b);
        }
    }
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ramparo_levels DATA_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const std::vector<std::uint8_t> bytes = encodeLevelFile(LEVELS);
    if (bytes.size() != LEVEL_FILE_SIZE || !writeFile(dir + "/level.frc", bytes)) {
        std::fprintf(stderr, "ramparo_levels: cannot write %s/level.frc\n", dir.c_str());
        return 1;
    }
    // Read it back as the game does and check every record came through unchanged.
    LevelTable table;
    if (readLevelBytes(bytes, table) != LEVEL_COUNT) return 1;
    for (int i = 0; i < LEVEL_COUNT; ++i) {
        const LevelRecord a = table.record(i), &b = LEVELS[i % LEVEL_TOTAL];
        if (a.xMin != b.xMin || a.yMin != b.yMin || a.xMax != b.xMax || a.yMax != b.yMax || a.cRe != b.cRe ||
            a.cIm != b.cIm || a.maxIter != b.maxIter) {
            std::fprintf(stderr, "ramparo_levels: record %d does not read back\n", i);
            return 1;
        }
    }

    std::vector<std::uint16_t> sheet(static_cast<std::size_t>(SHEET_WIDTH) * SHEET_HEIGHT, rgb555(4, 4, 6));
    for (int i = 0; i < LEVEL_TOTAL; ++i) {
        const int left = GAP + (i % COLUMNS) * (THUMB_WIDTH + GAP);
        const int top = GAP + (i / COLUMNS) * (THUMB_HEIGHT + GAP);
        drawThumbnail(sheet, left, top, terrainMask(LEVELS[i]));
        drawNumber(sheet, left + 3, top + 3, i);
    }
    const platform::PixelView view{sheet.data(), SHEET_WIDTH, SHEET_HEIGHT, SHEET_WIDTH};
    if (!platform::savePng(dir + "/levels.png", view, 1)) {
        std::fprintf(stderr, "ramparo_levels: cannot write %s/levels.png\n", dir.c_str());
        return 1;
    }
    return 0;
}
