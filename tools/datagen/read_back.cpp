// Reads the encoded files back with the game's own readers and compares them with what was
// drawn and synthesised: a file the game would read differently never leaves the generator.
#include <map>
#include <string>

#include "audio/sound_bank.h"
#include "datagen/generator.h"
#include "gfx/sprite_file.h"

namespace datagen {

namespace {

std::vector<SpriteImage> picturesOf(const GeneratedData& data, const std::string& file) {
    if (file == "mouse.spr") return {data.startup};
    if (file == "small.spr") return data.small.images();
    if (file == "smallf.spr") return data.tiles;
    for (int set = 0; set < ITEM_SET_COUNT; ++set)
        if (file == "it" + std::to_string(set + 1) + ".spr") return itemImages(data.items[set]);
    return {};
}

void compareSprites(const std::string& file, const std::vector<std::uint8_t>& bytes,
                    const std::vector<SpriteImage>& drawn, std::vector<std::string>& errors) {
    SpriteSheet sheet;
    sheet.widths.assign(SPRITE_FILE_MAX_IMAGES, 0);
    sheet.heights.assign(SPRITE_FILE_MAX_IMAGES, 0);
    sheet.offsets.assign(SPRITE_FILE_MAX_IMAGES, 0);
    // 5-5-5: the stored layout, so pixels compare unchanged.
    const std::string problem = decodeSpriteFile(bytes, file.c_str(), 1, sheet);
    if (!problem.empty()) {
        errors.push_back(file + ": the game's reader says \"" + problem + "\"");
        return;
    }
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const SpriteImage& image = drawn[i];
        if (i >= sheet.widths.size() || sheet.widths[i] != image.width || sheet.heights[i] != image.height) {
            errors.push_back(file + " image " + std::to_string(i) + " reads back with another size");
            return;
        }
        const auto first = sheet.pixels.begin() + sheet.offsets[i];
        if (!std::equal(image.pixels.begin(), image.pixels.end(), first)) {
            errors.push_back(file + " image " + std::to_string(i) + " reads back with other pixels");
            return;
        }
    }
    if (drawn.size() < sheet.widths.size() && sheet.widths[drawn.size()] != 0)
        errors.push_back(file + " holds more images than were drawn");
}

void compareSounds(const std::vector<std::uint8_t>& bytes, const std::vector<BankSound>& sounds,
                   std::vector<std::string>& errors) {
    const SoundBankView bank = parseSoundBank(bytes);
    std::map<int, const BankSound*> byId;
    for (const BankSound& s : sounds) byId[s.id] = &s;
    for (int id = 1; id <= SOUND_ID_COUNT; ++id) {
        const BankEntry& entry = bank.entries[id];
        const auto made = byId.find(id);
        if (made == byId.end()) {
            if (entry.channels != 0) errors.push_back("sound.sdf: id " + std::to_string(id) + " was never made");
            continue;
        }
        const BankSound& s = *made->second;
        if (!entry.usable || entry.channels != s.channels || entry.rate != s.rate || entry.bits != s.bits ||
            entry.loop != s.loop || !std::equal(s.data.begin(), s.data.end(), entry.samples.begin(), entry.samples.end()))
            errors.push_back("sound.sdf: id " + std::to_string(id) + " reads back differently");
    }
}

}  // namespace

std::vector<std::string> checkReadBack(const GeneratedData& data, const std::vector<DataFile>& files) {
    std::vector<std::string> errors;
    for (const auto& [name, bytes] : files) {
        if (name.ends_with(".spr"))
            compareSprites(name, bytes, picturesOf(data, name), errors);
        else if (name == "sound.sdf")
            compareSounds(bytes, data.sounds, errors);
    }
    return errors;
}

}  // namespace datagen
