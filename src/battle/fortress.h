// Fortresses: placing them at a battle's start, keeping them standing or falling, and marking
// the destroyed ones.
#pragma once

#include "core/pictures.h"

// The intact fortress picture's size: the computer's hit box and the aids' marks.
constexpr int FORTRESS_WIDTH = 80;
constexpr int FORTRESS_HEIGHT = 50;
// Where shots leave a fortress and where the computer aims at one: this point of the picture.
constexpr int LAUNCH_DX = 40;
constexpr int LAUNCH_DY = 10;
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
