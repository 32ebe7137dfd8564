// Fortresses: placing them at a battle's start, keeping them standing or falling, and marking
// the destroyed ones.
#pragma once

constexpr int FORTRESS_IMAGE = 2;       // the intact picture
constexpr int FORTRESS_BACK_IMAGE = 3;  // drawn behind every fortress
constexpr int FORTRESS_TOP_PROBE = 4;
constexpr int FORTRESS_GROUND_PROBE = 5;  // 5..8
constexpr int FORTRESS_PICTURE = 9;       // 9 + player: the picture explosions erase
constexpr int DESTROYING_DAMAGE = 2500;

// Builds the battle's landscape and places the fortress of every player taking part.
void placeFortresses();
// The placement alone, on the landscape as it is: the battle fields cleared, every fortress placed.
void standFortresses();
void restoreFortressImages();
void fortressFallSpeed();
void fortressFall();
void checkDeaths();
// How many of the ground probes touch the landscape under a fortress standing at (x, y).
int groundProbesTouching(float x, float y);
