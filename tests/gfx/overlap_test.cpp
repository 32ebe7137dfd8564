#include "gfx/overlap.h"

#include <gtest/gtest.h>

#include "gfx_test_support.h"

namespace {

constexpr std::uint16_t SOLID = 0x7FFF;  // both bytes non-zero

// Sized, but without a surface: a lock of it is refused and reported.
ImageEntry withoutSurface(int width, int height) {
    ImageEntry entry;
    entry.width = static_cast<std::uint16_t>(width);
    entry.height = static_cast<std::uint16_t>(height);
    return entry;
}

class Overlap : public ::testing::Test {
protected:
    TestPlatform platform;
};

TEST_F(Overlap, TouchingRectanglesDoNotMeetAndLockNothing) {
    const ImageEntry a = withoutSurface(10, 10);
    ImageEntry b = withoutSurface(10, 10);
    EXPECT_FALSE(ImagesOverlap(a, 0, 0, b, 10, 0));
    EXPECT_FALSE(ImagesOverlap(a, 0, 0, b, 0, -10));
    EXPECT_FALSE(PointOnImage(10, 5, b, 0, 0));
    EXPECT_EQ(EraseOverlap(a, 0, 0, b, -10, 3), 0);
    EXPECT_TRUE(platform.errorBoxes.empty());
}

TEST_F(Overlap, PixelsMeetOnlyByTheSameByte) {
    const ImageEntry red = solidImage(1, 1, 0x7C00);
    const ImageEntry blue = solidImage(1, 1, 0x001F);
    const ImageEntry high = solidImage(1, 1, 0x0100);
    const ImageEntry low = solidImage(1, 1, 0x0001);
    EXPECT_FALSE(ImagesOverlap(red, 5, 5, blue, 5, 5));
    EXPECT_TRUE(ImagesOverlap(red, 5, 5, red, 5, 5));
    EXPECT_FALSE(ImagesOverlap(high, 0, 0, low, 0, 0));
    EXPECT_TRUE(ImagesOverlap(low, 0, 0, low, 0, 0));
}

TEST_F(Overlap, OnlyTheIntersectionIsCompared) {
    // A's only pixel meets B's only pixel at world (7, 4).
    std::vector<std::uint16_t> pixelsA(6 * 5, 0);
    pixelsA[3 * 6 + 4] = 0x0001;  // A at (3, 1): local (4, 3)
    std::vector<std::uint16_t> pixelsB(4 * 4, 0);
    pixelsB[2 * 4 + 1] = 0x00FF;  // B at (6, 2): local (1, 2)
    const ImageEntry a = makeImage(6, 5, pixelsA);
    const ImageEntry b = makeImage(4, 4, pixelsB);
    EXPECT_TRUE(ImagesOverlap(a, 3, 1, b, 6, 2));
    EXPECT_FALSE(ImagesOverlap(a, 3, 1, b, 7, 2));
    EXPECT_FALSE(ImagesOverlap(a, 3, 1, b, 6, 3));
}

TEST_F(Overlap, PointOnImage) {
    const ImageEntry b = makeImage(2, 2, {0x0100, 0x0000, 0x0003, 0x0004});
    EXPECT_TRUE(PointOnImage(20, 30, b, 20, 30));
    EXPECT_FALSE(PointOnImage(21, 30, b, 20, 30));
    EXPECT_TRUE(PointOnImage(21, 31, b, 20, 30));
    EXPECT_FALSE(PointOnImage(22, 30, b, 20, 30));
    EXPECT_FALSE(PointOnImage(19, 30, b, 20, 30));
}

TEST_F(Overlap, MissingSurfacesAreReportedAndGiveNoAnswer) {
    ImageEntry missing = withoutSurface(4, 4);
    ImageEntry solid = solidImage(4, 4, SOLID);
    EXPECT_FALSE(ImagesOverlap(missing, 0, 0, solid, 0, 0));
    EXPECT_FALSE(ImagesOverlap(solid, 0, 0, missing, 0, 0));
    EXPECT_FALSE(PointOnImage(1, 1, missing, 0, 0));
    EXPECT_EQ(EraseOverlap(solid, 0, 0, missing, 0, 0), 0);
    EXPECT_EQ(platform.errorBoxes, (std::vector<std::string>{"error lock sp1", "error lock sp2",
                                                             "error lock sp2", "error lock sp2"}));
}

TEST_F(Overlap, EraseCountsBytePositionsIncludingTheByteAfterTheRow) {
    // A solid 2 x 1 shape over a wider solid image: positions 0, 1, 2 count, and 3 as well because
    // the low byte of B's third pixel is non-zero; that byte is cleared too.
    const ImageEntry a = solidImage(2, 1, SOLID);
    ImageEntry b = solidImage(4, 1, SOLID);
    EXPECT_EQ(EraseOverlap(a, 10, 10, b, 10, 10), 4);
    EXPECT_EQ(b.surface->pixels, (std::vector<std::uint16_t>{0, 0, 0x7F00, SOLID}));
    // Nothing left under the shape: no count, no change.
    EXPECT_EQ(EraseOverlap(a, 10, 10, b, 10, 10), 0);
    EXPECT_EQ(b.surface->pixels, (std::vector<std::uint16_t>{0, 0, 0x7F00, SOLID}));
}

TEST_F(Overlap, EraseOverEmptyPixelsCountsNothing) {
    const ImageEntry a = solidImage(3, 2, SOLID);
    ImageEntry b = makeImage(4, 2, {0, 0, 0, 0x7F00, 0, 0, 0, 0x0100});
    EXPECT_EQ(EraseOverlap(a, 0, 0, b, 0, 0), 0);
    EXPECT_EQ(b.surface->pixels, (std::vector<std::uint16_t>{0, 0, 0, 0x7F00, 0, 0, 0, 0x0100}));
}

TEST_F(Overlap, AtTheRightEdgeTheNextRowsFirstByteFollows) {
    ImageEntry b = solidImage(4, 2, SOLID);
    const ImageEntry a = solidImage(2, 1, SOLID);
    EXPECT_EQ(EraseOverlap(a, 2, 0, b, 0, 0), 4);
    EXPECT_EQ(b.surface->pixels,
              (std::vector<std::uint16_t>{SOLID, SOLID, 0, 0, 0x7F00, SOLID, SOLID, SOLID}));
    // In B's last row there is no byte after: three positions count.
    EXPECT_EQ(EraseOverlap(a, 2, 1, b, 0, 0), 3);
    EXPECT_EQ(b.surface->pixels, (std::vector<std::uint16_t>{SOLID, SOLID, 0, 0, 0x7F00, SOLID, 0, 0}));
}

TEST_F(Overlap, TheShapesByteAfterTheRowAlsoErases) {
    // Only A's pixel just right of the intersection is set (low byte): position 3 still erases.
    const ImageEntry a = makeImage(3, 1, {0, 0, 0x00FF});
    ImageEntry b = solidImage(2, 1, SOLID);
    EXPECT_EQ(EraseOverlap(a, 0, 0, b, 0, 0), 1);
    EXPECT_EQ(b.surface->pixels, (std::vector<std::uint16_t>{SOLID, 0x00FF}));
}

TEST_F(Overlap, SolidShapeOverSolidImageCountsAboutTwoPerPixel) {
    // Rows of 5 inside a larger image: 2 x 5 - 1 = 9 per row, plus 1 for the byte after.
    const ImageEntry a = solidImage(5, 3, SOLID);
    ImageEntry b = solidImage(20, 20, SOLID);
    EXPECT_EQ(EraseOverlap(a, 3, 4, b, 0, 0), 3 * 10);
    EXPECT_EQ(b.surface->row(4)[8], 0x7F00);
    EXPECT_EQ(b.surface->row(7)[3], SOLID);
}

}  // namespace
