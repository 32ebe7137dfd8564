// Writes "sound.sdf" banks: the 4411-byte header of per-id arrays, then the samples of the used
// ids in ascending order. Used by the data generator and the tests.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

struct BankSound {
    int id = 0;  // 1..400
    std::uint8_t channels = 1;
    std::uint32_t rate = 44100;
    std::uint8_t bits = 16;
    std::uint8_t loop = 0;
    std::vector<std::uint8_t> data;  // PCM bytes as stored
};

constexpr int SOUND_ID_COUNT = 400;
constexpr int SOUND_BANK_HEADER_SIZE = 4411;

std::vector<std::uint8_t> encodeSoundBank(std::span<const BankSound> sounds);
