#include "gfx/images.h"

#include <gtest/gtest.h>

#include "core/settings.h"
#include "gfx_test_support.h"

namespace {

class ImageTables : public ::testing::Test {
protected:
    void SetUp() override {
        pixelFormat = 1;
        ASSERT_TRUE(AllocateImageTables());
    }

    static std::vector<SpriteImage> numbered(int count, int firstSeed) {
        std::vector<SpriteImage> images;
        for (int i = 0; i < count; ++i)
            images.push_back(patternSprite(2 + i % 3, 1 + i % 2, static_cast<std::uint16_t>(firstSeed + i)));
        return images;
    }

    static void expectEntry(const ImageEntry& entry, const SpriteImage& image) {
        ASSERT_EQ(entry.width, image.width);
        ASSERT_EQ(entry.height, image.height);
        ASSERT_TRUE(entry.surface);
        EXPECT_EQ(entry.surface->pixels, image.pixels);
    }

    TestPlatform platform;
    ScratchDir dir;
};

TEST_F(ImageTables, MissingFileLeavesTheTableAsItWas) {
    const auto mouse = numbered(3, 1);
    ScratchDir::writeSprites("mouse.spr", mouse);
    LoadStartupImages();
    LoadGameImages();
    EXPECT_EQ(platform.errorBoxes, (std::vector<std::string>{"no open load", "no open load"}));
    for (int i = 0; i < 3; ++i) expectEntry(raznoe[i], mouse[i]);
    EXPECT_EQ(fon[0].width, 0);
}

TEST_F(ImageTables, ShorterSmallSprKeepsTheHigherMouseImages) {
    const auto mouse = numbered(5, 1);
    const auto small = numbered(2, 100);
    ScratchDir::writeSprites("mouse.spr", mouse);
    ScratchDir::writeSprites("small.spr", small);
    ScratchDir::writeSprites("smallf.spr", numbered(1, 200));
    LoadStartupImages();
    LoadGameImages();
    EXPECT_TRUE(platform.errorBoxes.empty());
    expectEntry(raznoe[0], small[0]);
    expectEntry(raznoe[1], small[1]);
    for (int i = 2; i < 5; ++i) expectEntry(raznoe[i], mouse[i]);
}

TEST_F(ImageTables, FilesLongerThanTheTableFillOnlyTheTable) {
    const auto items = numbered(SPRIT_SIZE + 5, 1);
    ScratchDir::writeSprites("it1.spr", items);
    ScratchDir::writeSprites("smallf.spr", items);
    LoadSceneryImages("it1.spr");
    ScratchDir::writeSprites("small.spr", numbered(1, 500));
    LoadGameImages();
    expectEntry(sprit[SPRIT_SIZE - 1], items[SPRIT_SIZE - 1]);
    expectEntry(fon[FON_SIZE - 1], items[FON_SIZE - 1]);
}

TEST_F(ImageTables, SmallerScenerySetHidesTheSurplusEntries) {
    ScratchDir::writeSprites("it1.spr", numbered(6, 1));
    const auto second = numbered(3, 50);
    ScratchDir::writeSprites("it2.spr", second);
    LoadSceneryImages("it1.spr");
    LoadSceneryImages("it2.spr");
    for (int i = 0; i < 3; ++i) expectEntry(sprit[i], second[i]);
    for (int i = 3; i < 6; ++i) EXPECT_EQ(sprit[i].width, 0) << i;
}

TEST_F(ImageTables, ImageOfWidthZeroEndsTheFile) {
    const auto mouse = numbered(4, 1);
    ScratchDir::writeSprites("mouse.spr", mouse);
    LoadStartupImages();
    std::vector<SpriteImage> small = numbered(4, 100);
    small[1] = SpriteImage{0, 3, {}};
    ScratchDir::writeSprites("small.spr", small);
    ScratchDir::writeSprites("smallf.spr", numbered(1, 200));
    LoadGameImages();
    expectEntry(raznoe[0], small[0]);
    for (int i = 1; i < 4; ++i) expectEntry(raznoe[i], mouse[i]);
}

TEST_F(ImageTables, BadFileIsReportedAndLoadsOnlyItsWholeImages) {
    // Pixels of 2, 6, 4 and 4, all literals: cutting 5 pixels leaves images 0 and 1 whole.
    const auto items = numbered(4, 1);
    std::vector<std::uint8_t> bytes = encodeSpriteFile(items);
    bytes.resize(bytes.size() - 10);
    ScratchDir::writeBytes("it3.spr", bytes);
    LoadSceneryImages("it3.spr");
    EXPECT_EQ(platform.errorBoxes,
              std::vector<std::string>{"bad sprite file it3.spr: pixel stream ends early"});
    expectEntry(sprit[0], items[0]);
    expectEntry(sprit[1], items[1]);
    EXPECT_EQ(sprit[2].width, 0);
    EXPECT_EQ(sprit[3].width, 0);
}

TEST_F(ImageTables, Pixels565InTheSurfaces) {
    pixelFormat = 2;
    ScratchDir::writeSprites("mouse.spr", std::vector<SpriteImage>{solidSprite(2, 2, 0x7FFF)});
    LoadStartupImages();
    EXPECT_EQ(raznoe[0].surface->pixels, std::vector<std::uint16_t>(4, 0xFFDF));
}

// After a lost display only the "video" images come back from the files: the panel canvas (0),
// the shop background (441), the weather (467..494) and all of fon; the tiles are then cut again
// from the landscape, which keeps its battle state like every other canvas.
TEST_F(ImageTables, ReloadRestoresVideoImagesAndKeepsCanvases) {
    std::vector<SpriteImage> small;
    for (int i = 0; i < 496; ++i) small.push_back(solidSprite(3, 2, static_cast<std::uint16_t>(i + 1)));
    small[1] = solidSprite(1536, 768, 0);
    std::vector<SpriteImage> tiles(24, solidSprite(256, 192, 0x0111));
    ScratchDir::writeSprites("small.spr", small);
    ScratchDir::writeSprites("smallf.spr", tiles);
    LoadGameImages();
    ASSERT_TRUE(platform.errorBoxes.empty());

    for (int index : {0, 2, 9, 440, 441, 442, 466, 467, 494, 495})
        raznoe[index].surface->pixels.assign(6, 0x7777);
    Surface& landscape = *raznoe[1].surface;
    landscape.row(192 + 6)[256 + 5] = 0x1234;  // tile 7 (row 1, column 1) at (5, 6)
    landscape.row(767)[1535] = 0x4321;         // tile 23, its last pixel
    const Surface* fortress = raznoe[9].surface.get();

    ReloadVideoImages();
    EXPECT_TRUE(platform.errorBoxes.empty());
    for (int index : {0, 441, 467, 494})
        EXPECT_EQ(raznoe[index].surface->pixels, small[index].pixels) << index;
    for (int index : {2, 9, 440, 442, 466, 495})
        EXPECT_EQ(raznoe[index].surface->pixels, std::vector<std::uint16_t>(6, 0x7777)) << index;
    EXPECT_EQ(raznoe[9].surface.get(), fortress);
    EXPECT_EQ(landscape.row(192 + 6)[256 + 5], 0x1234);

    // The tiles hold the landscape, including its empty pixels (not the file's 0x0111).
    EXPECT_EQ(fon[7].surface->row(6)[5], 0x1234);
    EXPECT_EQ(fon[7].surface->row(0)[0], 0);
    EXPECT_EQ(fon[23].surface->row(191)[255], 0x4321);
    EXPECT_EQ(fon[0].surface->row(0)[0], 0);
}

}  // namespace
