#include "audio/sound_bank.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "audio/sound_system.h"
#include "recording_device.h"
#include "../test_platform.h"

namespace {

constexpr int GAME_QUALITY = 11;

BankSound mono8(int id, std::vector<std::uint8_t> data) { return {id, 1, 22050, 8, 0, std::move(data)}; }

void put32(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

class SoundBankLoad : public ::testing::Test {
protected:
    SoundBankLoad() { sounds.attach(device); }

    int load(const std::vector<std::uint8_t>& file) { return sounds.LoadSoundBankData(file, GAME_QUALITY); }
    bool plays(int id) { return sounds.PlaySound(sounds.AllocChannel(), id, 1, 10000) == 1; }

    TestPlatform platform;
    RecordingDevice device;
    CSoundSystem sounds;
};

}  // namespace

TEST(SoundBankParse, OnlyUsedSlotsTakeSpace) {
    const std::vector<BankSound> bank = {mono8(3, {1, 2, 3}), mono8(9, {4, 5})};
    const std::vector<std::uint8_t> file = encodeSoundBank(bank);
    const SoundBankView view = parseSoundBank(file);
    ASSERT_TRUE(view.headerComplete);
    EXPECT_EQ(view.entries[3].samples.data(), file.data() + SOUND_BANK_HEADER_SIZE);
    EXPECT_EQ(view.entries[9].samples.data(), file.data() + SOUND_BANK_HEADER_SIZE + 3);
    EXPECT_EQ(std::vector<std::uint8_t>(view.entries[9].samples.begin(), view.entries[9].samples.end()),
              (std::vector<std::uint8_t>{4, 5}));
    for (int id : {1, 4, 8, 10, 400}) EXPECT_FALSE(view.entries[id].usable) << id;
}

TEST_F(SoundBankLoad, OnlyIdFiveIsPlayable) {
    const std::vector<BankSound> bank = {mono8(5, {10, 20, 30, 40})};
    EXPECT_EQ(load(encodeSoundBank(bank)), 1);
    EXPECT_EQ(device.loaded.size(), 1u);
    EXPECT_EQ(device.loaded[5], (std::vector<std::uint8_t>{10, 20, 30, 40}));
    EXPECT_TRUE(plays(5));
    for (int id : {1, 4, 6, 400}) EXPECT_FALSE(plays(id)) << id;
}

TEST_F(SoundBankLoad, GameQualityLoadsSoundsAsStored) {
    const BankSound stereo{7, 2, 44100, 16, 1, {1, 2, 3, 4, 5, 6, 7, 8}};
    EXPECT_EQ(load(encodeSoundBank(std::vector{stereo})), 1);
    EXPECT_EQ(device.loaded[7], stereo.data);
    EXPECT_EQ(device.formats[7].rate, 44100);
    EXPECT_EQ(device.formats[7].channels, 2);
    EXPECT_EQ(sounds.sounds[7].loop, 1);
    EXPECT_EQ(sounds.sounds[7].dataLength, 8u);
}

TEST_F(SoundBankLoad, LowerQualityKeepsTheConvertedFormatInTheTables) {
    const BankSound stereo{7, 2, 44100, 16, 0, std::vector<std::uint8_t>(16, 0)};
    EXPECT_EQ(sounds.LoadSoundBankData(encodeSoundBank(std::vector{stereo}), 4), 1);
    EXPECT_EQ(sounds.sounds[7].sampleRate, 22050u);
    EXPECT_EQ(sounds.sounds[7].bitsPerSample, 8);
    EXPECT_EQ(sounds.sounds[7].channels, 1);
    EXPECT_EQ(sounds.sounds[7].dataLength, 2u);
    EXPECT_EQ(device.loaded[7].size(), 2u);
}

// Each bad header field refuses its own sound only; the data of the sounds around it is found
// where the declared lengths put it.
TEST_F(SoundBankLoad, ASoundWithABadHeaderIsRefusedAndTheOthersLoad) {
    struct Case {
        const char* what;
        BankSound bad;
    };
    const std::vector<Case> cases = {
        {"three channels", {5, 3, 22050, 8, 0, {9, 9, 9}}},
        {"twelve bits", {5, 1, 22050, 12, 0, {9, 9, 9}}},
        {"rate 0", {5, 1, 0, 8, 0, {9, 9, 9}}},
        {"odd 16-bit length", {5, 1, 22050, 16, 0, {9, 9, 9}}},
        {"half a stereo frame", {5, 2, 22050, 16, 0, {9, 9, 9, 9, 9, 9}}},
        {"no samples", {5, 1, 22050, 8, 0, {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<BankSound> bank = {mono8(2, {1, 2}), c.bad, mono8(8, {3, 4, 5})};
        EXPECT_EQ(load(encodeSoundBank(bank)), 0);
        EXPECT_EQ(sounds.sounds[5].loaded, 0);
        EXPECT_FALSE(plays(5));
        EXPECT_TRUE(plays(2));
        EXPECT_TRUE(plays(8));
        EXPECT_EQ(device.loaded[8], (std::vector<std::uint8_t>{3, 4, 5}));
        EXPECT_EQ(sounds.soundEnabled, 1);
    }
}

TEST_F(SoundBankLoad, SamplesRunningPastTheEndAreRefused) {
    std::vector<std::uint8_t> file = encodeSoundBank(std::vector{mono8(2, {1, 2}), mono8(4, {3, 4}), mono8(6, {5})});
    put32(file, 2807 + 4 * 4, 0xFFFFFFF0u);  // id 4 claims far more than the file holds
    EXPECT_EQ(load(file), 0);
    EXPECT_TRUE(plays(2));
    EXPECT_FALSE(plays(4));
    EXPECT_FALSE(plays(6));  // its data would lie behind id 4's

    file = encodeSoundBank(std::vector{mono8(2, {1, 2}), mono8(4, {3, 4, 5, 6})});
    file.resize(file.size() - 1);  // the last sound is cut short
    EXPECT_EQ(load(file), 0);
    EXPECT_TRUE(plays(2));
    EXPECT_FALSE(plays(4));
}

TEST_F(SoundBankLoad, AFileShorterThanTheHeaderLeavesTheGameSilent) {
    std::vector<std::uint8_t> file = encodeSoundBank(std::vector{mono8(2, {1, 2})});
    file.resize(SOUND_BANK_HEADER_SIZE - 1);
    EXPECT_EQ(load(file), 0);
    EXPECT_TRUE(device.loaded.empty());
    EXPECT_EQ(sounds.soundEnabled, 0);
    EXPECT_EQ(sounds.AllocChannel(), 1);
    EXPECT_EQ(sounds.AllocChannel(), 1);
}

TEST_F(SoundBankLoad, AMissingFileIsReportedOnceAndTheGameGoesOnSilent) {
    EXPECT_EQ(sounds.LoadSoundBank("no-such-directory/sound.sdf", GAME_QUALITY), 1);
    EXPECT_EQ(platform.errorBoxes, std::vector<std::string>{"no open no-such-directory/sound.sdf"});
    EXPECT_EQ(sounds.soundEnabled, 0);
    EXPECT_EQ(sounds.PlaySound(1, 1, 1, 10000), 1);
    EXPECT_TRUE(device.volumes.empty());
}

TEST_F(SoundBankLoad, ReadsTheBankFromItsFile) {
    const auto path = std::filesystem::temp_directory_path() / ("ramparo_sound_" + std::to_string(::getpid()) + ".sdf");
    {
        const std::vector<std::uint8_t> file = encodeSoundBank(std::vector{mono8(3, {7, 8, 9})});
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                     static_cast<std::streamsize>(file.size()));
    }
    EXPECT_EQ(sounds.LoadSoundBank(path.c_str(), GAME_QUALITY), 1);
    std::filesystem::remove(path);
    EXPECT_TRUE(platform.errorBoxes.empty());
    EXPECT_EQ(device.loaded[3], (std::vector<std::uint8_t>{7, 8, 9}));
}

TEST_F(SoundBankLoad, AMixerFailureStopsTheLoadThere) {
    device.refuseLoadOf = 4;
    EXPECT_EQ(load(encodeSoundBank(std::vector{mono8(2, {1}), mono8(4, {2}), mono8(6, {3})})), 0);
    EXPECT_EQ(sounds.sounds[4].loaded, 1);  // marked loaded, but without its samples
    EXPECT_EQ(sounds.sounds[6].loaded, 0);
    EXPECT_TRUE(plays(2));
    EXPECT_FALSE(plays(4));
    EXPECT_FALSE(plays(6));
}

TEST_F(SoundBankLoad, ASecondLoadReplacesTheFirst) {
    EXPECT_EQ(load(encodeSoundBank(std::vector{mono8(2, {1})})), 1);
    EXPECT_EQ(load(encodeSoundBank(std::vector{mono8(3, {1})})), 1);
    EXPECT_FALSE(plays(2));
    EXPECT_TRUE(plays(3));
}

TEST_F(SoundBankLoad, WithoutASoundDeviceNothingIsLoadedOrReported) {
    device.hasDevice = false;
    sounds.attach(device);
    EXPECT_EQ(sounds.SetPrimaryFormat(44100, 16, 2), 1);
    EXPECT_EQ(sounds.LoadSoundBank("no-such-directory/sound.sdf", GAME_QUALITY), 1);
    EXPECT_EQ(load(encodeSoundBank(std::vector{mono8(2, {1})})), 1);
    EXPECT_TRUE(platform.errorBoxes.empty());
    EXPECT_TRUE(device.loaded.empty());
}
