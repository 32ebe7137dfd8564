// The generated data: the game's rules, the round trip through the file formats, determinism.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "datagen/canvas.h"
#include "datagen/generator.h"

using namespace datagen;

namespace {

const GeneratedData& data() {
    static const GeneratedData generated = generateData();
    return generated;
}

const std::map<std::string, std::vector<std::uint8_t>>& files() {
    static const auto encoded = [] {
        std::map<std::string, std::vector<std::uint8_t>> out;
        for (auto& [name, bytes] : encodeData(data())) out[name] = bytes;
        return out;
    }();
    return encoded;
}

std::uint32_t read32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | static_cast<std::uint32_t>(b.at(at + 3)) << 24;
}
std::uint16_t read16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8);
}

// A small independent reader of the sprite format: the table, then literals and runs.
std::vector<SpriteImage> decodeSprites(const std::vector<std::uint8_t>& file) {
    const std::uint32_t n = read32(file, 0);
    std::vector<SpriteImage> images(n);
    std::vector<std::uint32_t> offsets(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        images[i].width = read16(file, 4 + 8 * i);
        images[i].height = read16(file, 6 + 8 * i);
        offsets[i] = read32(file, 8 + 8 * i);
    }
    const std::size_t total = offsets.back() + static_cast<std::size_t>(images.back().width) * images.back().height;
    std::vector<std::uint16_t> pixels;
    std::size_t at = 4 + 8 * n;
    while (pixels.size() < total) {
        const std::uint16_t token = read16(file, at);
        at += 2;
        if (token < 0x8000) {
            pixels.push_back(token);
            continue;
        }
        const std::uint16_t value = read16(file, at) & 0x7FFF;
        at += 2;
        pixels.insert(pixels.end(), std::min<std::size_t>(token - 0x8000, total - pixels.size()), value);
    }
    EXPECT_EQ(at, file.size()) << "bytes left after the pixel stream";
    for (std::uint32_t i = 0; i < n; ++i)
        images[i].pixels.assign(pixels.begin() + offsets[i],
                                pixels.begin() + offsets[i] + static_cast<std::size_t>(images[i].width) * images[i].height);
    return images;
}

void expectSameImages(const std::vector<SpriteImage>& expected, const std::vector<SpriteImage>& actual, const std::string& file) {
    ASSERT_EQ(expected.size(), actual.size()) << file;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i].width, actual[i].width) << file << " image " << i;
        EXPECT_EQ(expected[i].height, actual[i].height) << file << " image " << i;
        EXPECT_TRUE(expected[i].pixels == actual[i].pixels) << file << " image " << i;
    }
}

}  // namespace

TEST(DataGenerator, KeepsEveryRuleOfTheGame) {
    const std::vector<std::string> errors = checkData(data());
    for (const std::string& e : errors) ADD_FAILURE() << e;
}

TEST(DataGenerator, SpriteFilesReadBackAsDrawn) {
    const auto small = decodeSprites(files().at("small.spr"));
    expectSameImages(data().small.images(), small, "small.spr");
    ASSERT_EQ(small.size(), 496u);
    for (std::size_t i = 0; i < small.size(); ++i) EXPECT_GE(small[i].width, 1) << "index " << i << " would end the load";

    expectSameImages({data().startup}, decodeSprites(files().at("mouse.spr")), "mouse.spr");
    const auto tiles = decodeSprites(files().at("smallf.spr"));
    ASSERT_EQ(tiles.size(), 24u);
    for (const SpriteImage& t : tiles) EXPECT_TRUE(t.width == 256 && t.height == 192);
    for (int set = 0; set < 3; ++set) {
        const auto items = decodeSprites(files().at("it" + std::to_string(set + 1) + ".spr"));
        ASSERT_EQ(items.size(), 3 * data().items[set].size());
        for (std::size_t n = 0; n < data().items[set].size(); ++n)
            EXPECT_TRUE(items[3 * n].pixels == data().items[set][n].body.pixels) << "set " << set << " item " << n;
    }
}

TEST(DataGenerator, CollisionPicturesHaveNoZeroByteInEitherLayout) {
    // Whatever the checker does, the pictures the overlap tests read must carry the rule...
    const int collision[] = {2, 3, 4, 5, 8, 9, 13, 15, 16, 35, 87, 91, 106, 141, 142, 146, 147, 182, 183, 202, 203,
                             238, 239, 249, 259, 260, 270, 271, 290, 291, 326, 327, 346, 357, 383, 385, 424, 425};
    for (int index : collision) EXPECT_TRUE(data().small.at(index).rules & COLLISION) << "index " << index;
    // ... and keep it: both bytes of every pixel non-zero, in 5-5-5 and converted to 5-6-5.
    int tested = 0;
    for (int i = 0; i < 496; ++i) {
        const Picture& p = data().small.at(i);
        if (!(p.rules & COLLISION)) continue;
        for (std::uint16_t px : p.image.pixels) {
            if (!px) continue;
            const std::uint16_t q = static_cast<std::uint16_t>(((px & 0x7FE0) << 1) | (px & 0x1F));
            ASSERT_TRUE((px & 0xFF) && (px >> 8) && (q & 0xFF) && (q >> 8)) << "index " << i << " pixel " << px;
            ++tested;
        }
    }
    for (const auto& set : data().items)
        for (const SceneryItem& item : set)
            for (std::uint16_t px : item.body.pixels) ASSERT_TRUE(px == 0 || isCollisionSafe(px));
    EXPECT_GT(tested, 10000);
}

TEST(DataGenerator, CheckerCatchesBrokenPictures) {
    GeneratedData broken = data();
    // A red projectile pixel: its low byte is 0, so the overlap test would miss it.
    SmallTable table;
    for (int i = 0; i < 496; ++i) {
        Picture p = broken.small.at(i);
        if (!p.set) continue;
        if (i == 106) p.image.pixels[8 * 16 + 8] = 0x7C00;
        if (i == 446) p.image = solidImage(290, 40, 0x7FFF);  // no room for the hover copy at 320 x 240
        if (i == 142) p.image.pixels[5] = 0;                  // a hole in a ground texture
        if (i == 385) p.image = solidImage(24, 30, 0x7FFF);   // buy button below the 320 x 240 screen
        table.put(i, p.image, p.rules);
    }
    broken.small = table;
    broken.items[0][1].footLeft = 80;
    broken.sounds.erase(broken.sounds.begin());  // id 2
    const std::vector<std::string> errors = checkData(broken);
    auto mentions = [&](const std::string& what) {
        return std::any_of(errors.begin(), errors.end(), [&](const std::string& e) { return e.find(what) != std::string::npos; });
    };
    EXPECT_TRUE(mentions("image 106: colour 0x7C00"));
    EXPECT_TRUE(mentions("image 446 (menu item with its hover copy)"));
    EXPECT_TRUE(mentions("image 142: transparent pixel"));
    EXPECT_TRUE(mentions("image 385 (shop buy button)"));
    EXPECT_TRUE(mentions("it1.spr item 1: foot line"));
    EXPECT_TRUE(mentions("id 2: missing"));
}

TEST(DataGenerator, CataloguePlacesAndSizes) {
    const SmallTable& t = data().small;
    EXPECT_TRUE(t.at(2).image.width == 80 && t.at(2).image.height == 50);
    EXPECT_TRUE(t.at(1).image.width == 1536 && t.at(495).image.height == 768);
    // Explosions grow with their index.
    for (int k = 17; k <= 35; ++k) EXPECT_GT(t.at(k).image.width, t.at(k - 1).image.width) << k;
    // Each ground probe is solid under one quarter of the fortress's foot, from left to right.
    int lastColumn = -1;
    for (int k = 5; k <= 8; ++k) {
        const SpriteImage& probe = t.at(k).image;
        const auto first = std::find_if(probe.pixels.begin(), probe.pixels.end(), [](std::uint16_t p) { return p != 0; });
        ASSERT_NE(first, probe.pixels.end());
        const int column = static_cast<int>(first - probe.pixels.begin()) % probe.width;
        EXPECT_GT(column, lastColumn);
        lastColumn = column;
    }
    // The 36 missile directions really differ, and direction 19 is direction 1 upside down.
    EXPECT_FALSE(t.at(106).image.pixels == t.at(107).image.pixels);
    const SpriteImage& up = t.at(106).image;
    const SpriteImage& down = t.at(124).image;
    int same = 0, solid = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool a = up.pixels[y * 16 + x] != 0, b = down.pixels[(15 - y) * 16 + (15 - x)] != 0;
            solid += a;
            same += a && b;
        }
    EXPECT_GT(same, solid * 8 / 10);
    EXPECT_EQ(files().at("game.ini"), (std::vector<std::uint8_t>{1, 0, 0, 1}));
}

TEST(DataGenerator, SoundBankHoldsEveryIdAndLoopsOnlyWeather) {
    const std::vector<std::uint8_t>& bank = files().at("sound.sdf");
    std::size_t dataBytes = 0;
    for (int id = 1; id <= 400; ++id) {
        const bool used = id >= 2 && id <= 25;
        EXPECT_EQ(bank[id], used ? 1 : 0) << "channels of id " << id;
        if (!used) continue;
        EXPECT_EQ(read32(bank, 401 + 4 * id), 44100u);
        EXPECT_EQ(bank[2005 + id], 16);
        EXPECT_EQ(bank[2406 + id], id == 23 || id == 24 ? 1 : 0) << "loop flag of id " << id;
        dataBytes += read32(bank, 2807 + 4 * id);
    }
    EXPECT_EQ(bank.size(), 4411 + dataBytes);
}

TEST(DataGenerator, IconBmpIs32By32WithAlpha) {
    const std::vector<std::uint8_t>& bmp = files().at("icon.bmp");
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(read32(bmp, 2), bmp.size());
    EXPECT_EQ(read32(bmp, 18), 32u);
    EXPECT_EQ(read32(bmp, 22), 32u);
    EXPECT_EQ(read16(bmp, 28), 32);
    EXPECT_EQ(bmp.size(), read32(bmp, 10) + 32u * 32u * 4u);
}

TEST(DataGenerator, SameBytesEveryRun) {
    const GeneratedData second = generateData();
    const std::vector<DataFile> again = encodeData(second);
    ASSERT_EQ(again.size(), files().size());
    for (const auto& [name, bytes] : again) EXPECT_TRUE(bytes == files().at(name)) << name << " differs between runs";
    EXPECT_TRUE(contactSheet(data()).pixels == contactSheet(second).pixels);
}
