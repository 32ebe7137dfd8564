#include "audio/sound_bank.h"

#include <cstdint>

namespace {

constexpr std::size_t CHANNELS_AT = 0;
constexpr std::size_t RATES_AT = 401;
constexpr std::size_t BITS_AT = 2005;
constexpr std::size_t LOOPS_AT = 2406;
constexpr std::size_t LENGTHS_AT = 2807;

std::uint32_t read32(std::span<const std::uint8_t> file, std::size_t at) {
    return static_cast<std::uint32_t>(file[at]) | static_cast<std::uint32_t>(file[at + 1]) << 8 |
           static_cast<std::uint32_t>(file[at + 2]) << 16 | static_cast<std::uint32_t>(file[at + 3]) << 24;
}

// Whole frames of 8-bit unsigned or 16-bit signed PCM, mono or stereo, at a rate a mixer can take.
bool formatMakesSense(const BankEntry& e) {
    if (e.channels > 2 || (e.bits != 8 && e.bits != 16)) return false;
    if (e.rate == 0 || e.rate > INT32_MAX || e.dataLength == 0) return false;
    const std::uint32_t frameBytes = e.channels * e.bits / 8u;
    return e.dataLength % frameBytes == 0;
}

}  // namespace

SoundBankView parseSoundBank(std::span<const std::uint8_t> file) {
    SoundBankView bank;
    if (file.size() < SOUND_BANK_HEADER_SIZE) return bank;
    bank.headerComplete = true;

    std::uint64_t offset = SOUND_BANK_HEADER_SIZE;
    for (int id = 1; id <= SOUND_ID_COUNT; ++id) {
        BankEntry& e = bank.entries[id];
        e.channels = file[CHANNELS_AT + id];
        e.rate = read32(file, RATES_AT + 4 * id);
        e.bits = file[BITS_AT + id];
        e.loop = file[LOOPS_AT + id];
        e.dataLength = read32(file, LENGTHS_AT + 4 * id);
        if (e.channels == 0) continue;

        const bool inFile = offset <= file.size() && e.dataLength <= file.size() - offset;
        e.usable = inFile && formatMakesSense(e);
        if (e.usable) e.samples = file.subspan(static_cast<std::size_t>(offset), e.dataLength);
        offset += e.dataLength;
    }
    return bank;
}
