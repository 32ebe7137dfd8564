#include "world/julia_cut.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <system_error>
#include <thread>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "gfx/images.h"
#include "world/world.h"

namespace {

// The 32-bit floats nearest to 1/1535 and 1/767.
constexpr float COLUMN_STEP = 0.0006514658f;
constexpr float ROW_STEP = 0.0013037809f;
constexpr double ESCAPE_RADIUS_SQUARED = 100.0;

bool isWorldSized(const Surface& s) {
    return s.width == WORLD_WIDTH && s.height == WORLD_HEIGHT && s.pitch >= WORLD_WIDTH &&
           s.pixels.size() >= static_cast<std::size_t>(s.pitch) * (WORLD_HEIGHT - 1) + WORLD_WIDTH;
}

float columnStart(const JuliaCut& cut, int px) { return static_cast<float>(px) * cut.dx + cut.xMin; }
float rowStart(const JuliaCut& cut, int py) { return static_cast<float>(py) * cut.dy + cut.yMin; }

#if defined(__SSE2__)
// Pixels per step: VECTORS SSE2 registers of two doubles each, independent dependency chains that
// keep the multiplier busy while each one waits for its last result.
constexpr int VECTORS = 6;
constexpr int LANES = 2 * VECTORS;
static_assert(WORLD_WIDTH % LANES == 0);

// Rows first, first + 2, ...: the rows of the two threads interleave, so both get their share of
// the costly ground near the bottom of the world. Per pixel the operations and their order are
// those of juliaInside; lanes that escaped go on iterating (towards infinity, harmlessly) until
// every lane of the step has escaped or the limit is reached, and only their first escape counts.
void cutRows(Surface& terrain, const JuliaCut& cut, const std::array<double, WORLD_WIDTH>& columnZr, int first) {
    const __m128d cRe = _mm_set1_pd(cut.cRe);
    const __m128d cIm = _mm_set1_pd(cut.cIm);
    const __m128d two = _mm_set1_pd(2.0);
    const __m128d radius = _mm_set1_pd(ESCAPE_RADIUS_SQUARED);
    constexpr int ALL_OUT = (1 << LANES) - 1;
    for (int py = first; py < WORLD_HEIGHT; py += 2) {
        std::uint16_t* row = terrain.row(py);
        const __m128d rowZi = _mm_set1_pd(rowStart(cut, py));
        for (int px = 0; px < WORLD_WIDTH; px += LANES) {
            __m128d zr[VECTORS], zi[VECTORS], zr2[VECTORS], zi2[VECTORS];
            int outside = 0;
            for (int v = 0; v < VECTORS; ++v) {
                zr[v] = _mm_loadu_pd(&columnZr[static_cast<std::size_t>(px + 2 * v)]);
                zi[v] = rowZi;
                zr2[v] = _mm_mul_pd(zr[v], zr[v]);
                zi2[v] = _mm_mul_pd(zi[v], zi[v]);
                outside |= _mm_movemask_pd(_mm_cmpgt_pd(_mm_add_pd(zr2[v], zi2[v]), radius)) << (2 * v);
            }
            for (std::uint32_t n = 0; n < cut.iterations && outside != ALL_OUT; ++n) {
                for (int v = 0; v < VECTORS; ++v) {
                    const __m128d nextZi = _mm_add_pd(_mm_mul_pd(_mm_mul_pd(two, zr[v]), zi[v]), cIm);
                    zr[v] = _mm_add_pd(_mm_sub_pd(zr2[v], zi2[v]), cRe);
                    zi[v] = nextZi;
                    zr2[v] = _mm_mul_pd(zr[v], zr[v]);
                    zi2[v] = _mm_mul_pd(zi[v], zi[v]);
                    outside |= _mm_movemask_pd(_mm_cmpgt_pd(_mm_add_pd(zr2[v], zi2[v]), radius)) << (2 * v);
                }
            }
            for (int i = 0; i < LANES; ++i)
                if (outside >> i & 1) row[px + i] = 0;
        }
    }
}

#else
// Without SSE2 (not an x86-64 build) the rows are cut with the reference test.
void cutRows(Surface& terrain, const JuliaCut& cut, const std::array<double, WORLD_WIDTH>&, int first) {
    for (int py = first; py < WORLD_HEIGHT; py += 2) {
        std::uint16_t* row = terrain.row(py);
        for (int px = 0; px < WORLD_WIDTH; ++px)
            if (!juliaInside(cut, px, py)) row[px] = 0;
    }
}
#endif

}  // namespace

JuliaCut prepareJuliaCut(const LevelRecord& level) {
    JuliaCut cut;
    for (float v : {level.xMin, level.yMin, level.xMax, level.yMax, level.cRe, level.cIm})
        if (!std::isfinite(v)) cut.empty = true;
    cut.xMin = level.xMin;
    cut.yMin = level.yMin;
    cut.dx = (level.xMax - level.xMin) * COLUMN_STEP;
    cut.dy = (level.yMax - level.yMin) * ROW_STEP;
    cut.cRe = level.cRe;
    cut.cIm = level.cIm;
    cut.iterations = std::min<std::uint32_t>(level.maxIter, MAX_JULIA_ITERATIONS) + 1;
    return cut;
}

bool juliaInside(const JuliaCut& cut, int px, int py) {
    if (cut.empty) return false;
    double zr = columnStart(cut, px);
    double zi = rowStart(cut, py);
    if (zr * zr + zi * zi > ESCAPE_RADIUS_SQUARED) return false;
    for (std::uint32_t n = 0; n < cut.iterations; ++n) {
        const double nextZi = 2.0 * zr * zi + cut.cIm;
        zr = zr * zr - zi * zi + cut.cRe;
        zi = nextZi;
        if (zr * zr + zi * zi > ESCAPE_RADIUS_SQUARED) return false;
    }
    return true;
}

void cutTerrainScalar(Surface& terrain, const LevelRecord& level) {
    if (!isWorldSized(terrain)) return;
    const JuliaCut cut = prepareJuliaCut(level);
    for (int py = 0; py < WORLD_HEIGHT; ++py) {
        std::uint16_t* row = terrain.row(py);
        for (int px = 0; px < WORLD_WIDTH; ++px)
            if (!juliaInside(cut, px, py)) row[px] = 0;
    }
}

void cutTerrain(Surface& terrain, const LevelRecord& level) {
    if (!isWorldSized(terrain)) return;
    const JuliaCut cut = prepareJuliaCut(level);
    if (cut.empty) {
        for (int py = 0; py < WORLD_HEIGHT; ++py) std::fill_n(terrain.row(py), WORLD_WIDTH, 0);
        return;
    }
    std::array<double, WORLD_WIDTH> columnZr;
    for (int px = 0; px < WORLD_WIDTH; ++px) columnZr[static_cast<std::size_t>(px)] = columnStart(cut, px);
    std::thread second;
    try {
        second = std::thread(cutRows, std::ref(terrain), std::cref(cut), std::cref(columnZr), 1);
    } catch (const std::system_error&) {
        cutRows(terrain, cut, columnZr, 1);  // no second thread to be had: the same rows here
    }
    cutRows(terrain, cut, columnZr, 0);
    if (second.joinable()) second.join();
}

void cutTerrain(const LevelRecord& level) {
    if (!raznoe || !raznoe[TERRAIN_IMAGE].surface) return;
    cutTerrain(*raznoe[TERRAIN_IMAGE].surface, level);
}
