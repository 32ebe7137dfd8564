#include "audio/sound_bank_writer.h"

#include <algorithm>
#include <stdexcept>

std::vector<std::uint8_t> encodeSoundBank(std::span<const BankSound> sounds) {
    std::vector<std::uint8_t> out(SOUND_BANK_HEADER_SIZE, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    std::vector<const BankSound*> byId(SOUND_ID_COUNT + 1, nullptr);
    for (const BankSound& s : sounds) {
        if (s.id < 1 || s.id > SOUND_ID_COUNT) throw std::invalid_argument("sound id out of range");
        if (s.channels == 0) throw std::invalid_argument("a used sound needs 1 or 2 channels");
        byId[s.id] = &s;
    }
    for (int id = 1; id <= SOUND_ID_COUNT; ++id) {
        const BankSound* s = byId[id];
        if (!s) continue;
        out[id] = s->channels;
        put32(401 + 4 * id, s->rate);
        out[2005 + id] = s->bits;
        out[2406 + id] = s->loop;
        put32(2807 + 4 * id, static_cast<std::uint32_t>(s->data.size()));
    }
    for (int id = 1; id <= SOUND_ID_COUNT; ++id)
        if (byId[id]) out.insert(out.end(), byId[id]->data.begin(), byId[id]->data.end());
    return out;
}
