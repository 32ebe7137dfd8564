// The pictures of the game's sprite files as the generator assembles them, with the rules each
// picture must keep (checked before anything is written).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "audio/sound_bank_writer.h"
#include "core/pictures.h"
#include "core/sounds.h"
#include "gfx/sprite_writer.h"

namespace datagen {

constexpr int SMALL_IMAGE_COUNT = SMALL_PICTURE_COUNT;  // "small.spr"
constexpr int TILE_COUNT = 24;          // "smallf.spr"
constexpr int ITEM_SET_COUNT = 3;       // "it1.spr" .. "it3.spr"

enum Rule : std::uint8_t {
    COLLISION = 1,  // takes part in the byte-wise overlap tests: both bytes of every pixel non-zero
    SOLID = 2,      // no transparent pixel at all (probes, click targets, textures)
};

struct Picture {
    SpriteImage image;
    std::uint8_t rules = 0;
    bool set = false;
};

// The `raznoe` table of "small.spr".
class SmallTable {
public:
    SmallTable() : pictures_(SMALL_IMAGE_COUNT) {}
    void put(int index, SpriteImage image, std::uint8_t rules = 0);
    const Picture& at(int index) const { return pictures_.at(static_cast<std::size_t>(index)); }
    // Every image in index order; indices nobody drew hold a 1 x 1 transparent picture.
    std::vector<SpriteImage> images() const;

private:
    std::vector<Picture> pictures_;
};

// One scenery item: its body and the two foot probes, tested at the body's top plus the offsets.
struct SceneryItem {
    SpriteImage body, probeLeft, probeRight;
    int footLeft = 0, footRight = 0;
};

struct GeneratedData {
    SpriteImage startup;                                    // "mouse.spr"
    SmallTable small;                                       // "small.spr"
    std::vector<SpriteImage> tiles;                         // "smallf.spr"
    std::array<std::vector<SceneryItem>, ITEM_SET_COUNT> items;  // "it1.spr" .. "it3.spr"
    std::vector<BankSound> sounds;                          // "sound.sdf"
    SpriteImage icon;                                       // the window icon
};

}  // namespace datagen
