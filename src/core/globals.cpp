#include "core/globals.h"

const std::array<std::string, WEAPON_COUNT> weaponNames = [] {
    std::array<std::string, WEAPON_COUNT> names;
    for (int w = 0; w < WEAPON_COUNT; ++w)
        names[static_cast<std::size_t>(w)] = WEAPONS[static_cast<std::size_t>(w)].name;
    return names;
}();
const std::array<std::string, 3> itemSpriteFiles{"it1.spr", "it2.spr", "it3.spr"};
