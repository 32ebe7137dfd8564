// The Julia test that cuts a level's terrain out of the textured world.
#pragma once

#include <cstdint>

#include "gfx/surface.h"
#include "world/level_file.h"

// A level record has a 16-bit iteration limit, so a hostile file could ask for 65536 iterations
// of every one of the world's 1,179,648 pixels (minutes of set-up). Limits above this one are
// clamped; our levels stay far below it, so the cut of every real level is unchanged.
constexpr std::uint32_t MAX_JULIA_ITERATIONS = 1000;

// A record made ready for the per-pixel test. A record with a non-finite float describes no
// world window at all: it is an empty level (every pixel sky).
struct JuliaCut {
    float xMin = 0;
    float yMin = 0;
    float dx = 0;  // 32-bit float steps, as the test has always computed them
    float dy = 0;
    double cRe = 0;
    double cIm = 0;
    std::uint32_t iterations = 0;  // maxIter + 1 iterates are tested after the start value
    bool empty = false;
};

JuliaCut prepareJuliaCut(const LevelRecord& level);

// Whether world pixel (px, py) lies inside the filled Julia set: the reference arithmetic.
bool juliaInside(const JuliaCut& cut, int px, int py);

// Sets every pixel of the 1536 x 768 surface outside the set to 0; inside pixels keep their value.
// A surface of any other size is left alone. Vectorised and split over two threads; the result is
// bit for bit that of cutTerrainScalar.
void cutTerrain(Surface& terrain, const LevelRecord& level);
// The same cut, one pixel after another with juliaInside: the reference for tests and benchmarks.
void cutTerrainScalar(Surface& terrain, const LevelRecord& level);

// The battle's cut, on TERRAIN_IMAGE.
void cutTerrain(const LevelRecord& level);
