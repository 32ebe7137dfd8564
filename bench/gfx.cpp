// Drawing and overlap costs: full-screen copies against memcpy of the same bytes, and the
// overlap tests of an 80 x 50 fortress against a 60 x 60 explosion.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "gfx/draw.h"
#include "gfx/overlap.h"

namespace {

constexpr int SCREEN_WIDTH = 1024;
constexpr int SCREEN_HEIGHT = 768;
constexpr std::int64_t SCREEN_PIXELS = std::int64_t{SCREEN_WIDTH} * SCREEN_HEIGHT;

template <class PixelAt>
ImageEntry makeImage(int width, int height, PixelAt pixelAt) {
    ImageEntry entry;
    entry.surface = std::make_unique<Surface>(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) entry.surface->row(y)[x] = pixelAt(x, y);
    entry.width = static_cast<std::uint16_t>(width);
    entry.height = static_cast<std::uint16_t>(height);
    return entry;
}

// Shown as time per pixel (for example "120ps"), from the processor time of the run.
void reportPerPixel(benchmark::State& state, std::int64_t pixels) {
    state.counters["per_pixel"] =
        benchmark::Counter(static_cast<double>(pixels) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_MemcpyScreen(benchmark::State& state) {
    std::vector<std::uint16_t> from(SCREEN_PIXELS, 0x1234);
    std::vector<std::uint16_t> to(SCREEN_PIXELS);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), SCREEN_PIXELS * sizeof(std::uint16_t));
        benchmark::ClobberMemory();
    }
    reportPerPixel(state, SCREEN_PIXELS);
}
BENCHMARK(BM_MemcpyScreen);

void BM_DrawImageOpaqueScreen(benchmark::State& state) {
    const ImageEntry image =
        makeImage(SCREEN_WIDTH, SCREEN_HEIGHT, [](int x, int y) { return std::uint16_t(x ^ y); });
    Surface screen(SCREEN_WIDTH, SCREEN_HEIGHT);
    for (auto _ : state) {
        DrawImageOpaque(&screen, image, 0, 0);
        benchmark::ClobberMemory();
    }
    reportPerPixel(state, SCREEN_PIXELS);
}
BENCHMARK(BM_DrawImageOpaqueScreen);

// About a third of the pixels transparent, in runs and single pixels, as in sprites.
void BM_DrawImageKeyedScreen(benchmark::State& state) {
    const ImageEntry image = makeImage(SCREEN_WIDTH, SCREEN_HEIGHT, [](int x, int y) {
        return std::uint16_t((x * 7 + y * 13) % 3 == 0 ? 0 : 0x4000 | (x & 0x3FF));
    });
    Surface screen(SCREEN_WIDTH, SCREEN_HEIGHT);
    for (auto _ : state) {
        DrawImage(&screen, image, 0, 0);
        benchmark::ClobberMemory();
    }
    reportPerPixel(state, SCREEN_PIXELS);
}
BENCHMARK(BM_DrawImageKeyedScreen);

// The fortress: empty top half, solid bottom half. The explosion: a solid disc of radius 30.
ImageEntry fortress() {
    return makeImage(80, 50, [](int, int y) { return std::uint16_t(y < 25 ? 0 : 0x7FFF); });
}
ImageEntry explosion() {
    return makeImage(60, 60, [](int x, int y) {
        const int dx = x - 30, dy = y - 30;
        return std::uint16_t(dx * dx + dy * dy < 900 ? 0x5A5A : 0);
    });
}

// The explosion's lower part over the fortress's empty half: every pixel of a 60 x 25 intersection
// is compared and none meets.
void BM_ImagesOverlapMiss(benchmark::State& state) {
    const ImageEntry a = fortress();
    const ImageEntry b = explosion();
    for (auto _ : state) benchmark::DoNotOptimize(ImagesOverlap(b, 110, 65, a, 100, 100));
}
BENCHMARK(BM_ImagesOverlapMiss);

// Over the fortress's solid half: the walk stops in the first rows.
void BM_ImagesOverlapHit(benchmark::State& state) {
    const ImageEntry a = fortress();
    const ImageEntry b = explosion();
    for (auto _ : state) benchmark::DoNotOptimize(ImagesOverlap(b, 110, 125, a, 100, 100));
}
BENCHMARK(BM_ImagesOverlapHit);

void BM_PointOnImage(benchmark::State& state) {
    const ImageEntry a = fortress();
    for (auto _ : state) benchmark::DoNotOptimize(PointOnImage(140, 130, a, 100, 100));
}
BENCHMARK(BM_PointOnImage);

// The explosion erased out of the fortress (60 x 50 intersection); the fortress is restored
// outside the timing.
void BM_EraseOverlap(benchmark::State& state) {
    const ImageEntry intact = fortress();
    ImageEntry target = fortress();
    const ImageEntry b = explosion();
    for (auto _ : state) {
        state.PauseTiming();
        target.surface->pixels = intact.surface->pixels;
        state.ResumeTiming();
        benchmark::DoNotOptimize(EraseOverlap(b, 110, 90, target, 100, 100));
    }
}
BENCHMARK(BM_EraseOverlap);

}  // namespace

BENCHMARK_MAIN();
