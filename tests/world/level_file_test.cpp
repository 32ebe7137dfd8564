#include "world/level_file.h"

#include <gtest/gtest.h>

#include <bit>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "../test_platform.h"

namespace {

// Runs each test in a fresh directory, since the game reads "level.frc" from where it runs.
struct LevelFile : ::testing::Test {
    TestPlatform platform;
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("ramparo-levels-" + std::to_string(::getpid()) + "-" +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());

    void SetUp() override {
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
        levelRecords.maxIter[7] = 99;  // left from an earlier load: must not survive the next one
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(dir);
    }
    void write(const std::vector<std::uint8_t>& bytes) {
        std::ofstream("level.frc", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
};

const LevelRecord SAMPLE[] = {
    {-2.5f, -1.25f, 2.5f, 1.25f, -0.8f, 0.156f, 24},
    {1.0f, 2.0f, -1.0f, -2.0f, 0.285f, -0.01f, 65535},
};

bool same(const LevelRecord& a, const LevelRecord& b) {
    return std::bit_cast<std::uint32_t>(a.xMin) == std::bit_cast<std::uint32_t>(b.xMin) && a.yMin == b.yMin &&
           a.xMax == b.xMax && a.yMax == b.yMax && a.cRe == b.cRe && a.cIm == b.cIm && a.maxIter == b.maxIter;
}

}  // namespace

TEST_F(LevelFile, RoundTripRepeatsTheListOverAThousandRecords) {
    const std::vector<std::uint8_t> bytes = encodeLevelFile(SAMPLE);
    ASSERT_EQ(bytes.size(), static_cast<std::size_t>(LEVEL_FILE_SIZE));
    write(bytes);
    loadLevels();
    EXPECT_TRUE(platform.errorBoxes.empty());
    for (int i = 0; i < LEVEL_COUNT; ++i) ASSERT_TRUE(same(levelRecords.record(i), SAMPLE[i % 2])) << i;
}

TEST_F(LevelFile, FieldsAreLittleEndianInFileOrder) {
    std::vector<std::uint8_t> bytes(LEVEL_RECORD_SIZE);
    const std::uint32_t one = std::bit_cast<std::uint32_t>(1.0f);  // 0x3F800000
    for (int k = 0; k < 4; ++k) bytes[static_cast<std::size_t>(8 + k)] = static_cast<std::uint8_t>(one >> (8 * k));
    bytes[24] = 0x34;
    bytes[25] = 0x12;
    LevelTable table;
    EXPECT_EQ(readLevelBytes(bytes, table), 1);
    EXPECT_EQ(table.xMax[0], 1.0f);
    EXPECT_EQ(table.xMin[0], 0.0f);
    EXPECT_EQ(table.maxIter[0], 0x1234);
}

TEST_F(LevelFile, MissingFileSaysNoOpenEarthAndLeavesEveryRecordZero) {
    loadLevels();
    ASSERT_EQ(platform.errorBoxes.size(), 1u);
    EXPECT_EQ(platform.errorBoxes[0], "no open earth");
    EXPECT_EQ(levelRecords.maxIter[7], 0);
}

TEST_F(LevelFile, ShortFileKeepsTheWholeRecordsAndReportsIt) {
    std::vector<std::uint8_t> bytes = encodeLevelFile(SAMPLE);
    bytes.resize(3 * LEVEL_RECORD_SIZE + 10);  // three records and a torn fourth
    write(bytes);
    loadLevels();
    ASSERT_EQ(platform.errorBoxes.size(), 1u);
    EXPECT_EQ(platform.errorBoxes[0], "level.frc is short: 3 of 1000 levels");
    EXPECT_TRUE(same(levelRecords.record(2), SAMPLE[0]));
    EXPECT_TRUE(same(levelRecords.record(3), LevelRecord{}));
    EXPECT_TRUE(same(levelRecords.record(7), LevelRecord{}));
}

TEST_F(LevelFile, EmptyFileIsShortToo) {
    write({});
    loadLevels();
    ASSERT_EQ(platform.errorBoxes.size(), 1u);
    EXPECT_EQ(platform.errorBoxes[0], "level.frc is short: 0 of 1000 levels");
}

TEST_F(LevelFile, LongFileReadsOnlyItsThousandRecords) {
    std::vector<std::uint8_t> bytes = encodeLevelFile(SAMPLE);
    bytes.resize(bytes.size() + 100, 0xFF);
    write(bytes);
    loadLevels();
    EXPECT_TRUE(platform.errorBoxes.empty());
    EXPECT_TRUE(same(levelRecords.record(LEVEL_COUNT - 1), SAMPLE[1]));
}
