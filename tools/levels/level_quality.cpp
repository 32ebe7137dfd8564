#include "levels/level_quality.h"

#include <algorithm>
#include <memory>

#include "battle/placement.h"
#include "core/random.h"
#include "world/julia_cut.h"
#include "world/landscape.h"
#include "world/world.h"

namespace {

constexpr std::size_t WORLD_PIXELS = static_cast<std::size_t>(WORLD_WIDTH) * WORLD_HEIGHT;
constexpr std::uint16_t SOLID = 0x7FFF;
constexpr int ISLAND_MIN_AREA = static_cast<int>(WORLD_PIXELS / 100);
constexpr int OVERHANG_MIN_GAP = 8;       // sky rows under ground before more ground makes an overhang
constexpr int CANYON_SHOULDER_SPAN = 200;  // how far to each side a canyon's walls are looked for

std::size_t at(int x, int y) { return static_cast<std::size_t>(y) * WORLD_WIDTH + x; }

// Keeps a pixel where every pixel (erode) or any pixel (dilate) of the 2k + 1 pixels around it in
// its row (or column) is set; outside the world counts as set for erosion, clear for dilation.
// Counts run along the rows in both cases, so both passes read memory in order.
std::vector<std::uint8_t> filterRows(const std::vector<std::uint8_t>& in, int k, bool erode) {
    std::vector<std::uint8_t> out(in.size());
    for (int y = 0; y < WORLD_HEIGHT; ++y) {
        int set = 0;  // set pixels of the window x - k .. x + k within the row
        for (int x = 0; x < k && x < WORLD_WIDTH; ++x) set += in[at(x, y)];
        for (int x = 0; x < WORLD_WIDTH; ++x) {
            if (x + k < WORLD_WIDTH) set += in[at(x + k, y)];
            if (x - k - 1 >= 0) set -= in[at(x - k - 1, y)];
            const int width = std::min(WORLD_WIDTH - 1, x + k) - std::max(0, x - k) + 1;
            out[at(x, y)] = erode ? set == width : set > 0;
        }
    }
    return out;
}

std::vector<std::uint8_t> filterColumns(const std::vector<std::uint8_t>& in, int k, bool erode) {
    std::vector<std::uint8_t> out(in.size());
    std::vector<int> set(WORLD_WIDTH, 0);  // per column, set pixels of the rows y - k .. y + k
    for (int y = 0; y < k && y < WORLD_HEIGHT; ++y)
        for (int x = 0; x < WORLD_WIDTH; ++x) set[static_cast<std::size_t>(x)] += in[at(x, y)];
    for (int y = 0; y < WORLD_HEIGHT; ++y) {
        for (int x = 0; x < WORLD_WIDTH; ++x) {
            int& s = set[static_cast<std::size_t>(x)];
            if (y + k < WORLD_HEIGHT) s += in[at(x, y + k)];
            if (y - k - 1 >= 0) s -= in[at(x, y - k - 1)];
        }
        const int height = std::min(WORLD_HEIGHT - 1, y + k) - std::max(0, y - k) + 1;
        for (int x = 0; x < WORLD_WIDTH; ++x)
            out[at(x, y)] = erode ? set[static_cast<std::size_t>(x)] == height : set[static_cast<std::size_t>(x)] > 0;
    }
    return out;
}

double sliverShare(const std::vector<std::uint8_t>& mask, std::size_t ground) {
    if (ground == 0) return 0;
    const int k = SLIVER_WIDTH / 2;
    auto opened = filterColumns(filterRows(mask, k, true), k, true);
    opened = filterColumns(filterRows(opened, k, false), k, false);
    std::size_t lost = 0;
    for (std::size_t i = 0; i < mask.size(); ++i) lost += mask[i] && !opened[i];
    return static_cast<double>(lost) / static_cast<double>(ground);
}

int countIslands(const std::vector<std::uint8_t>& mask) {
    std::vector<std::uint8_t> seen(mask.size());
    std::vector<std::size_t> stack;
    int islands = 0;
    for (std::size_t start = 0; start < mask.size(); ++start) {
        if (!mask[start] || seen[start]) continue;
        int area = 0;
        bool reachesBottom = false;
        seen[start] = 1;
        stack.push_back(start);
        while (!stack.empty()) {
            const std::size_t i = stack.back();
            stack.pop_back();
            ++area;
            const int x = static_cast<int>(i % WORLD_WIDTH), y = static_cast<int>(i / WORLD_WIDTH);
            reachesBottom = reachesBottom || y == WORLD_HEIGHT - 1;
            auto visit = [&](int nx, int ny) {
                if (nx < 0 || ny < 0 || nx >= WORLD_WIDTH || ny >= WORLD_HEIGHT) return;
                const std::size_t n = at(nx, ny);
                if (mask[n] && !seen[n]) {
                    seen[n] = 1;
                    stack.push_back(n);
                }
            };
            visit(x - 1, y), visit(x + 1, y), visit(x, y - 1), visit(x, y + 1);
        }
        islands += area >= ISLAND_MIN_AREA && !reachesBottom;
    }
    return islands;
}

double overhangShare(const std::vector<std::uint8_t>& mask) {
    int columns = 0;
    for (int x = 0; x < WORLD_WIDTH; ++x) {
        int y = 0;
        while (y < WORLD_HEIGHT && !mask[at(x, y)]) ++y;
        while (y < WORLD_HEIGHT && mask[at(x, y)]) ++y;
        int gap = 0;
        while (y < WORLD_HEIGHT && !mask[at(x, y)]) ++y, ++gap;
        columns += y < WORLD_HEIGHT && gap >= OVERHANG_MIN_GAP;
    }
    return static_cast<double>(columns) / WORLD_WIDTH;
}

int deepestCanyon(const std::vector<std::uint8_t>& mask) {
    std::vector<int> top(WORLD_WIDTH, WORLD_HEIGHT);
    for (int x = 0; x < WORLD_WIDTH; ++x)
        for (int y = 0; y < WORLD_HEIGHT; ++y)
            if (mask[at(x, y)]) {
                top[static_cast<std::size_t>(x)] = y;
                break;
            }
    int deepest = 0;
    for (int x = CANYON_SHOULDER_SPAN; x < WORLD_WIDTH - CANYON_SHOULDER_SPAN; ++x) {
        const auto begin = top.begin() + x;
        const int left = *std::min_element(begin - CANYON_SHOULDER_SPAN, begin);
        const int right = *std::min_element(begin + 1, begin + 1 + CANYON_SHOULDER_SPAN);
        deepest = std::max(deepest, top[static_cast<std::size_t>(x)] - std::max(left, right));
    }
    return deepest;
}

std::unique_ptr<Surface> solidImage(int width, int height, int left, int right) {
    auto s = std::make_unique<Surface>(width, height);
    for (int y = 0; y < height; ++y) std::fill(s->row(y) + left, s->row(y) + right, SOLID);
    return s;
}

ImageEntry entryOf(std::unique_ptr<Surface> s) {
    ImageEntry e;
    e.width = static_cast<std::uint16_t>(s->width);
    e.height = static_cast<std::uint16_t>(s->height);
    e.surface = std::move(s);
    return e;
}

// The fortress probes as the game's pictures have them: the upper body, and four patches of the
// foot row at the left, middle-left, middle-right and right.
struct StandInProbes {
    ImageEntry top = entryOf(solidImage(80, 30, 0, 80));
    ImageEntry ground[4] = {entryOf(solidImage(80, 6, 2, 12)), entryOf(solidImage(80, 6, 24, 34)),
                            entryOf(solidImage(80, 6, 46, 56)), entryOf(solidImage(80, 6, 68, 78))};

    FortressProbes probes() const {
        FortressProbes p;
        p.top = &top;
        for (int k = 0; k < 4; ++k) p.ground[k] = &ground[k];
        return p;
    }
};

// The terrain with the ground strip along its foot: what the fortresses stand on.
ImageEntry placementLandscape(const std::vector<std::uint8_t>& mask) {
    auto s = std::make_unique<Surface>(WORLD_WIDTH, WORLD_HEIGHT);
    for (std::size_t i = 0; i < WORLD_PIXELS; ++i) s->pixels[i] = mask[i] ? SOLID : 0;
    for (int y = BOTTOM_STRIP_Y; y < WORLD_HEIGHT; ++y)
        std::fill(s->row(y) + 50, s->row(y) + 50 + 38 * GROUND_STRIP_COPIES, SOLID);
    return entryOf(std::move(s));
}

}  // namespace

std::vector<std::uint8_t> terrainMask(const LevelRecord& level) {
    Surface terrain(WORLD_WIDTH, WORLD_HEIGHT);
    std::fill(terrain.pixels.begin(), terrain.pixels.end(), SOLID);
    cutTerrain(terrain, level);
    std::vector<std::uint8_t> mask(WORLD_PIXELS);
    for (std::size_t i = 0; i < WORLD_PIXELS; ++i) mask[i] = terrain.pixels[i] != 0;
    return mask;
}

LevelQuality measureLevel(const LevelRecord& level, int placementSeeds) {
    LevelQuality q;
    const std::vector<std::uint8_t> mask = terrainMask(level);
    std::size_t ground = 0, skyBand = 0;
    for (std::size_t i = 0; i < WORLD_PIXELS; ++i) ground += mask[i];
    for (std::size_t i = 0; i < at(0, SKY_BAND_ROWS); ++i) skyBand += mask[i];
    q.ground = static_cast<double>(ground) / WORLD_PIXELS;
    q.skyBandGround = static_cast<double>(skyBand) / (static_cast<double>(WORLD_WIDTH) * SKY_BAND_ROWS);
    q.slivers = sliverShare(mask, ground);
    q.islands = countIslands(mask);
    q.overhangs = overhangShare(mask);
    q.canyonDepth = deepestCanyon(mask);

    const ImageEntry landscape = placementLandscape(mask);
    const StandInProbes probes;
    const std::uint32_t savedState = gameRandState();
    for (int seed = 0; seed < placementSeeds; ++seed) {
        setGameRandState(1 + 7919u * static_cast<std::uint32_t>(seed));
        const FortressPlacement placed = searchFortressSpots(landscape, probes.probes(), MAX_PLAYERS);
        q.placementFallback = q.placementFallback || placed.usedFallback;
        for (int attempts : placed.attempts) q.placementAttempts = std::max(q.placementAttempts, attempts);
    }
    setGameRandState(savedState);
    return q;
}

bool isGoodBattlefield(const LevelQuality& q) {
    return q.ground >= 1.0 / 3 && q.ground <= 2.0 / 3 && q.skyBandGround <= 0.005 && q.slivers <= 0.02 &&
           !q.placementFallback && q.placementAttempts <= GOOD_PLACEMENT_ATTEMPTS;
}

LevelShape shapeOf(const LevelQuality& q) {
    if (q.islands > 0) return LevelShape::Islands;
    if (q.overhangs >= 0.15) return LevelShape::Overhangs;
    if (q.canyonDepth >= 200) return LevelShape::Canyon;
    return LevelShape::Hills;
}

const char* shapeName(LevelShape shape) {
    switch (shape) {
        case LevelShape::Hills: return "hills";
        case LevelShape::Canyon: return "canyon";
        case LevelShape::Overhangs: return "overhangs";
        case LevelShape::Islands: return "islands";
    }
    return "";
}
