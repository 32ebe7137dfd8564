// Reads "sound.sdf" banks from memory: the 4411-byte header of per-id arrays, then the samples of
// the used ids in ascending order. Nothing here touches a file or the sound device, so a bank of
// any bytes can be checked (the tests and the fuzzer do).
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "audio/sound_bank_writer.h"

struct BankEntry {
    // The header's values, as stored.
    std::uint8_t channels = 0;  // 0 = empty slot
    std::uint32_t rate = 0;
    std::uint8_t bits = 0;
    std::uint8_t loop = 0;
    std::uint32_t dataLength = 0;
    // A used slot is usable when its format makes sense and all its samples lie inside the file;
    // `samples` then views them. A slot that is not usable is refused by the loader.
    bool usable = false;
    std::span<const std::uint8_t> samples;
};

struct SoundBankView {
    bool headerComplete = false;  // false: the file is shorter than the header, every slot is empty
    std::array<BankEntry, SOUND_ID_COUNT + 1> entries{};  // index = sound id; entry 0 is never used
};

// The data of every used slot starts where the previous used slot's declared length ends, whether
// that slot is usable or not: the layout is defined by the header's lengths alone.
SoundBankView parseSoundBank(std::span<const std::uint8_t> file);
