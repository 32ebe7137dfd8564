// Pictures on surfaces: copies with their fit and clip rules, byte-wise overlap tests, and text.
#include "gfx/draw.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <numeric>
#include <string>

#include "../test_platform.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/images.h"
#include "gfx/overlap.h"
#include "gfx/text.h"
#include "platform/png.h"

namespace {

using Pixels = std::vector<std::uint16_t>;

ImageEntry makeImage(int width, int height, const Pixels& pixels) {
    ImageEntry entry;
    entry.surface = std::make_unique<Surface>(width, height);
    entry.surface->pixels = pixels;
    entry.width = static_cast<std::uint16_t>(width);
    entry.height = static_cast<std::uint16_t>(height);
    return entry;
}
ImageEntry solidImage(int width, int height, std::uint16_t value) {
    return makeImage(width, height, Pixels(static_cast<std::size_t>(width) * height, value));
}

constexpr std::uint16_t BACKGROUND = 0x0101;

// Different from each neighbour; transparent (0) in columns 3, 8, 13, ...
std::uint16_t patternAt(int x, int y) {
    return x % 5 == 3 ? 0 : static_cast<std::uint16_t>(0x1000 + (y % 16) * 0x100 + x % 256 + 1);
}

ImageEntry patternImage(int width, int height) {
    Pixels pixels;
    for (int i = 0; i < width * height; ++i) pixels.push_back(patternAt(i % width, i / width));
    return makeImage(width, height, pixels);
}

class Drawing : public ::testing::Test {
protected:
    void SetUp() override { screenWidth = 320, screenHeight = 240, clear(); }
    void clear() { screen.pixels.assign(screen.pixels.size(), BACKGROUND); }
    void expectScreen(const std::function<std::uint16_t(int, int)>& want) {
        for (int y = 0; y < screen.height; ++y)
            for (int x = 0; x < screen.width; ++x) ASSERT_EQ(screen.row(y)[x], want(x, y)) << "at " << x << "," << y;
    }
    // The image's pixels from (srcX, srcY) on in left..right-1 x top..bottom-1 (its 0 pixels only
    // when opaque), the background everywhere else.
    void expectDrawn(int left, int top, int right, int bottom, int srcX, int srcY, bool opaque = false) {
        expectScreen([&](int x, int y) {
            const bool inside = x >= left && x < right && y >= top && y < bottom;
            const std::uint16_t source = inside ? patternAt(srcX + x - left, srcY + y - top) : 0;
            return source != 0 || (inside && opaque) ? source : BACKGROUND;
        });
    }
    Surface screen{320, 240};
};

TEST_F(Drawing, FitAndClipRules) {
    enum Op { DRAW, OPAQUE, CLIPPED };
    // An image of w x h at (x, y): the rectangle it shows and from where in the image; empty: nothing.
    struct Case { const char* what; Op op; int w, h, x, y, left, top, right, bottom, srcX, srcY; };
    const Case cases[] = {
        {"inside", DRAW, 10, 4, 5, 7, 5, 7, 15, 11, 0, 0},
        {"opaque inside", OPAQUE, 10, 4, 5, 7, 5, 7, 15, 11, 0, 0},
        {"x -1 is 65535", DRAW, 10, 4, -1, 0, 0, 0, 0, 0, 0, 0},
        {"against the right edge", DRAW, 100, 3, 220, 0, 220, 0, 320, 3, 0, 0},
        {"one column over", DRAW, 100, 3, 221, 0, 0, 0, 0, 0, 0, 0},
        {"against the bottom edge", DRAW, 10, 4, 0, 236, 0, 236, 10, 240, 0, 0},
        {"one row over", DRAW, 10, 4, 0, 237, 0, 0, 0, 0, 0, 0},
        {"clipped left", CLIPPED, 10, 4, -1, 0, 0, 0, 9, 4, 1, 0},
        {"clipped top", CLIPPED, 10, 4, 3, -2, 3, 0, 13, 2, 0, 2},
        {"clipped right", CLIPPED, 100, 3, 221, 0, 221, 0, 320, 3, 0, 0},
        {"clipped bottom", CLIPPED, 10, 4, 0, 238, 0, 238, 10, 240, 0, 0},
        {"signed 16-bit (-1, -2)", CLIPPED, 10, 4, 65535, 65534, 0, 0, 9, 2, 1, 2},
        {"wider than the screen both ways", CLIPPED, 400, 300, -10, -20, 0, 0, 320, 240, 10, 20},
        {"exactly left of the screen", CLIPPED, 10, 4, -10, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clear();
        const ImageEntry image = patternImage(c.w, c.h);
        if (c.op == DRAW) DrawImage(&screen, image, c.x, c.y);
        if (c.op == OPAQUE) DrawImageOpaque(&screen, image, c.x, c.y);
        if (c.op == CLIPPED) DrawImageClipped(&screen, image, c.x, c.y);
        expectDrawn(c.left, c.top, c.right, c.bottom, c.srcX, c.srcY, c.op == OPAQUE);
    }
}

TEST_F(Drawing, PartCopiesTheSourceRectangleOrNothing) {
    const ImageEntry image = patternImage(8, 8);
    DrawImagePart(&screen, image, 10, 20, 1, 3, 6, 7);
    expectDrawn(10, 20, 15, 24, 1, 3);
    clear();
    DrawImagePartOpaque(&screen, image, 0, 0, 6, 0, 9, 1);  // past the source's right edge
    DrawImagePart(&screen, image, 0, 0, -1, 0, 2, 2);       // left edge 65535
    DrawImagePart(&screen, image, 0, 0, 4, 0, 4, 2);        // empty
    DrawImagePart(&screen, image, 318, 0, 0, 0, 3, 1);      // past the destination
    ImageEntry empty = patternImage(4, 4), noSurface;  // width 0; no surface
    empty.width = 0, noSurface.width = noSurface.height = 4;
    for (const ImageEntry* e : {&empty, &noSurface}) DrawImage(&screen, *e, 0, 0), DrawImageClipped(&screen, *e, 0, 0);
    expectDrawn(0, 0, 0, 0, 0, 0);
}

TEST_F(Drawing, StretchHalvesAndDoubles) {
    StretchImage(&screen, patternImage(640, 480).surface.get());
    expectScreen([](int x, int y) { return patternAt(2 * x, 2 * y); });
    Surface doubled(4, 4);
    StretchImage(&doubled, makeImage(2, 2, {1, 2, 3, 4}).surface.get());
    EXPECT_EQ(doubled.pixels, (Pixels{1, 1, 2, 2, 1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 4, 4}));
}

// Outer size (w + 30) x (h + 30): the four 15 x 15 corners of the frame, its column 14 along the
// top and bottom, its row 14 along the sides, the texture from (0, 0) inside.
TEST_F(Drawing, PanelOfCornersEdgesAndTexture) {
    ASSERT_TRUE(AllocateImageTables());
    std::vector<std::uint16_t> frame(900);
    std::iota(frame.begin(), frame.end(), std::uint16_t{0x2000});
    raznoe[444] = makeImage(30, 30, frame);
    raznoe[465] = patternImage(1024, 768);
    struct Case { int x, y, w, h; };
    for (const Case c : {Case{10, 20, 0, 0}, Case{3, 4, 5, 3}, Case{0, 0, 290, 210}}) {
        SCOPED_TRACE(::testing::Message() << c.w << " x " << c.h);
        clear();
        DrawPanel(&screen, c.x, c.y, c.w, c.h);
        expectScreen([&](int x, int y) {
            const int px = x - c.x, py = y - c.y;
            if (px >= 15 && py >= 15 && px < 15 + c.w && py < 15 + c.h)
                return patternAt(px - 15, py - 15) ? patternAt(px - 15, py - 15) : BACKGROUND;
            if (px < 0 || py < 0 || px >= c.w + 30 || py >= c.h + 30) return BACKGROUND;
            const int fx = px < 15 ? px : px >= 15 + c.w ? px - c.w : 14, fy = py < 15 ? py : py >= 15 + c.h ? py - c.h : 14;
            return static_cast<std::uint16_t>(0x2000 + fy * 30 + fx);
        });
    }
    // The panel texture: tile 449 repeated every 378 x 256, clipped to 1024 x 768.
    raznoe[465] = solidImage(1024, 768, 0);
    raznoe[449] = patternImage(300, 200);
    BuildPanelTexture();
    const Surface& texture = *raznoe[465].surface;
    EXPECT_EQ(texture.row(256 + 199)[378 + 299], patternAt(299, 199));
    EXPECT_EQ(texture.row(210)[100], 0);  // between tiles
    EXPECT_EQ(texture.row(512 + 199)[1023], patternAt(1023 - 756, 199));
}

constexpr std::uint16_t S = 0x7FFF;  // solid: both bytes non-zero

TEST(Overlap, PixelsMeetOnlyByTheSameByteInsideTheIntersection) {
    Pixels pixelsA(6 * 5, 0), pixelsB(4 * 4, 0);
    pixelsA[3 * 6 + 4] = 0x0001;  // A at (3, 1): its only pixel at world (7, 4)
    pixelsB[2 * 4 + 1] = 0x00FF;  // B at (6, 2): its only pixel at world (7, 4)
    const ImageEntry a = makeImage(6, 5, pixelsA), b = makeImage(4, 4, pixelsB), red = solidImage(1, 1, 0x7C00),
                     blue = solidImage(1, 1, 0x001F), high = solidImage(1, 1, 0x0100), low = solidImage(1, 1, 1);
    struct Case { const ImageEntry* a; int ax, ay; const ImageEntry* b; int bx, by; bool meet; };
    const Case cases[] = {{&red, 5, 5, &blue, 5, 5, false}, {&red, 5, 5, &red, 5, 5, true},
                          {&high, 0, 0, &low, 0, 0, false}, {&low, 0, 0, &low, 0, 0, true},
                          {&a, 3, 1, &b, 6, 2, true},       {&a, 3, 1, &b, 7, 2, false},
                          {&a, 3, 1, &b, 6, 3, false}};
    for (const Case& c : cases)
        EXPECT_EQ(ImagesOverlap(*c.a, c.ax, c.ay, *c.b, c.bx, c.by), c.meet) << &c - cases;
    const ImageEntry point = makeImage(2, 2, {0x0100, 0x0000, 0x0003, 0x0004});
    struct Point { int x, y; bool on; };
    for (const Point p : {Point{20, 30, true}, {21, 30, false}, {21, 31, true}, {22, 30, false}, {19, 30, false}})
        EXPECT_EQ(PointOnImage(p.x, p.y, point, 20, 30), p.on) << p.x << "," << p.y;
}

TEST(Overlap, RectanglesThatOnlyTouchLockNothingAndMissingSurfacesAreReported) {
    TestPlatform platform;
    ImageEntry a, b, solid = solidImage(4, 4, S);  // a and b sized, but without a surface to lock
    a.width = a.height = b.width = b.height = 10;
    EXPECT_FALSE(ImagesOverlap(a, 0, 0, b, 10, 0) || ImagesOverlap(a, 0, 0, b, 0, -10) || PointOnImage(10, 5, b, 0, 0));
    EXPECT_EQ(EraseOverlap(a, 0, 0, b, -10, 3), 0);
    EXPECT_TRUE(platform.errorBoxes.empty());
    EXPECT_FALSE(ImagesOverlap(b, 0, 0, solid, 0, 0) || ImagesOverlap(solid, 0, 0, b, 0, 0) || PointOnImage(1, 1, b, 0, 0));
    EXPECT_EQ(EraseOverlap(solid, 0, 0, b, 0, 0), 0);
    EXPECT_EQ(platform.errorBoxes, (std::vector<std::string>{"error lock sp1", "error lock sp2", "error lock sp2",
                                                             "error lock sp2"}));
}

// The erase walks byte positions, clearing both bytes it looks at in B: a solid row of n pixels
// counts 2n - 1, plus 1 when the byte after the row in B (at its right edge: of its next row) is set.
TEST(Overlap, EraseCountsBytePositions) {
    struct Case { const char* what; int aw; Pixels a; int ax, ay; int bw; Pixels b; int count; Pixels after; };
    const Case cases[] = {
        {"inside a wider row", 2, {S, S}, 10, 10, 4, {S, S, S, S}, 4, {0, 0, 0x7F00, S}},
        {"nothing left under it", 2, {S, S}, 10, 10, 4, {0, 0, 0x7F00, S}, 0, {0, 0, 0x7F00, S}},
        {"over empty pixels", 3, {S, S, S, S, S, S}, 10, 10, 4, {0, 0, 0, 0x7F00, 0, 0, 0, 0x0100}, 0,
         {0, 0, 0, 0x7F00, 0, 0, 0, 0x0100}},
        {"right edge: the next row follows", 2, {S, S}, 12, 10, 4, {S, S, S, S, S, S, S, S}, 4,
         {S, S, 0, 0, 0x7F00, S, S, S}},
        {"last row: no byte after", 2, {S, S}, 12, 11, 4, {S, S, S, S, S, S, S, S}, 3, {S, S, S, S, S, S, 0, 0}},
        {"the shape's byte after the row", 3, {0, 0, 0x00FF}, 10, 10, 2, {S, S}, 1, {S, 0x00FF}},
        {"a high byte over a low byte", 1, {0x0100}, 10, 10, 2, {0x0001, 0x0100}, 1, {0, 0x0100}},
    };
    for (const Case& c : cases) {
        const ImageEntry a = makeImage(c.aw, static_cast<int>(c.a.size()) / c.aw, c.a);
        ImageEntry b = makeImage(c.bw, static_cast<int>(c.b.size()) / c.bw, c.b);
        EXPECT_EQ(EraseOverlap(a, c.ax, c.ay, b, 10, 10), c.count) << c.what;
        EXPECT_EQ(b.surface->pixels, c.after) << c.what;
    }
    ImageEntry big = solidImage(20, 20, S);  // rows of 5 inside: 2 x 5 - 1 + 1 each
    EXPECT_EQ(EraseOverlap(solidImage(5, 3, S), 3, 4, big, 0, 0), 3 * 10);
    EXPECT_TRUE(big.surface->row(4)[8] == 0x7F00 && big.surface->row(4)[2] == S && big.surface->row(7)[3] == S);
}

constexpr std::uint16_t TEXT_BACKGROUND = 0x2945;

// The test platform with the real font renderer in place of its silent one.
struct Text : ::testing::Test, TestPlatform {
    void SetUp() override { pixelFormat = 2; }
    void TearDown() override { backBuffer = nullptr; }
    platform::FontRenderer& font() override { return *ttf; }
    std::unique_ptr<platform::FontRenderer> ttf = platform::createTtfFont();
};

TEST_F(Text, PlacedCentredAndNothingOffTheSurface) {
    Surface screen(320, 60), blank(320, 60);
    screen.pixels = blank.pixels = std::vector<std::uint16_t>(320 * 60, TEXT_BACKGROUND);
    backBuffer = &screen;
    ASSERT_TRUE(ttf->open(18));
    DrawText(10, 10, "", 0xFFFFFF);
    DrawTextCentered(10, 10, "", 0xFFFFFF);
    DrawText(-5, 10, "WIDE TEXT", 0xFFFFFF);  // x 65531
    DrawText(10, -5, "WIDE TEXT", 0xFFFFFF);  // y 65531
    DrawTextCentered(-40, 10, "WIDE TEXT", 0xFFFFFF);
    EXPECT_EQ(screen.pixels, blank.pixels);
    DrawTextCentered(160, 5, "NEXT OPPONENT", 0xFFFFFF);
    int left = 320, right = -1;
    for (std::size_t i = 0; i < screen.pixels.size(); ++i)
        if (screen.pixels[i] != TEXT_BACKGROUND) left = std::min(left, int(i % 320)), right = std::max(right, int(i % 320));
    EXPECT_GT(right - left, 60);
    EXPECT_NEAR((left + right) / 2.0, 160.0, 2.0);
}

// A shadowed line at each of the game's four font heights against PNG fixtures;
// RAMPARO_UPDATE_GOLDEN=1 writes the fixtures instead.
TEST_F(Text, MatchesTheGoldenPictures) {
    const bool update = std::getenv("RAMPARO_UPDATE_GOLDEN") != nullptr;
    for (int height : {12, 18, 23, 30}) {
        ASSERT_TRUE(ttf->open(height));
        Surface picture(480, height + 4);
        picture.pixels.assign(picture.pixels.size(), TEXT_BACKGROUND);
        backBuffer = &picture;
        DrawText(2, 3, "RAMPARO: NONAME 01 - 1234$", 0x0F0F0F);
        DrawText(1, 2, "RAMPARO: NONAME 01 - 1234$", 0x00FFFF);
        const std::string path = std::string(RAMPARO_TEST_SOURCE_DIR) + "/gfx/fixtures/text_" + std::to_string(height) + ".png";
        if (update && platform::savePng(path, picture.view(), 2)) continue;
        std::vector<std::uint16_t> expected;
        int width = 0, pictureHeight = 0;
        ASSERT_TRUE(platform::loadPng(path, 2, expected, width, pictureHeight) && width == picture.width) << path;
        EXPECT_EQ(expected, picture.pixels) << path << " differs; RAMPARO_UPDATE_GOLDEN=1 rewrites it";
    }
}

}  // namespace
