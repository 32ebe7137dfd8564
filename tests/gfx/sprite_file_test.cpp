// Sprite files and the image tables they fill.
#include "gfx/sprite_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "../test_platform.h"
#include "core/settings.h"
#include "gfx/images.h"
#include "gfx/sprite_writer.h"

namespace {

using Pixels = std::vector<std::uint16_t>;

// Hand-built files: the image count, the (width, height, offset) records, then stream tokens.
struct Bytes {
    std::vector<std::uint8_t> data;
    Bytes& u16(std::uint16_t v) { return data.push_back(std::uint8_t(v)), data.push_back(std::uint8_t(v >> 8)), *this; }
    Bytes& u32(std::uint32_t v) { return u16(static_cast<std::uint16_t>(v)).u16(static_cast<std::uint16_t>(v >> 16)); }
    Bytes& image(std::uint16_t w, std::uint16_t h, std::uint32_t offset) { return u16(w).u16(h).u32(offset); }
};

// Small pictures of literal pixels, all different; every fifth a 40 x 30 run of one colour.
std::vector<SpriteImage> numbered(int count, int seed) {
    std::vector<SpriteImage> images;
    for (int i = 0; i < count; ++i) {
        SpriteImage image{static_cast<std::uint16_t>(2 + i % 3), static_cast<std::uint16_t>(1 + i % 2), {}};
        for (int k = 0; k < image.width * image.height; ++k)
            image.pixels.push_back(static_cast<std::uint16_t>(((seed + i) * 37 + k) % 0x7FFF + 1));
        images.push_back(i % 5 == 4 ? SpriteImage{40, 30, Pixels(1200, static_cast<std::uint16_t>(i + 1))} : image);
    }
    return images;
}

std::string decode(const std::vector<std::uint8_t>& bytes, SpriteSheet& sheet, int pixelFormat = 1) {
    sheet.widths.assign(SPRITE_FILE_MAX_IMAGES, 7);  // stale values from an earlier file
    sheet.heights.assign(SPRITE_FILE_MAX_IMAGES, 0);
    sheet.offsets.assign(SPRITE_FILE_MAX_IMAGES, 0);
    const std::string message = decodeSpriteFile(bytes, "t.spr", pixelFormat, sheet);
    // What the table loader relies on: every image up to the first of width 0 lies inside the pixels.
    for (int i = 0; i < SPRITE_FILE_MAX_IMAGES && sheet.widths[i] != 0; ++i)
        EXPECT_LE(std::uint64_t{sheet.offsets[i]} + std::uint64_t{sheet.widths[i]} * sheet.heights[i],
                  sheet.pixels.size()) << "image " << i;
    return message;
}

// Good files decode to their pixels; bad ones give a clear message and keep only whole images.
TEST(SpriteFile, DecodesStreamsAndReportsBadFiles) {
    struct Case { const char* what; std::vector<std::uint8_t> bytes; int pixelFormat; Pixels pixels; };
    const Case good[] = {
        // A run of 0 adds nothing but consumes its value; a run's value loses bit 15.
        {"runs", Bytes{}.u32(1).image(5, 1, 0).u16(0x8000).u16(0x1234).u16(1).u16(0x8003).u16(0xFC00).u16(2).data, 1,
         {0x0001, 0x7C00, 0x7C00, 0x7C00, 0x0002}},
        {"run cut at the end, the rest ignored", Bytes{}.u32(1).image(2, 2, 0).u16(0x8009).u16(7).u16(1).data, 1, {7, 7, 7, 7}},
        {"5-6-5", Bytes{}.u32(1).image(5, 1, 0).u16(0x7FFF).u16(0x7C00).u16(0x03E0).u16(0x001F).u16(0x0421).data, 2,
         {0xFFDF, 0xF800, 0x07C0, 0x001F, 0x0841}},
    };
    for (const Case& c : good) {
        SpriteSheet sheet;
        EXPECT_EQ(decode(c.bytes, sheet, c.pixelFormat), "") << c.what;
        EXPECT_EQ(sheet.pixels, c.pixels) << c.what;
    }
    struct Bad { const char* what; std::vector<std::uint8_t> bytes; int loaded; const char* message; };
    const Bad bad[] = {
        {"empty", {}, 0, "no image count"},
        {"count 0", Bytes{}.u32(0).u16(1).data, 0, "image count 0"},
        {"count 1025", Bytes{}.u32(1025).image(1, 1, 0).data, 0, "image count 1025"},
        {"table cut", Bytes{}.u32(2).image(1, 1, 0).u16(1).u16(1).u16(0).data, 0, "image table cut short"},
        {"no stream", Bytes{}.u32(1).image(1, 1, 0).data, 0, "pixel stream ends early"},
        {"3 of 8", Bytes{}.u32(2).image(2, 2, 0).image(2, 2, 4).u16(1).u16(2).u16(3).data, 0, "pixel stream ends early"},
        {"4 of 8", Bytes{}.u32(2).image(2, 2, 0).image(2, 2, 4).u16(0x8004).u16(3).data, 1, "pixel stream ends early"},
        {"run without value", Bytes{}.u32(1).image(2, 1, 0).u16(1).u16(0x8001).data, 0, "pixel stream ends early"},
        {"offset past the array that the last image ends",
         Bytes{}.u32(3).image(1, 1, 0).image(2, 1, 5).image(1, 1, 1).u16(1).u16(2).data, 1, "image 1 lies past its pixels"},
        {"sizes passing 32 bits", Bytes{}.u32(2).image(1, 1, 0).image(0xFFFF, 0xFFFF, 0xFFFFFFFF).u16(0xFFFF).u16(9).data,
         1, "pixel stream ends early"},
    };
    for (const Bad& c : bad) {
        SpriteSheet sheet;
        EXPECT_EQ(decode(c.bytes, sheet), std::string("bad sprite file t.spr: ") + c.message) << c.what;
        for (int i = 0; i < c.loaded; ++i) EXPECT_NE(sheet.widths[i], 0) << c.what;
        EXPECT_EQ(sheet.widths[c.loaded], 0) << c.what;
    }
    const std::vector<std::uint8_t> whole = encodeSpriteFile(numbered(6, 1));
    for (std::size_t size = 0; size < whole.size(); ++size) {  // cut anywhere: always reported
        SpriteSheet sheet;
        EXPECT_NE(decode({whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)}, sheet), "") << size;
    }
}

// Each test in a fresh working directory, where the loaders look for their files.
struct ImageTables : ::testing::Test {
    void SetUp() override {
        pixelFormat = 1;
        ASSERT_TRUE(AllocateImageTables() && mkdtemp(dir.data()));
        std::filesystem::current_path(dir);
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(dir);
    }
    static void write(const char* name, const std::vector<SpriteImage>& images, int cut = 0) {
        std::vector<std::uint8_t> bytes = encodeSpriteFile(images);
        std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes) - cut);
    }
    static bool holds(const ImageEntry& e, const SpriteImage& image) {
        return e.width == image.width && e.height == image.height && e.surface && e.surface->pixels == image.pixels;
    }
    TestPlatform platform;
    std::filesystem::path previous = std::filesystem::current_path();
    std::string dir = (std::filesystem::temp_directory_path() / "ramparo_gfx_XXXXXX").string();
};

TEST_F(ImageTables, FilesFillTheirTables) {
    const auto mouse = numbered(RAZNOE_SIZE, 1);  // 1024 images, the most a file holds
    write("mouse.spr", mouse);
    LoadStartupImages();
    LoadGameImages();  // neither file there yet: reported, the table stays
    EXPECT_EQ(platform.errorBoxes, (std::vector<std::string>{"no open load", "no open load"}));
    for (int i = 0; i < RAZNOE_SIZE; ++i) ASSERT_TRUE(holds(raznoe[i], mouse[i])) << i;
    EXPECT_EQ(fon[0].width, 0);
    auto small = numbered(4, 100);
    small[2] = SpriteImage{0, 3, {}};  // width 0 ends the file's load
    const auto tiles = numbered(FON_SIZE + 5, 200);
    write("small.spr", small);
    write("smallf.spr", tiles);
    LoadGameImages();
    EXPECT_TRUE(platform.errorBoxes.size() == 2 && holds(raznoe[0], small[0]) && holds(raznoe[1], small[1]));
    for (int i = 2; i < 5; ++i) EXPECT_TRUE(holds(raznoe[i], mouse[i])) << i;
    EXPECT_TRUE(holds(fon[FON_SIZE - 1], tiles[FON_SIZE - 1]));
    // Each scenery file replaces the whole set, and no more of it than the table holds.
    const auto first = numbered(SPRIT_SIZE + 5, 1), second = numbered(3, 500);
    write("it1.spr", first);
    write("it2.spr", second);
    write("it3.spr", {first.begin(), first.begin() + 4}, 10);  // pixels of 2, 6, 4, 4: the last 5 cut
    LoadSceneryImages("it1.spr");
    EXPECT_TRUE(holds(sprit[SPRIT_SIZE - 1], first[SPRIT_SIZE - 1]));
    LoadSceneryImages("it2.spr");
    for (int i = 0; i < SPRIT_SIZE; ++i) ASSERT_TRUE(i < 3 ? holds(sprit[i], second[i]) : sprit[i].width == 0) << i;
    LoadSceneryImages("it3.spr");
    EXPECT_EQ(platform.errorBoxes.back(), "bad sprite file it3.spr: pixel stream ends early");
    EXPECT_TRUE(holds(sprit[1], first[1]));
    EXPECT_EQ(sprit[2].width, 0);
}

// After a lost display only the "video" images come back from the files (0, 441, 467..494 and
// fon); the tiles are cut again from the landscape, which keeps its battle state.
TEST_F(ImageTables, ReloadRestoresVideoImagesAndKeepsCanvases) {
    std::vector<SpriteImage> small;
    for (int i = 0; i < 496; ++i) small.push_back({3, 2, Pixels(6, static_cast<std::uint16_t>(i + 1))});
    small[1] = {1536, 768, Pixels(1536 * 768)};
    write("small.spr", small);
    write("smallf.spr", std::vector<SpriteImage>(24, {256, 192, Pixels(256 * 192, 0x0111)}));
    LoadGameImages();
    for (int index : {0, 2, 9, 440, 441, 442, 466, 467, 494, 495}) raznoe[index].surface->pixels.assign(6, 0x7777);
    Surface& landscape = *raznoe[1].surface;
    landscape.row(192 + 6)[256 + 5] = 0x1234;  // tile 7 (row 1, column 1) at (5, 6)
    landscape.row(767)[1535] = 0x4321;         // tile 23, its last pixel
    ReloadVideoImages();
    EXPECT_TRUE(platform.errorBoxes.empty());
    for (int index : {0, 441, 467, 494}) EXPECT_EQ(raznoe[index].surface->pixels, small[index].pixels) << index;
    for (int index : {2, 9, 440, 442, 466, 495}) EXPECT_EQ(raznoe[index].surface->pixels, Pixels(6, 0x7777)) << index;
    EXPECT_EQ(landscape.row(192 + 6)[256 + 5], 0x1234);
    // The tiles hold the landscape, including its empty pixels (not the file's 0x0111).
    EXPECT_TRUE(fon[7].surface->row(6)[5] == 0x1234 && fon[23].surface->row(191)[255] == 0x4321);
    EXPECT_TRUE(fon[7].surface->row(0)[0] == 0 && fon[0].surface->row(0)[0] == 0);
}

}  // namespace
