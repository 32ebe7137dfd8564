#include "core/globals.h"

std::string textScratch;
const std::array<std::string, WEAPON_COUNT> weaponNames{
    "MISSILE",    "BIG MISSILE", "GRENADE",        "SUPER GRENADE", "DIRECT MISSILE",
    "HYPER TUBE", "DEFENSE",     "GROUND DEFENSE", "BALL GRENADE",  "GIMLET"};
const std::array<std::string, 3> itemSpriteFiles{"it1.spr", "it2.spr", "it3.spr"};
std::string message;
