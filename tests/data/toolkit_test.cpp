// The generator's drawing and sound toolkit: the pieces whose faults would spoil every picture or sound.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "datagen/canvas.h"
#include "datagen/font.h"
#include "datagen/generator.h"
#include "datagen/synth.h"

using namespace datagen;

namespace {

std::int16_t sample(const BankSound& s, std::size_t i) {
    return static_cast<std::int16_t>(s.data[2 * i] | s.data[2 * i + 1] << 8);
}

float rms(const Samples& s) {
    double sum = 0;
    for (float v : s) sum += static_cast<double>(v) * v;
    return static_cast<float>(std::sqrt(sum / static_cast<double>(s.size())));
}

}  // namespace

TEST(Toolkit, CollisionRuleLooksAtBothBytesInBothLayouts) {
    EXPECT_TRUE(isCollisionSafe(0x7FFF));
    EXPECT_TRUE(isCollisionSafe(0x0421));   // the outline colour
    EXPECT_FALSE(isCollisionSafe(0x7C00));  // pure red: low byte 0
    EXPECT_FALSE(isCollisionSafe(0x001F));  // pure blue: high byte 0
    EXPECT_FALSE(isCollisionSafe(0x0020));  // green 1: high byte 0 in 5-5-5
    EXPECT_FALSE(isCollisionSafe(0x0480));  // fine in 5-5-5, but 0x0900 in 5-6-5: low byte 0
    // Every colour a picture may ask for comes out safe, black and the pure primaries included.
    for (int r = 0; r < 32; r += 3)
        for (int g = 0; g < 32; g += 3)
            for (int b = 0; b < 32; b += 3) {
                const std::uint16_t p = toCollisionPixel({r / 31.0f, g / 31.0f, b / 31.0f});
                ASSERT_TRUE(isCollisionSafe(p)) << r << " " << g << " " << b;
            }
}

TEST(Toolkit, SpritePixelsAreOpaqueFromHalfCoverageAndNeverZero) {
    Canvas c(4, 1, 2);
    c.fill(box(0, 0, 1, 1), solid({0, 0, 0}), 0.0f);        // black, fully covered
    c.fill(box(2, 0, 2.5f, 1), solid({1, 1, 1}), 0.0f);     // half of pixel 2
    c.fill(box(3, 0, 3.25f, 1), solid({1, 1, 1}), 0.0f);    // a quarter of pixel 3
    const SpriteImage image = toSprite(c, false);
    EXPECT_EQ(image.pixels[0], 0x0421);  // black would be transparent: it becomes the outline colour
    EXPECT_EQ(image.pixels[1], 0);
    EXPECT_EQ(image.pixels[2], 0x7FFF);
    EXPECT_EQ(image.pixels[3], 0);
}

TEST(Toolkit, RotationIsClockwiseOnScreen) {
    Canvas c(16, 16, 2);
    c.fill(circle(8, 2.5f, 2), solid({1, 1, 1}), 0.0f);  // a dot at the top
    const SpriteImage right = toSprite(rotated(c, 90), false);
    EXPECT_NE(right.pixels[8 * 16 + 13], 0);  // now at the right
    EXPECT_EQ(right.pixels[8 * 16 + 2], 0);
    const SpriteImage back = toSprite(rotated(rotated(rotated(rotated(c, 90), 90), 90), 90), false);
    const SpriteImage original = toSprite(c, false);
    int differ = 0;
    for (std::size_t i = 0; i < back.pixels.size(); ++i) differ += (back.pixels[i] != 0) != (original.pixels[i] != 0);
    EXPECT_LE(differ, 2);
}

TEST(Toolkit, TileableNoiseRepeatsAtItsPeriod) {
    for (float x : {0.3f, 1.7f, 5.2f})
        for (float y : {0.1f, 2.9f}) {
            EXPECT_FLOAT_EQ(valueNoise(x, y, 7, 6, 4), valueNoise(x + 6, y + 4, 7, 6, 4));
            EXPECT_FLOAT_EQ(fractalNoise(x, y, 7, 4, 6, 4), fractalNoise(x + 6, y + 4, 7, 4, 6, 4));
            const float n = fractalNoise(x, y, 9, 3);
            EXPECT_TRUE(n >= 0.0f && n <= 1.0f);
        }
}

TEST(Toolkit, ShapesHaveTheirSigns) {
    const Sdf triangle = polygon({0, 0, 10, 0, 0, 10});
    EXPECT_LT(triangle(2, 2), 0);
    EXPECT_GT(triangle(8, 8), 0);
    EXPECT_NEAR(box(0, 0, 10, 10)(5, -3), 3.0f, 1e-4f);
    EXPECT_NEAR(circle(0, 0, 5)(8, 0), 3.0f, 1e-4f);
    EXPECT_LT(subtract(circle(0, 0, 5), circle(0, 0, 2))(3.5f, 0), 0);
    EXPECT_GT(subtract(circle(0, 0, 5), circle(0, 0, 2))(1, 0), 0);
}

TEST(Toolkit, FontCellsAndWidths) {
    EXPECT_FLOAT_EQ(textWidth("AB", 2), 22.0f);  // two 5-cell glyphs and one gap, 2 pixels a cell
    EXPECT_FLOAT_EQ(textWidth("", 2), 0.0f);
    EXPECT_TRUE(glyphCell('T', 0, 0));
    EXPECT_FALSE(glyphCell('T', 6, 0));
    EXPECT_FALSE(glyphCell('~', 3, 2));  // unknown characters are blank
    const Sdf text = textShape("I", 0, 0, 1);
    EXPECT_LT(text(2.5f, 3.5f), 0);
    EXPECT_GT(text(0.5f, 3.5f), 0);
}

TEST(Toolkit, OneShotSoundsStartAndEndInSilence) {
    const BankSound s = finishSound(5, tone(0.2f, constant(440), 2), 0.9f);
    const std::size_t n = s.data.size() / 2;
    EXPECT_EQ(s.loop, 0);
    EXPECT_EQ(sample(s, 0), 0);
    EXPECT_LE(std::abs(sample(s, n - 1)), 40);
    int peak = 0;
    for (std::size_t i = 0; i < n; ++i) peak = std::max(peak, std::abs(static_cast<int>(sample(s, i))));
    EXPECT_NEAR(peak, 0.9 * 32767, 2);
}

TEST(Toolkit, LoopsWrapWithoutAJump) {
    const Samples take = lowPass(whiteNoise(1.5f, 3), constant(800));
    const BankSound loop = finishLoop(23, take, 1.0f, 0.2f, 0.8f);
    const std::size_t n = loop.data.size() / 2;
    EXPECT_EQ(loop.loop, 1);
    EXPECT_EQ(n, static_cast<std::size_t>(SAMPLE_RATE));
    int largest = 0;
    for (std::size_t i = 1; i < n; ++i) largest = std::max(largest, std::abs(sample(loop, i) - sample(loop, i - 1)));
    EXPECT_LE(std::abs(sample(loop, 0) - sample(loop, n - 1)), largest);
}

TEST(Toolkit, FiltersPassAndStopWhatTheySay) {
    const Samples high = tone(0.3f, constant(8000));
    const Samples low = tone(0.3f, constant(100));
    EXPECT_LT(rms(lowPass(high, constant(200))), 0.05f * rms(high));
    EXPECT_GT(rms(lowPass(low, constant(2000))), 0.8f * rms(low));
    EXPECT_LT(rms(highPass(low, constant(4000))), 0.05f * rms(low));
    EXPECT_FLOAT_EQ(glide(100, 400, 1)(2.0f), 400.0f);
    EXPECT_NEAR(glide(100, 400, 1)(0.5f), 200.0f, 0.5f);
}

TEST(Toolkit, BmpKeepsColourAndTransparency) {
    SpriteImage image = blankImage(2, 1);
    image.pixels[1] = 0x7C00;  // red
    const std::vector<std::uint8_t> bmp = encodeBmp(image);
    const std::size_t pixels = bmp[10] | bmp[11] << 8;
    // Rows are stored bottom-up in blue, green, red, alpha order.
    EXPECT_EQ(bmp[pixels + 3], 0x00);  // pixel 0: transparent
    EXPECT_EQ(bmp[pixels + 4], 0x00);
    EXPECT_EQ(bmp[pixels + 5], 0x00);
    EXPECT_EQ(bmp[pixels + 6], 0xFF);
    EXPECT_EQ(bmp[pixels + 7], 0xFF);
}

TEST(Toolkit, TableRefusesAnIndexDrawnTwice) {
    SmallTable table;
    table.put(7, solidImage(2, 2, 0x7FFF));
    EXPECT_THROW(table.put(7, solidImage(2, 2, 0x7FFF)), std::logic_error);
    const std::vector<SpriteImage> images = table.images();
    ASSERT_EQ(images.size(), 496u);
    EXPECT_TRUE(images[8].width == 1 && images[8].height == 1 && images[8].pixels[0] == 0);
    EXPECT_EQ(images[7].width, 2);
}
