// "level.frc": the Julia-set parameters of the levels.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

constexpr int LEVEL_COUNT = 1000;
constexpr int LEVEL_RECORD_SIZE = 26;
constexpr int LEVEL_FILE_SIZE = LEVEL_COUNT * LEVEL_RECORD_SIZE;

struct LevelRecord {
    float xMin = 0;  // real coordinate of pixel column 0
    float yMin = 0;  // imaginary coordinate of pixel row 0
    float xMax = 0;  // column 1535
    float yMax = 0;  // row 767
    float cRe = 0;   // the Julia constant
    float cIm = 0;
    std::uint16_t maxIter = 0;
};

// The records as the file holds them: one array per field, all zero until loaded.
struct LevelTable {
    float xMin[LEVEL_COUNT] = {};
    float yMin[LEVEL_COUNT] = {};
    float xMax[LEVEL_COUNT] = {};
    float yMax[LEVEL_COUNT] = {};
    float cRe[LEVEL_COUNT] = {};
    float cIm[LEVEL_COUNT] = {};
    std::uint16_t maxIter[LEVEL_COUNT] = {};

    LevelRecord record(int index) const;
};

extern LevelTable levelRecords;

// Reads "level.frc" from the working directory into levelRecords. Missing: "no open earth" and
// every record stays zero. Short: a message, and the records it does not hold whole stay zero.
void loadLevels();

// Decodes whole records from the start of bytes into table (little-endian, file order); returns
// how many records it held whole. Bytes past LEVEL_FILE_SIZE are ignored.
int readLevelBytes(std::span<const std::uint8_t> bytes, LevelTable& table);

// The file image of records; records past the end of the list repeat it from its start.
std::vector<std::uint8_t> encodeLevelFile(std::span<const LevelRecord> records);
