// The five sceneries' ground textures and strips, and the three sets of scenery items.
#include <cmath>
#include <functional>
#include <numbers>

#include "datagen/pictures.h"

namespace datagen {

namespace {

constexpr float PI = std::numbers::pi_v<float>;
constexpr int TEXTURE = 128;
constexpr int STRIP = 38;
constexpr std::uint16_t PROBE = 0x7FFF;

// Tileable noise over the texture: `cells` lattice cells across the 128 pixels.
float tileNoise(float x, float y, int cells, std::uint32_t seed, int octaves = 4) {
    return fractalNoise(x * cells / TEXTURE, y * cells / TEXTURE, seed, octaves, cells, cells);
}

// Distance to the nearest of a set of round stones scattered over the tile, wrapping around it.
struct Stones {
    struct Stone {
        float x, y, r;
    };
    std::vector<Stone> list;
    Stones(int count, float rMin, float rMax, std::uint64_t seed) {
        Random rnd(seed);
        for (int i = 0; i < count; ++i) list.push_back({rnd.uniform(0, TEXTURE), rnd.uniform(0, TEXTURE), rnd.uniform(rMin, rMax)});
    }
    // Returns the signed distance and the stone's offset for shading.
    float at(float x, float y, float& nx, float& ny) const {
        float best = 1e9f;
        for (const Stone& s : list) {
            float dx = std::remainder(x - s.x, static_cast<float>(TEXTURE));
            float dy = std::remainder(y - s.y, static_cast<float>(TEXTURE));
            const float d = std::hypot(dx, dy) - s.r;
            if (d < best) {
                best = d;
                nx = dx / s.r;
                ny = dy / s.r;
            }
        }
        return best;
    }
};

Rgb meadow(float x, float y) {
    static const Stones stones(14, 2.5f, 5.0f, 301);
    const float n = tileNoise(x, y, 8, 11);
    Rgb c = lit(rgb255(130, 86, 50), 0.7f + 0.6f * n);
    const float grass = tileNoise(x, y, 8, 12, 3);
    if (grass > 0.54f) c = mix(c, lit(rgb255(96, 170, 60), 0.8f + 0.5f * tileNoise(x, y, 32, 13, 2)), std::min((grass - 0.54f) * 12, 1.0f));
    float nx = 0, ny = 0;
    const float d = stones.at(x, y, nx, ny);
    if (d < 0) c = d > -0.8f ? rgb255(60, 40, 30) : lit(rgb255(170, 160, 150), sphereLight(nx, ny));
    return c;
}

Rgb desert(float x, float y) {
    const float warp = tileNoise(x, y, 4, 21, 3) * 12;
    const float ripple = 0.5f + 0.5f * std::sin((y + warp) * 2 * PI * 12 / TEXTURE);
    const float grain = static_cast<float>(hash32(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), 22) % 100) / 100;
    return lit(rgb255(236, 192, 116), 0.8f + 0.22f * ripple + 0.1f * grain + 0.2f * (tileNoise(x, y, 8, 23) - 0.5f));
}

Rgb rock(float x, float y) {
    const float n = tileNoise(x, y, 8, 31);
    const float crack = std::abs(tileNoise(x, y, 4, 32, 3) - 0.5f);
    Rgb c = lit(rgb255(140, 136, 134), 0.7f + 0.6f * n);
    c = mix(c, rgb255(150, 120, 100), tileNoise(x, y, 2, 33, 2) * 0.5f);
    if (crack < 0.02f) c = scale(c, 0.45f);
    else if (crack < 0.035f) c = lit(c, 1.2f);
    return c;
}

Rgb moss(float x, float y) {
    static const Stones stones(10, 5.0f, 9.0f, 401);
    float nx = 0, ny = 0;
    const float d = stones.at(x, y, nx, ny);
    Rgb c = lit(rgb255(70, 66, 56), 0.7f + 0.5f * tileNoise(x, y, 16, 41));
    if (d < 0) c = d > -0.9f ? rgb255(40, 40, 30) : lit(rgb255(110, 112, 100), sphereLight(nx, ny));
    const float m = tileNoise(x, y, 8, 42, 3);
    if (m > 0.52f) c = mix(c, lit(rgb255(90, 160, 50), 0.7f + 0.6f * tileNoise(x, y, 32, 43, 2)), std::min((m - 0.52f) * 10, 1.0f));
    return c;
}

Rgb snow(float x, float y) {
    const float n = tileNoise(x, y, 4, 51);
    Rgb c = mix(rgb255(170, 196, 236), rgb255(246, 250, 255), 0.4f + 0.8f * n);
    const float vein = std::abs(tileNoise(x, y, 4, 52, 3) - 0.5f);
    if (vein < 0.008f) c = mix(c, rgb255(150, 190, 240), 0.6f);
    if (hash32(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), 53) % 97 == 0) c = rgb255(255, 255, 255);
    return c;
}

using TextureFn = Rgb (*)(float, float);
constexpr TextureFn TEXTURES[5] = {meadow, desert, rock, moss, snow};

// Rows of bedrock along the world's foot, one block per 38 pixels, with the scenery's cap on top.
SpriteImage strip(int scenery) {
    static const Rgb stone[5] = {rgb255(130, 126, 120), rgb255(200, 150, 90), rgb255(96, 92, 100), rgb255(90, 96, 70),
                                 rgb255(150, 180, 220)};
    static const Rgb cap[5] = {rgb255(90, 180, 60), rgb255(240, 210, 140), rgb255(150, 146, 150), rgb255(100, 170, 50),
                               rgb255(250, 252, 255)};
    Canvas c(STRIP, STRIP, 2);
    const Paint blocks = brickPaint(stone[scenery], 19, 12, 60u + static_cast<std::uint32_t>(scenery));
    c.fill(box(0, 5, STRIP, STRIP + 4, 3), [&](float x, float y) { return lit(blocks(x, y - 5), 1.1f - (y - 5) / 60); }, 1.0f);
    c.fill([=](float x, float y) { return y - (7.5f + 1.6f * std::sin(x * 2 * PI / STRIP * 2 + scenery)); },
           [&](float x, float y) { return lit(cap[scenery], 1.15f - y * 0.04f + 0.1f * valueNoise(x * 0.5f, 0, 70)); }, 1.0f);
    c.clearWhere([](float, float y) { return y < 1.0f; });
    return toSprite(c, true);
}

// --- Scenery items -------------------------------------------------------------------------

struct ItemSpec {
    int width;
    int footLeft, footRight;    // foot line below the body's top, left and right
    int probeLeft, probeRight;  // first column of each 6-pixel foot probe
    std::function<void(Canvas&)> paint;
};

Paint bark(float cx, float half) {
    return [=](float x, float y) {
        const float ring = std::sin(y * 1.3f + std::sin(x * 0.9f) * 1.5f) > 0.6f ? 0.8f : 1.0f;
        return lit(rgb255(140, 92, 54), ring * cylinderLight((x - cx) / half));
    };
}

Paint foliage(Rgb base, float cx, float cy, float r, std::uint32_t seed) {
    return [=](float x, float y) {
        const float n = fractalNoise(x * 0.25f, y * 0.25f, seed, 3);
        return lit(base, sphereLight((x - cx) / r, (y - cy) / r) * (0.8f + 0.4f * n));
    };
}

void puffs(Canvas& c, Rgb base, std::initializer_list<std::array<float, 3>> list, float cx, float cy, float r, std::uint32_t seed) {
    Sdf shape = circle(-100, -100, 1);
    for (const auto& p : list) shape = unite(shape, circle(p[0], p[1], p[2]));
    c.fill(shape, foliage(base, cx, cy, r, seed), 1.0f);
}

Sdf rockShape(float x0, float x1, float top, float bottom, std::uint32_t seed) {
    return [=](float x, float y) {
        const float cx = (x0 + x1) * 0.5f, rx = (x1 - x0) * 0.5f;
        const float u = (x - cx) / rx;
        const float height = (bottom - top) * (1.0f - u * u * 0.6f) * (0.9f + 0.2f * valueNoise(x * 0.15f, 0, seed));
        return std::max(std::abs(x - cx) - rx, (bottom - height) - y) + std::max(0.0f, y - bottom);
    };
}

std::vector<ItemSpec> itemSet(int set) {
    const Rgb green = rgb255(70, 160, 60), pine = rgb255(40, 120, 70);
    switch (set) {
    case 0:
        return {
            {40, 44, 44, 12, 22, [=](Canvas& c) {
                 c.fill(box(17, 32, 23, 45), bark(20, 3), 1.0f);
                 puffs(c, green, {{{10, 30, 9}}, {{20, 20, 13}}, {{31, 29, 9}}, {{20, 33, 9}}}, 18, 18, 18, 101);
                 for (auto [x, y] : {std::pair{12.0f, 26.0f}, {24.0f, 17.0f}, {29.0f, 30.0f}, {18.0f, 31.0f}})
                     c.fill(circle(x, y, 1.8f), sphereShade(rgb255(230, 40, 50), x, y, 2), 0.5f);
             }},
            {44, 90, 90, 15, 23, [=](Canvas& c) {
                 c.fill(box(18, 70, 26, 91), bark(22, 4), 1.0f);
                 for (int i = 0; i < 4; ++i) {
                     const float top = 4 + i * 16.0f, half = 9 + i * 4.5f;
                     c.fill(polygon({22, top, 22 + half, top + 26, 22 - half, top + 26}), foliage(pine, 18, top + 10, 26, 102), 1.0f);
                 }
             }},
            {80, 137, 137, 32, 42, [=](Canvas& c) {
                 c.fill(polygon({34, 138, 36, 70, 44, 70, 46, 138}), bark(40, 6), 1.0f);
                 c.fill(capsule(40, 90, 56, 70, 2.5f), bark(48, 3), 1.0f);
                 c.fill(capsule(38, 84, 24, 66, 2.5f), bark(31, 3), 1.0f);
                 puffs(c, rgb255(60, 150, 50),
                       {{{40, 30, 24}}, {{20, 50, 17}}, {{60, 50, 17}}, {{40, 62, 18}}, {{26, 28, 14}}, {{56, 30, 15}}}, 34, 30, 40, 103);
             }},
            {60, 66, 66, 14, 40, [=](Canvas& c) {
                 c.fill(rockShape(2, 42, 10, 67, 104), [](float x, float y) {
                     return lit(rgb255(150, 146, 140), (1.1f - x / 100) * (0.85f + 0.3f * fractalNoise(x * 0.2f, y * 0.2f, 105, 3)));
                 }, 1.0f);
                 c.fill(rockShape(30, 58, 34, 67, 106), [](float x, float y) {
                     return lit(rgb255(130, 126, 124), (1.1f - x / 120) * (0.85f + 0.3f * fractalNoise(x * 0.2f, y * 0.2f, 107, 3)));
                 }, 1.0f);
                 c.fill(ellipse(16, 14, 9, 3.5f), solid(rgb255(100, 170, 60)), 0.8f);
             }},
        };
    case 1:
        return {
            {56, 60, 60, 8, 42, [=](Canvas& c) {
                 c.fill(box(6, 26, 50, 61), brickPaint(rgb255(236, 220, 180), 8, 5, 111), 1.0f);
                 c.fill(polygon({1, 28, 28, 3, 55, 28}), [](float x, float y) {
                     return lit(rgb255(210, 70, 50), (std::fmod(y, 4.0f) < 0.8f ? 0.7f : 1.0f) * (1.2f - x / 80));
                 }, 1.0f);
                 c.fill(box(36, 6, 42, 16), brickPaint(rgb255(160, 100, 80), 3, 2, 112), 1.0f);
                 c.fill(unite(box(22, 42, 32, 61), circle(27, 42, 5)), solid(rgb255(130, 80, 40)), 1.0f);
                 c.fill(box(10, 34, 18, 42), solid(rgb255(255, 220, 110)), 1.0f);
                 c.fill(box(38, 34, 46, 42), solid(rgb255(255, 220, 110)), 1.0f);
             }},
            {36, 51, 51, 5, 25, [=](Canvas& c) {
                 c.fill(box(3, 32, 33, 52, 3), brickPaint(rgb255(150, 146, 150), 6, 4, 121), 1.0f);
                 c.fill(box(5, 10, 8, 33), bark(6.5f, 1.5f), 0.8f);
                 c.fill(box(28, 10, 31, 33), bark(29.5f, 1.5f), 0.8f);
                 c.fill(polygon({0, 14, 18, 1, 36, 14}), solid(rgb255(160, 90, 50)), 1.0f);
                 c.fill(capsule(18, 14, 18, 24, 0.6f), solid(rgb255(90, 80, 70)), 0.0f);
                 c.fill(box(15, 24, 21, 30, 1), solid(rgb255(130, 90, 50)), 0.8f);
             }},
            {40, 75, 84, 3, 31, [=](Canvas& c) {
                 // A watchtower on uneven ground: the right leg reaches lower.
                 c.fill(polygon({4, 76, 9, 30, 12, 30, 8, 76}), bark(8, 2), 1.0f);
                 c.fill(polygon({32, 85, 28, 30, 31, 30, 37, 85}), bark(32, 2), 1.0f);
                 c.fill(capsule(9, 60, 32, 44, 1.2f), bark(20, 1.5f), 0.8f);
                 c.fill(capsule(9, 44, 32, 60, 1.2f), bark(20, 1.5f), 0.8f);
                 c.fill(box(3, 20, 37, 32, 1), brickPaint(rgb255(170, 120, 70), 6, 3, 131), 1.0f);
                 c.fill(polygon({0, 21, 20, 2, 40, 21}), solid(rgb255(60, 110, 170)), 1.0f);
             }},
        };
    default:
        return {
            {26, 80, 79, 2, 18, [=](Canvas& c) {
                 // A broken column on its base.
                 const Paint marble = [](float x, float y) {
                     const float flute = std::fmod(x - 5, 4.0f) < 1.0f ? 0.8f : 1.0f;
                     return lit(rgb255(232, 226, 210), flute * cylinderLight((x - 13) / 9) * (0.9f + 0.2f * valueNoise(x * 0.3f, y * 0.3f, 141)));
                 };
                 c.fill(polygon({4, 18, 9, 10, 14, 16, 18, 8, 22, 14, 22, 72, 4, 72}), marble, 1.0f);
                 c.fill(box(1, 70, 25, 81), brickPaint(rgb255(200, 190, 170), 12, 5, 142), 1.0f);
             }},
            {60, 92, 88, 4, 48, [=](Canvas& c) {
                 const Paint stone = brickPaint(rgb255(210, 170, 120), 8, 6, 151);
                 c.fill(subtract(unite(box(1, 20, 59, 89), box(1, 89, 15, 93)),
                                 unite(box(16, 40, 44, 95), circle(30, 40, 14))),
                        stone, 1.0f);
                 c.fill(polygon({1, 20, 1, 8, 8, 12, 14, 4, 22, 14, 30, 10, 40, 18, 48, 12, 59, 20}), stone, 1.0f);
             }},
            {56, 88, 88, 31, 33, [=](Canvas& c) {
                 // A palm tree: a bending trunk and fronds.
                 for (int i = 0; i < 9; ++i) {
                     const float t0 = i / 9.0f, t1 = (i + 1) / 9.0f;
                     const float x0 = 28 + 10 * (1 - t0) * (1 - t0) - 4, x1 = 28 + 10 * (1 - t1) * (1 - t1) - 4;
                     c.fill(capsule(x0, 89 - t0 * 70, x1, 89 - t1 * 70, 3.6f - t0), bark(x0, 3.6f), 1.0f);
                 }
                 for (int k = 0; k < 6; ++k) {
                     const float a = PI * (1.05f + k * 0.18f);
                     const float ex = 24 + std::cos(a) * 26, ey = 20 + std::sin(a) * 14 + 10;
                     c.fill(capsule(24, 18, ex, ey, 3.2f), foliage(rgb255(60, 170, 60), 24, 18, 26, 161), 1.0f);
                     c.fill(capsule(24, 18, 48 - ex, ey, 3.2f), foliage(rgb255(50, 150, 50), 24, 18, 26, 162), 1.0f);
                 }
                 c.fill(circle(21, 22, 3), sphereShade(rgb255(140, 90, 40), 21, 22, 3), 0.8f);
                 c.fill(circle(27, 23, 3), sphereShade(rgb255(140, 90, 40), 27, 23, 3), 0.8f);
             }},
            {36, 77, 79, 10, 20, [=](Canvas& c) {
                 // A cactus with two arms.
                 const Paint skin = [](float x, float y) {
                     const float rib = std::fmod(x, 3.0f) < 0.8f ? 0.8f : 1.0f;
                     return lit(rgb255(80, 170, 80), rib * (0.9f + 0.2f * valueNoise(x, y * 0.2f, 171)));
                 };
                 c.fill(capsule(18, 10, 18, 84, 6.5f), skin, 1.0f);
                 c.fill(unite(capsule(7, 26, 7, 44, 4), capsule(7, 44, 15, 48, 4)), skin, 1.0f);
                 c.fill(unite(capsule(29, 34, 29, 52, 4), capsule(29, 52, 21, 56, 4)), skin, 1.0f);
                 c.fill(circle(18, 6, 3), sphereShade(rgb255(250, 90, 140), 18, 6, 3), 0.8f);
             }},
        };
    }
}

SpriteImage probe(int width, int column) {
    SpriteImage p = blankImage(width, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = column; x < column + 6 && x < width; ++x) p.pixels[static_cast<std::size_t>(y) * width + x] = PROBE;
    return p;
}

}  // namespace

void drawSceneries(SmallTable& table) {
    for (int s = 0; s < SCENERY_LOOKS; ++s) {
        Canvas texture(TEXTURE, TEXTURE, 1);
        texture.paintAll([s](float x, float y) { return TEXTURES[s](std::floor(x), std::floor(y)); });
        table.put(FIRST_GROUND_TEXTURE + s, toSprite(texture, true), COLLISION | SOLID);
        table.put(FIRST_GROUND_STRIP + s, strip(s), COLLISION);
    }
}

std::array<std::vector<SceneryItem>, ITEM_SET_COUNT> drawSceneryItems() {
    std::array<std::vector<SceneryItem>, ITEM_SET_COUNT> sets;
    for (int set = 0; set < ITEM_SET_COUNT; ++set)
        for (const ItemSpec& item : itemSet(set)) {
            const int height = std::max(item.footLeft, item.footRight);
            Canvas c(item.width, height, 2);
            item.paint(c);
            // The foot line: nothing of the body below its left and right foot.
            const float half = item.width * 0.5f;
            c.clearWhere([&](float x, float y) { return y >= (x < half ? item.footLeft : item.footRight); });
            sets[set].push_back({toSprite(c, true), probe(item.width, item.probeLeft), probe(item.width, item.probeRight),
                                 item.footLeft, item.footRight});
        }
    return sets;
}

}  // namespace datagen
