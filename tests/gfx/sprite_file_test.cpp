#include "gfx/sprite_file.h"

#include <gtest/gtest.h>

#include "gfx/sprite_writer.h"
#include "gfx_test_support.h"

namespace {

// Hand-built files: header records, then raw stream tokens.
struct Bytes {
    std::vector<std::uint8_t> data;
    Bytes& u16(std::uint16_t v) {
        data.push_back(static_cast<std::uint8_t>(v));
        data.push_back(static_cast<std::uint8_t>(v >> 8));
        return *this;
    }
    Bytes& u32(std::uint32_t v) {
        return u16(static_cast<std::uint16_t>(v)).u16(static_cast<std::uint16_t>(v >> 16));
    }
    Bytes& image(std::uint16_t w, std::uint16_t h, std::uint32_t offset) { return u16(w).u16(h).u32(offset); }
};

SpriteSheet emptySheet() {
    SpriteSheet sheet;
    sheet.widths.assign(SPRITE_FILE_MAX_IMAGES, 0);
    sheet.heights.assign(SPRITE_FILE_MAX_IMAGES, 0);
    sheet.offsets.assign(SPRITE_FILE_MAX_IMAGES, 0);
    return sheet;
}

// What the table loader relies on: every image up to the first of width 0 lies inside the pixels.
void expectImagesInsidePixels(const SpriteSheet& sheet) {
    for (int i = 0; i < SPRITE_FILE_MAX_IMAGES && sheet.widths[i] != 0; ++i)
        EXPECT_LE(std::uint64_t{sheet.offsets[i]} + std::uint64_t{sheet.widths[i]} * sheet.heights[i],
                  sheet.pixels.size())
            << "image " << i;
}

std::string decode(const std::vector<std::uint8_t>& bytes, SpriteSheet& sheet, int pixelFormat = 1) {
    return decodeSpriteFile(bytes, "t.spr", pixelFormat, sheet);
}

TEST(SpriteFile, WrittenImagesDecodeToTheirSizesOffsetsAndPixels) {
    const std::vector<SpriteImage> images = {patternSprite(3, 2, 1), solidSprite(5, 4, 0x1234),
                                             solidSprite(1, 1, 0), patternSprite(7, 1, 2)};
    SpriteSheet sheet = emptySheet();
    EXPECT_EQ(decode(encodeSpriteFile(images), sheet), "");
    std::vector<std::uint16_t> all;
    for (std::size_t i = 0; i < images.size(); ++i) {
        EXPECT_EQ(sheet.widths[i], images[i].width);
        EXPECT_EQ(sheet.heights[i], images[i].height);
        EXPECT_EQ(sheet.offsets[i], all.size());
        all.insert(all.end(), images[i].pixels.begin(), images[i].pixels.end());
    }
    EXPECT_EQ(sheet.widths[images.size()], 0);
    EXPECT_EQ(sheet.pixels, all);
}

TEST(SpriteFile, RunTokens) {
    // 0x8000 adds nothing but still consumes its value; runs ignore bit 15 of the value.
    const auto bytes = Bytes{}
                           .u32(1)
                           .image(5, 1, 0)
                           .u16(0x8000)
                           .u16(0x1234)
                           .u16(0x0001)
                           .u16(0x8003)
                           .u16(0xFC00)
                           .u16(0x0002)
                           .data;
    SpriteSheet sheet = emptySheet();
    EXPECT_EQ(decode(bytes, sheet), "");
    EXPECT_EQ(sheet.pixels, (std::vector<std::uint16_t>{0x0001, 0x7C00, 0x7C00, 0x7C00, 0x0002}));
}

TEST(SpriteFile, RunPastTheEndIsCutAndTrailingBytesIgnored) {
    const auto bytes = Bytes{}.u32(1).image(2, 2, 0).u16(0x8000 + 9).u16(0x0007).u16(0x0001).data;
    SpriteSheet sheet = emptySheet();
    EXPECT_EQ(decode(bytes, sheet), "");
    EXPECT_EQ(sheet.pixels, (std::vector<std::uint16_t>(4, 0x0007)));
}

TEST(SpriteFile, PixelsConvertTo565) {
    const auto bytes = Bytes{}.u32(1).image(4, 1, 0).u16(0x7FFF).u16(0x7C00).u16(0x03E0).u16(0x001F).data;
    SpriteSheet sheet = emptySheet();
    EXPECT_EQ(decode(bytes, sheet, 2), "");
    EXPECT_EQ(sheet.pixels, (std::vector<std::uint16_t>{0xFFDF, 0xF800, 0x07C0, 0x001F}));
}

TEST(SpriteFile, UnreadableHeadersLoadNothing) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        const char* message;
    };
    const Case cases[] = {
        {"empty", {}, "bad sprite file t.spr: no image count"},
        {"short count", {1, 0, 0}, "bad sprite file t.spr: no image count"},
        {"count 0", Bytes{}.u32(0).u16(1).data, "bad sprite file t.spr: image count 0"},
        {"count 1025", Bytes{}.u32(1025).image(1, 1, 0).data, "bad sprite file t.spr: image count 1025"},
        {"count 2^32-1", Bytes{}.u32(0xFFFFFFFF).data, "bad sprite file t.spr: image count 4294967295"},
        {"table cut", Bytes{}.u32(2).image(1, 1, 0).u16(1).u16(1).u16(0).data,
         "bad sprite file t.spr: image table cut short"},
    };
    for (const Case& c : cases) {
        SpriteSheet sheet = emptySheet();
        EXPECT_EQ(decode(c.bytes, sheet), c.message) << c.what;
        EXPECT_EQ(sheet.widths[0], 0) << c.what;
    }
}

TEST(SpriteFile, ImagesNeedingMissingPixelsAreRefused) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        int loaded;  // images kept before the refused one
        const char* message;
    };
    const Case cases[] = {
        // The stream stops after 3 of 2x2 + 2x2 pixels: the first image is incomplete.
        {"stream ends early", Bytes{}.u32(2).image(2, 2, 0).image(2, 2, 4).u16(1).u16(2).u16(3).data, 0,
         "bad sprite file t.spr: pixel stream ends early"},
        // Half a run at the end.
        {"run without value", Bytes{}.u32(1).image(2, 1, 0).u16(1).u16(0x8001).data, 0,
         "bad sprite file t.spr: pixel stream ends early"},
        // Image 1 points past the end of the array that image 2 defines.
        {"offset past the array",
         Bytes{}.u32(3).image(1, 1, 0).image(2, 1, 5).image(1, 1, 1).u16(1).u16(2).data, 1,
         "bad sprite file t.spr: image 1 lies past its pixels"},
        // Sizes whose product and offset pass 32 bits: a total no file can back.
        {"overflowing total",
         Bytes{}.u32(2).image(1, 1, 0).image(0xFFFF, 0xFFFF, 0xFFFFFFFF).u16(0x8000 + 0x7FFF).u16(9).data, 1,
         "bad sprite file t.spr: pixel stream ends early"},
    };
    for (const Case& c : cases) {
        SpriteSheet sheet = emptySheet();
        EXPECT_EQ(decode(c.bytes, sheet), c.message) << c.what;
        for (int i = 0; i < c.loaded; ++i) EXPECT_NE(sheet.widths[i], 0) << c.what;
        EXPECT_EQ(sheet.widths[c.loaded], 0) << c.what;
        expectImagesInsidePixels(sheet);
    }
}

TEST(SpriteFile, TruncatingAValidFileAnywhereNeverExposesMissingPixels) {
    const std::vector<SpriteImage> images = {patternSprite(9, 7, 1), solidSprite(40, 30, 0x0421),
                                             patternSprite(5, 5, 3)};
    const std::vector<std::uint8_t> whole = encodeSpriteFile(images);
    for (std::size_t size = 0; size < whole.size(); ++size) {
        SpriteSheet sheet = emptySheet();
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_NE(decode(cut, sheet), "") << size;
        expectImagesInsidePixels(sheet);
    }
}

TEST(SpriteFile, MissingFileSaysNoOpenLoad) {
    TestPlatform platform;
    ScratchDir dir;
    SpriteSheet sheet = emptySheet();
    sheet.widths[0] = 5;
    LoadSpriteFile("absent.spr", sheet);
    EXPECT_EQ(platform.errorBoxes, std::vector<std::string>{"no open load"});
    EXPECT_EQ(sheet.widths[0], 0);
}

}  // namespace
