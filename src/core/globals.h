// The strings that live for the whole run, constructed before the game starts.
#pragma once

#include <array>
#include <string>

#include "core/player.h"

// Indexed by weapon number, from the catalogue; the HUD and the shop show them.
extern const std::array<std::string, WEAPON_COUNT> weaponNames;
// The three scenery item sprite files.
extern const std::array<std::string, 3> itemSpriteFiles;
