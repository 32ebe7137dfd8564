// The generated data: the game's rules, the round trip through the file formats, determinism.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "datagen/canvas.h"
#include "datagen/generator.h"
#include "datagen/pictures.h"

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

}  // namespace

TEST(DataGenerator, KeepsEveryRuleOfTheGame) {
    const std::vector<std::string> errors = checkData(data());
    for (const std::string& e : errors) ADD_FAILURE() << e;
}

TEST(DataGenerator, FilesReadBackThroughTheGamesReaders) {
    std::vector<DataFile> all(files().begin(), files().end());
    for (const std::string& e : checkReadBack(data(), all)) ADD_FAILURE() << e;
    EXPECT_EQ(data().small.images().size(), 496u);
    for (const SpriteImage& image : data().small.images()) EXPECT_GE(image.width, 1) << "a width 0 would end the load";
    ASSERT_EQ(data().tiles.size(), 24u);
    for (const SpriteImage& t : data().tiles) EXPECT_TRUE(t.width == 256 && t.height == 192);
}

TEST(DataGenerator, ReadBackCatchesAFileTheGameWouldReadDifferently) {
    std::vector<DataFile> all(files().begin(), files().end());
    for (DataFile& f : all)
        if (f.first == "small.spr") f.second[f.second.size() - 2] ^= 0x01;  // one pixel of the last image
    EXPECT_FALSE(checkReadBack(data(), all).empty());
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

// Every desktop icon is the same picture: each one, brought down to 32 x 32, looks like the 32 x 32
// one; the rounded corners are transparent and the middle opaque.
TEST(DataGenerator, DesktopIconsAreOnePictureAtEverySize) {
    const std::vector<std::uint8_t> small = toRgba8(drawIconCanvas(32));
    for (int size : ICON_SIZES) {
        const std::vector<std::uint8_t> icon = toRgba8(drawIconCanvas(size));
        ASSERT_EQ(icon.size(), static_cast<std::size_t>(size) * size * 4);
        EXPECT_LT(icon[3], 128) << size << ": corner";
        EXPECT_EQ(icon[(static_cast<std::size_t>(size) * size / 2 + size / 2) * 4 + 3], 255) << size << ": middle";
        if (size < 32 || size % 32 != 0) continue;
        const int k = size / 32;
        double difference = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                for (int c = 0; c < 4; ++c) {
                    double sum = 0;  // premultiplied, so transparent pixels add nothing
                    for (int j = 0; j < k; ++j)
                        for (int i = 0; i < k; ++i) {
                            const std::size_t at = (static_cast<std::size_t>(y * k + j) * size + x * k + i) * 4;
                            sum += c == 3 ? icon[at + 3] : icon[at + c] * icon[at + 3] / 255.0;
                        }
                    const std::size_t at = (static_cast<std::size_t>(y) * 32 + x) * 4;
                    const double mine = c == 3 ? small[at + 3] : small[at + c] * small[at + 3] / 255.0;
                    difference += std::abs(sum / (k * k) - mine);
                }
        EXPECT_LT(difference / (32 * 32 * 4), 20.0) << size << ": mean difference per channel (of 255)";
    }
}

TEST(DataGenerator, SameBytesEveryRun) {
    const GeneratedData second = generateData();
    const std::vector<DataFile> again = encodeData(second);
    ASSERT_EQ(again.size(), files().size());
    for (const auto& [name, bytes] : again) EXPECT_TRUE(bytes == files().at(name)) << name << " differs between runs";
    EXPECT_TRUE(contactSheet(data()).pixels == contactSheet(second).pixels);
}
