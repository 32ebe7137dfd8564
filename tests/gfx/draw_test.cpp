#include "gfx/draw.h"

#include <gtest/gtest.h>

#include "core/settings.h"
#include "gfx_test_support.h"

namespace {

constexpr std::uint16_t BACKGROUND = 0x0101;

// Pixel (x, y) of the test pattern: never 0, different at every place of a small image.
std::uint16_t patternAt(int x, int y) { return static_cast<std::uint16_t>(0x1000 + y * 0x100 + x + 1); }

ImageEntry patternImage(int width, int height) {
    std::vector<std::uint16_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(patternAt(x % 256, y % 16));
    return makeImage(width, height, pixels);
}

class Drawing : public ::testing::Test {
protected:
    void SetUp() override {
        screenWidth = 320;
        screenHeight = 240;
        screen = Surface(320, 240);
        FillAll(screen, BACKGROUND);
    }
    void TearDown() override {
        screenWidth = 640;
        screenHeight = 480;
    }
    static void FillAll(Surface& s, std::uint16_t value) { s.pixels.assign(s.pixels.size(), value); }

    // The columns of `screen` row y that differ from the background, as [first, last].
    std::pair<int, int> drawnColumns(int y) const {
        int first = -1, last = -1;
        for (int x = 0; x < screen.width; ++x)
            if (screen.row(y)[x] != BACKGROUND) {
                if (first < 0) first = x;
                last = x;
            }
        return {first, last};
    }
    bool untouched() const {
        for (std::uint16_t p : screen.pixels)
            if (p != BACKGROUND) return false;
        return true;
    }

    Surface screen;
};

TEST_F(Drawing, AllOrNothingAgainstClippedAtTheLeftEdge) {
    const ImageEntry image = patternImage(10, 4);
    DrawImage(&screen, image, -1, 0);
    EXPECT_TRUE(untouched());
    DrawImageClipped(&screen, image, -1, 0);
    EXPECT_EQ(drawnColumns(0), std::make_pair(0, 8));
    EXPECT_EQ(screen.row(0)[0], patternAt(1, 0));
}

TEST_F(Drawing, AllOrNothingAgainstClippedAtTheRightEdge) {
    const ImageEntry image = patternImage(100, 3);
    DrawImage(&screen, image, 320 - 99, 0);
    DrawImageOpaque(&screen, image, 320 - 99, 0);
    EXPECT_TRUE(untouched());
    DrawImage(&screen, image, 320 - 100, 0);
    EXPECT_EQ(drawnColumns(2), std::make_pair(220, 319));
    FillAll(screen, BACKGROUND);
    DrawImageClipped(&screen, image, 320 - 99, 0);
    EXPECT_EQ(drawnColumns(0), std::make_pair(221, 319));
    EXPECT_EQ(screen.row(0)[319], patternAt(98, 0));
}

TEST_F(Drawing, CoordinatesWrapTo16Bits) {
    const ImageEntry image = patternImage(4, 4);
    DrawImage(&screen, image, 65536 + 5, 65536 + 7);  // unsigned 16-bit: (5, 7)
    EXPECT_EQ(screen.row(7)[5], patternAt(0, 0));
    FillAll(screen, BACKGROUND);
    DrawImageClipped(&screen, image, 65535, 65534);  // signed 16-bit: (-1, -2)
    EXPECT_EQ(screen.row(0)[0], patternAt(1, 2));
    EXPECT_EQ(drawnColumns(1), std::make_pair(0, 2));
    EXPECT_EQ(drawnColumns(2), std::make_pair(-1, -1));
}

TEST_F(Drawing, ClippedImagesWhollyOutsideDrawNothing) {
    const ImageEntry image = patternImage(10, 10);
    for (auto [x, y] : {std::pair{-10, 0}, {-11, 0}, {0, -10}, {0, -300}, {320, 0}, {0, 240}, {400, 300}})
        DrawImageClipped(&screen, image, x, y);
    EXPECT_TRUE(untouched());
}

TEST_F(Drawing, ClippedImageWiderThanTheBoundsFillsTheirWidth) {
    const ImageEntry image = patternImage(400, 300);
    DrawImageClipped(&screen, image, -10, -20);
    EXPECT_EQ(screen.row(0)[0], patternAt(10, 20 % 16));
    EXPECT_EQ(screen.row(239)[319], patternAt(329 % 256, 259 % 16));
    for (int y = 0; y < 240; ++y) ASSERT_EQ(drawnColumns(y), std::make_pair(0, 319)) << y;
}

TEST_F(Drawing, ClippingUsesTheFixedBoundsNotTheDestination) {
    Surface world(1536, 768);
    const ImageEntry image = patternImage(50, 10);
    DrawImageClippedWorld(&world, image, 1500, 760);
    EXPECT_EQ(world.row(767)[1535], patternAt(35, 7));
    Surface texture(1024, 768);
    DrawImageClipped1024(&texture, image, 1000, 0);
    EXPECT_EQ(texture.row(0)[1023], patternAt(23, 0));
    // The world bounds are larger than the screen: the clipped part does not fit and is refused.
    DrawImageClippedWorld(&screen, image, 300, 0);
    EXPECT_TRUE(untouched());
}

TEST_F(Drawing, KeyedCopiesSkipZeroAndOpaqueCopiesDoNot) {
    const ImageEntry image = makeImage(3, 1, {0x0005, 0x0000, 0x8000});
    DrawImage(&screen, image, 0, 0);
    EXPECT_EQ(screen.row(0)[0], 0x0005);
    EXPECT_EQ(screen.row(0)[1], BACKGROUND);
    EXPECT_EQ(screen.row(0)[2], 0x8000);
    DrawImageOpaque(&screen, image, 0, 1);
    EXPECT_EQ(screen.row(1)[1], 0x0000);
}

TEST_F(Drawing, PartCopiesTheSourceRectangleOrNothing) {
    const ImageEntry image = patternImage(8, 8);
    DrawImagePart(&screen, image, 10, 20, 2, 3, 5, 7);
    EXPECT_EQ(screen.row(20)[10], patternAt(2, 3));
    EXPECT_EQ(screen.row(23)[12], patternAt(4, 6));
    EXPECT_EQ(drawnColumns(23), std::make_pair(10, 12));
    EXPECT_EQ(drawnColumns(24), std::make_pair(-1, -1));
    FillAll(screen, BACKGROUND);
    DrawImagePartOpaque(&screen, image, 0, 0, 6, 0, 9, 1);  // past the source's right edge
    DrawImagePart(&screen, image, 0, 0, -1, 0, 2, 2);       // left edge 65535
    DrawImagePart(&screen, image, 0, 0, 4, 0, 4, 2);        // empty
    DrawImagePart(&screen, image, 318, 0, 0, 0, 3, 1);      // past the destination
    EXPECT_TRUE(untouched());
}

TEST_F(Drawing, CopyWithinOneSurfaceReadsTheSourceAsItWas) {
    ImageEntry image = makeImage(6, 2, {1, 2, 0, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    DrawImagePart(image.surface.get(), image, 1, 0, 0, 0, 5, 2);
    EXPECT_EQ(image.surface->pixels, (std::vector<std::uint16_t>{1, 1, 2, 4, 4, 5, 7, 7, 8, 9, 10, 11}));
}

TEST_F(Drawing, EmptyEntriesAndMissingSurfacesDrawNothing) {
    ImageEntry image = patternImage(4, 4);
    image.width = 0;
    DrawImage(&screen, image, 0, 0);
    DrawImageClipped(&screen, image, 0, 0);
    ImageEntry noSurface;
    noSurface.width = 4;
    noSurface.height = 4;
    DrawImage(&screen, noSurface, 0, 0);
    DrawImageClipped(&screen, noSurface, 0, 0);
    EXPECT_TRUE(untouched());
}

TEST_F(Drawing, StretchHalvesAndDoubles) {
    const ImageEntry big = patternImage(640, 480);
    StretchImage(&screen, big.surface.get());
    EXPECT_EQ(screen.row(0)[0], big.surface->row(0)[0]);
    EXPECT_EQ(screen.row(7)[3], big.surface->row(14)[6]);
    EXPECT_EQ(screen.row(239)[319], big.surface->row(478)[638]);

    const ImageEntry small = makeImage(2, 2, {1, 2, 3, 4});
    Surface doubled(4, 4);
    StretchImage(&doubled, small.surface.get());
    EXPECT_EQ(doubled.pixels, (std::vector<std::uint16_t>{1, 1, 2, 2, 1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 4, 4}));
}

class Panel : public Drawing {
protected:
    void SetUp() override {
        Drawing::SetUp();
        ASSERT_TRUE(AllocateImageTables());
        // Frame: each 15 x 15 quarter its own colour, with its inner column/row marked.
        std::vector<std::uint16_t> frame;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x)
                frame.push_back(
                    static_cast<std::uint16_t>(0x1000 * (1 + (y / 15) * 2 + x / 15) + y * 32 + x));
        raznoe[444] = makeImage(30, 30, frame);
        raznoe[465] = solidImage(1024, 768, 0x0777);
    }
    static std::uint16_t frameAt(int x, int y) { return raznoe[444].surface->row(y)[x]; }
};

TEST_F(Panel, ZeroSizeDrawsTheFourCornersOnly) {
    DrawPanel(&screen, 10, 20, 0, 0);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) ASSERT_EQ(screen.row(20 + y)[10 + x], frameAt(x, y)) << x << "," << y;
    EXPECT_EQ(drawnColumns(19), std::make_pair(-1, -1));
    EXPECT_EQ(drawnColumns(50), std::make_pair(-1, -1));
    EXPECT_EQ(drawnColumns(20), std::make_pair(10, 39));
}

TEST_F(Panel, EdgesRepeatTheFramesInnerLinesAroundTheTexture) {
    DrawPanel(&screen, 0, 0, 5, 3);  // outer size 35 x 33
    EXPECT_EQ(screen.row(16)[16], 0x0777);
    EXPECT_EQ(screen.row(4)[17], frameAt(14, 4));    // top edge
    EXPECT_EQ(screen.row(31)[19], frameAt(14, 28));  // bottom edge
    EXPECT_EQ(screen.row(16)[2], frameAt(2, 14));    // left edge
    EXPECT_EQ(screen.row(17)[33], frameAt(28, 14));  // right edge
    EXPECT_EQ(screen.row(32)[34], frameAt(29, 29));  // bottom right corner
    EXPECT_EQ(drawnColumns(32), std::make_pair(0, 34));
    EXPECT_EQ(drawnColumns(33), std::make_pair(-1, -1));
}

TEST_F(Panel, PiecesOutsideTheDestinationAreLeftOut) {
    DrawPanel(&screen, 300, 0, 10, 10);  // outer columns 300..339 on a 320-wide screen
    EXPECT_EQ(screen.row(0)[300], frameAt(0, 0));
    EXPECT_EQ(screen.row(0)[319], frameAt(14, 0));   // top edge pieces up to the screen edge
    EXPECT_EQ(screen.row(20)[318], BACKGROUND);      // the texture (315..324) does not fit
    EXPECT_EQ(screen.row(25)[300], frameAt(0, 15));  // bottom left corner
    EXPECT_EQ(drawnColumns(20), std::make_pair(300, 314));
}

TEST_F(Panel, TextureIsTheTileRepeatedEvery378By256AndClipped) {
    raznoe[465] = solidImage(1024, 768, 0);
    raznoe[449] = patternImage(300, 200);
    BuildPanelTexture();
    const Surface& texture = *raznoe[465].surface;
    EXPECT_EQ(texture.row(0)[0], patternAt(0, 0));
    EXPECT_EQ(texture.row(512 + 5)[756 + 7], patternAt(7, 5));
    EXPECT_EQ(texture.row(210)[100], 0);  // between tiles
    EXPECT_EQ(texture.row(767)[1023], 0);
    EXPECT_EQ(texture.row(256)[1023], patternAt((1023 - 756) % 256, 0));
}

}  // namespace
