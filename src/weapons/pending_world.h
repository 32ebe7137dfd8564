// PENDING: the world declarations the weapons use, until the world branch is merged. At the merge
// this file is deleted and its includes become "world/world.h" and "world/damage.h".
#pragma once

constexpr int WORLD_WIDTH = 1536;
constexpr int WORLD_HEIGHT = 768;
constexpr int LANDSCAPE_IMAGE = 1;

void carveCrater(int cx, int cy, int r);
void refreshTiles(int cx, int cy, int r);
