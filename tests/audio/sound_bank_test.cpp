// The sound bank: its layout, what reaches the mixer, and banks that are cut short, claim more
// than they hold or make no sense (each bad sound is refused alone; nothing is read past the end).
#include <gtest/gtest.h>

#include "audio/sound_system.h"
#include "recording_device.h"
#include "../test_platform.h"

namespace {

BankSound mono8(int id, std::vector<std::uint8_t> data) { return {id, 1, 22050, 8, 0, std::move(data)}; }

class SoundBank : public ::testing::Test {
protected:
    SoundBank() { sounds.attach(device); }
    int load(const std::vector<std::uint8_t>& file, int quality = 11) { return sounds.LoadSoundBankData(file, quality); }
    bool plays(int id) { return sounds.PlaySound(sounds.AllocChannel(), id, 1, 10000) == 1; }

    TestPlatform platform;
    RecordingDevice device;
    CSoundSystem sounds;
};

}  // namespace

TEST_F(SoundBank, OnlyTheUsedIdsPlayAndAtGameQualityAsStored) {
    const std::vector<std::uint8_t> file = encodeSoundBank(std::vector{mono8(5, {10, 20, 30, 40})});
    ASSERT_EQ(file.size(), 4411u + 4) << "the header, then id 5's samples";
    EXPECT_EQ(load(file), 1);
    EXPECT_EQ(device.loaded, (std::map<int, std::vector<std::uint8_t>>{{5, {10, 20, 30, 40}}}));
    EXPECT_TRUE(plays(5));
    for (int id : {1, 4, 6, 400}) EXPECT_FALSE(plays(id)) << id;

    const BankSound stereo{7, 2, 44100, 16, 1, {1, 2, 3, 4, 5, 6, 7, 8}};
    EXPECT_EQ(load(encodeSoundBank(std::vector{stereo})), 1);
    EXPECT_FALSE(plays(5)) << "a second load replaces the first";
    EXPECT_EQ(device.loaded[7], stereo.data);
    const platform::SoundFormat format = device.formats[7];
    EXPECT_EQ(std::tuple(format.rate, format.bits, format.channels, sounds.sounds[7].loop), std::tuple(44100, 16, 2, 1));
    // A lower quality (22050 Hz, 8 bits, mono) keeps the converted format in the tables: 2 frames, 1 byte.
    EXPECT_EQ(load(encodeSoundBank(std::vector{stereo}), 4), 1);
    const SoundSlot& slot = sounds.sounds[7];
    EXPECT_EQ(std::tuple(slot.sampleRate, slot.bitsPerSample, slot.channels, slot.dataLength),
              std::tuple(22050u, 8, 1, 1u));
    EXPECT_EQ(device.loaded[7].size(), 1u);
}

// A bad sound is refused alone: the others are found where the header's lengths put them. Only
// the mixer refusing a sound ends the load there. A file shorter than the header leaves the game silent.
TEST_F(SoundBank, BadSoundsAreRefusedAloneAndTheOthersFoundWhereTheLengthsPutThem) {
    const BankSound two = mono8(2, {1, 2}), eight = mono8(8, {3, 4, 5});
    const struct {
        const char* what;
        BankSound bad;
        bool eightPlays = true;
        std::size_t keep = 0;      // bytes of the file kept (0: all)
        std::uint32_t length = 0;  // the bad sound's length in the header, when not its own
        bool mixerRefuses = false;
    } cases[] = {
        {"three channels", {5, 3, 22050, 8, 0, {9, 9, 9}}},
        {"twelve bits", {5, 1, 22050, 12, 0, {9, 9, 9}}},
        {"rate 0", {5, 1, 0, 8, 0, {9, 9, 9}}},
        {"rate past 31 bits", {5, 1, 0x80000000u, 8, 0, {9, 9, 9}}},
        {"odd 16-bit length", {5, 1, 22050, 16, 0, {9, 9, 9}}},
        {"half a stereo frame", {5, 2, 22050, 16, 0, {9, 9, 9, 9, 9, 9}}},
        {"no samples", {5, 1, 22050, 8, 0, {}}},
        {"a huge length, with id 8's data behind it", mono8(5, {9, 9}), false, 0, 0xFFFFFFF0u},
        {"the last sound cut short", mono8(9, {9, 9, 9}), true, 4411 + 2 + 3 + 2},
        {"refused by the mixer", mono8(5, {9}), false, 0, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::uint8_t> file = encodeSoundBank(std::vector{two, c.bad, eight});
        for (int i = 0; i < 4 && c.length; ++i) file[2807 + 4 * c.bad.id + i] = std::uint8_t(c.length >> 8 * i);
        if (c.keep) file.resize(c.keep);
        device.loaded.clear();
        device.refuseLoadOf = c.mixerRefuses ? 5 : -1;
        EXPECT_EQ(load(file), 0);
        EXPECT_FALSE(plays(c.bad.id));
        EXPECT_TRUE(plays(2));
        EXPECT_EQ(plays(8), c.eightPlays);
        EXPECT_EQ(device.loaded[2], two.data);
        EXPECT_EQ(device.loaded[8], c.eightPlays ? eight.data : std::vector<std::uint8_t>{});
        EXPECT_EQ(sounds.soundEnabled, 1);
    }
    std::vector<std::uint8_t> file = encodeSoundBank(std::vector{two});
    file.resize(4411 - 1);
    EXPECT_EQ(load(file), 0);
    EXPECT_EQ(sounds.soundEnabled, 0);
    EXPECT_EQ(sounds.AllocChannel() + sounds.AllocChannel(), 2) << "every operation answers 1";
}
