// The generated data: named and laid out as the game reads it, keeping the game's rules, the same
// bytes every run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "datagen/canvas.h"
#include "datagen/generator.h"
#include "soundreview/measure.h"
#include "soundreview/sound_checks.h"
#include "soundreview/sound_kinds.h"
#include "soundreview/spectrum.h"

using namespace datagen;
using namespace soundreview;

namespace {

const GeneratedData& data() {
    static const GeneratedData generated = generateData();
    return generated;
}
const std::vector<DataFile>& files() {
    static const std::vector<DataFile> encoded = encodeData(data());
    return encoded;
}
const std::vector<std::uint8_t>& file(const std::string& name) {
    return std::find_if(files().begin(), files().end(), [&](const DataFile& f) { return f.first == name; })->second;
}
std::uint32_t read32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | static_cast<std::uint32_t>(b.at(at + 3)) << 24;
}

TEST(DataGenerator, WritesTheGamesFilesAndKeepsItsRules) {
    std::vector<std::string> names;
    for (const DataFile& f : files()) names.push_back(f.first);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"game.ini", "icon.bmp", "it1.spr", "it2.spr", "it3.spr", "mouse.spr",
                                               "small.spr", "smallf.spr", "sound.sdf"}));
    for (const std::string& e : checkData(data())) ADD_FAILURE() << e;
    for (const std::string& e : checkReadBack(data(), files())) ADD_FAILURE() << e;
    EXPECT_EQ(read32(file("small.spr"), 0), 496u);  // every image of width 1 or more: 0 would end the load
    for (const SpriteImage& image : data().small.images()) EXPECT_GE(image.width, 1);
    EXPECT_EQ(read32(file("smallf.spr"), 0), 24u);
    for (const SpriteImage& t : data().tiles) EXPECT_TRUE(t.width == 256 && t.height == 192);
    EXPECT_EQ(file("game.ini"), (std::vector<std::uint8_t>{1, 0, 0, 1}));
    // A file the game would read differently is caught: one pixel of small.spr's last image.
    std::vector<DataFile> changed = files();
    for (DataFile& f : changed)
        if (f.first == "small.spr") f.second[f.second.size() - 2] ^= 0x01;
    EXPECT_FALSE(checkReadBack(data(), changed).empty());
}

// Collision pictures keep both bytes of every pixel non-zero, in 5-5-5 and 5-6-5 (checked above).
TEST(DataGenerator, CollisionPixelsHaveNoZeroByteInEitherLayout) {
    // Pure red and blue have a zero byte; 0x0480 is fine in 5-5-5 but 0x0900 in 5-6-5.
    EXPECT_TRUE(isCollisionSafe(0x7FFF) && isCollisionSafe(0x0421) && !isCollisionSafe(0x7C00) &&
                !isCollisionSafe(0x001F) && !isCollisionSafe(0x0480));
    for (int index : {FORTRESS_IMAGE, FORTRESS_TOP_PROBE, FORTRESS_GROUND_PROBE, FORTRESS_PICTURE, POINTER_HIT_IMAGE,
                      FIRST_EXPLOSION_IMAGE, MISSILE_ICON, FIRST_GROUND_TEXTURE, WALL_IMAGE, CRATE_PROBE_IMAGE})
        EXPECT_TRUE(data().small.at(index).rules & COLLISION) << "index " << index;
}

TEST(DataGenerator, SoundBankAndIconLayouts) {
    const std::vector<std::uint8_t>& bank = file("sound.sdf");
    std::size_t dataBytes = 0;
    for (int id = 1; id <= 400; ++id) {
        const bool used = id >= 2 && id <= 25;
        EXPECT_EQ(bank[id], used ? 1 : 0) << "channels of id " << id;
        if (!used) continue;
        EXPECT_TRUE(read32(bank, 401 + 4 * id) == 44100 && bank[2005 + id] == 16) << "rate and bits of id " << id;
        EXPECT_EQ(bank[2406 + id], id == 23 || id == 24 ? 1 : 0) << "loop flag of id " << id;
        dataBytes += read32(bank, 2807 + 4 * id);
    }
    EXPECT_EQ(bank.size(), 4411 + dataBytes);
    // The window icon: a 32 x 32 BMP of 32 bits, stored bottom-up as blue, green, red, alpha.
    const std::vector<std::uint8_t>& bmp = file("icon.bmp");
    EXPECT_TRUE(bmp.at(0) == 'B' && bmp.at(1) == 'M' && read32(bmp, 2) == bmp.size() && bmp.at(28) == 32);
    EXPECT_TRUE(read32(bmp, 18) == 32 && read32(bmp, 22) == 32 && bmp.size() == read32(bmp, 10) + 32 * 32 * 4);
    const std::vector<std::uint8_t> two = encodeBmp(SpriteImage{2, 1, {0, 0x7C00}});  // transparent, red
    EXPECT_EQ(std::vector<std::uint8_t>(two.begin() + read32(two, 10), two.end()),
              (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0xFF, 0xFF}));
}

TEST(DataGenerator, SameBytesEveryRunAndEachIndexDrawnOnce) {
    const GeneratedData second = generateData();
    const std::vector<DataFile> again = encodeData(second);
    ASSERT_EQ(again.size(), files().size());
    for (std::size_t i = 0; i < again.size(); ++i) EXPECT_TRUE(again[i] == files()[i]) << again[i].first;
    SmallTable table;
    table.put(7, solidImage(2, 2, 0x7FFF));
    EXPECT_THROW(table.put(7, solidImage(2, 2, 0x7FFF)), std::logic_error);
}

// Explosions lead, shots sit under them, menu sounds are quiet, weather is a bed under everything.
TEST(Sounds, EveryIdKeepsEveryRuleAndItsKindsLoudnessWindow) {
    struct Window { Kind kind; double low, high; };
    const Window windows[] = {{Kind::Interface, -26, -16}, {Kind::Shot, -22, -14}, {Kind::Explosion, -20, -11},
                              {Kind::Ambience, -28, -16}};
    ASSERT_EQ(data().sounds.size(), 24u);
    for (const BankSound& s : data().sounds) {
        const Measures m = measure(s);
        for (const std::string& e : checkSound(s, m)) ADD_FAILURE() << e;
        const SoundInfo* info = soundInfo(s.id);
        ASSERT_TRUE(info) << "id " << s.id;
        const Window& w = *std::ranges::find(windows, info->kind, &Window::kind);
        EXPECT_TRUE(m.loudness >= w.low && m.loudness <= w.high) << "id " << s.id << ": " << m.loudness << " LUFS";
        EXPECT_EQ(s.loop == 1, s.id == 23 || s.id == 24) << "id " << s.id;  // rain and snow wind loop
    }
}

Samples decoded(int id) { return decode(*std::ranges::find(data().sounds, id, &BankSound::id)); }

// RMS level in dB of consecutive windows of `ms` milliseconds.
std::vector<double> envelopeDb(const Samples& s, int ms) {
    const std::size_t w = 44100u * ms / 1000;
    std::vector<double> out;
    for (std::size_t at = 0; at + w <= s.size(); at += w) {
        double sum = 0;
        for (std::size_t i = at; i < at + w; ++i) sum += s[i] * s[i];
        out.push_back(10 * std::log10(sum / w + 1e-12));
    }
    return out;
}

// Rain on a roof: bright patter with a soft rumble under it, single drops standing out of it.
// Thunder: at least four rolls (3 dB rises) after the crack, darker at its end than at its start.
TEST(Sounds, RainPattersAndThunderRolls) {
    const Samples rain = decoded(23), thunder = decoded(25);
    const double centroid = spectralCentroid(rain, 44100);
    EXPECT_TRUE(centroid > 1500 && centroid < 3500) << centroid;
    double low = 0, all = 0;
    for (long at = 0; at < static_cast<long>(rain.size()); at += FFT_SIZE) {
        const std::vector<double> p = framePower(rain, at);
        for (std::size_t k = 1; k < p.size(); ++k) (k * 44100.0 / FFT_SIZE < 200 ? low : all) += p[k];
    }
    EXPECT_TRUE(low / all > 0.002 && low / all < 0.2) << low / all;
    std::vector<double> env = envelopeDb(rain, 5), sorted = env;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const double median = sorted[sorted.size() / 2];
    int drops = 0;
    for (std::size_t i = 1; i < env.size(); ++i) drops += env[i] > median + 6 && env[i - 1] <= median + 6;
    EXPECT_TRUE(drops >= 8 && drops <= 120) << drops;

    env = envelopeDb(thunder, 100);
    int rolls = 0;
    for (std::size_t i = 2, dip = 1; i < env.size(); ++i) {
        if (env[i] < env[dip]) dip = i;
        if (env[i] > env[dip] + 3) ++rolls, dip = i;
    }
    EXPECT_GE(rolls, 4);
    const Samples head(thunder.begin(), thunder.begin() + 44100), tail(thunder.begin() + 2 * 44100, thunder.end());
    EXPECT_GT(spectralCentroid(head, 44100), 1.5 * spectralCentroid(tail, 44100));
}

}  // namespace
