// The fortress, its probes and canvases, the banners, the shield, the thinking icon and the window icon.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "datagen/pictures.h"

namespace datagen {

namespace {

constexpr float PI = std::numbers::pi_v<float>;
constexpr int FORTRESS_W = 80, FORTRESS_H = 50;
constexpr std::uint16_t PROBE = 0x7FFF;

const Rgb STONE = rgb255(214, 190, 148);
const Rgb STONE_DARK = rgb255(150, 128, 100);
const Rgb ROOF = rgb255(196, 72, 52);

// A shape in fortress coordinates, mapped onto the canvas.
Sdf placed(const Sdf& shape, float ox, float oy, float s) {
    return [=](float x, float y) { return shape((x - ox) / s, (y - oy) / s) * s; };
}
Paint placedPaint(const Paint& paint, float ox, float oy, float s) {
    return [=](float x, float y) { return paint((x - ox) / s, (y - oy) / s); };
}

Sdf battlements(float x0, float x1, float top, float merlon) {
    Sdf body = box(x0, top + merlon, x1, 60);
    const int n = static_cast<int>((x1 - x0) / (merlon * 2));
    const float step = (x1 - x0) / (2 * n - 1);
    for (int i = 0; i < n; ++i) body = unite(body, box(x0 + 2 * i * step, top, x0 + (2 * i + 1) * step, top + merlon + 1));
    return body;
}

}  // namespace

Rgb playerColour(int colour) {
    static const Rgb colours[5] = {rgb255(226, 44, 40), rgb255(48, 96, 236), rgb255(240, 240, 236),
                                   rgb255(44, 196, 64), rgb255(246, 214, 40)};
    return colours[colour];
}

Paint brickPaint(Rgb base, float brickW, float brickH, std::uint32_t seed) {
    return [=](float x, float y) {
        const float row = std::floor(y / brickH);
        const float xo = x + (static_cast<int>(row) % 2 ? brickW * 0.5f : 0.0f);
        const float col = std::floor(xo / brickW);
        const float fy = y - row * brickH, fx = xo - col * brickW;
        const float vary = static_cast<float>(hash32(static_cast<std::uint32_t>(col + 500),
                                                     static_cast<std::uint32_t>(row + 500), seed) %
                                              1000) /
                           1000.0f;
        const float grain = valueNoise(x * 0.7f, y * 0.7f, seed + 1);
        Rgb c = lit(base, 0.86f + 0.2f * vary + 0.12f * grain);
        if (fy < 0.8f || fx < 0.8f) c = scale(base, 0.62f);           // mortar
        else if (fy > brickH - 1.2f) c = scale(c, 0.85f);              // lower edge in shadow
        else if (fy < 1.8f) c = lit(c, 1.12f);                         // upper edge catches light
        return c;
    };
}

void paintFortress(Canvas& canvas, float ox, float oy, float s) {
    const Area area{ox - 2, oy - 2, ox + 80 * s + 2, oy + 50 * s + 2};
    auto fill = [&](const Sdf& shape, const Paint& paint, float outline = 1.0f) {
        canvas.fill(placed(shape, ox, oy, s), placedPaint(paint, ox, oy, s), outline * std::max(s, 0.6f), OUTLINE, 1.0f, area);
    };
    const Paint wall = brickPaint(STONE, 6, 4, 11);
    const Paint towerWall = [=](float x, float y) {
        // Round towers: lighter on the left, darker on the right.
        const float centre = x < 40 ? 13.0f : 67.0f;
        return lit(wall(x, y), 0.25f + 0.85f * cylinderLight((x - centre) / 10.0f));
    };
    // Plinth along the foot: its rows 44..49 are where the ground probes test.
    fill(box(1, 42, 79, 50, 2), brickPaint(STONE_DARK, 8, 4, 12));
    // Keep with battlements and a roofed turret for the mortar.
    fill(battlements(18, 62, 14, 4), [=](float x, float y) { return lit(wall(x, y), 1.05f - (y - 14) * 0.006f); });
    // Towers.
    fill(battlements(3, 23, 1, 4), towerWall);
    fill(battlements(57, 77, 1, 4), towerWall);
    // Tower roofs' trim and arrow slits.
    for (float cx : {13.0f, 67.0f}) {
        fill(box(cx - 10.5f, 8, cx + 10.5f, 11, 1), solid(rgb255(120, 98, 78)));
        fill(box(cx - 1.2f, 16, cx + 1.2f, 24, 1), solid(rgb255(40, 30, 40)), 0.6f);
        fill(box(cx - 1.2f, 29, cx + 1.2f, 36, 1), solid(rgb255(40, 30, 40)), 0.6f);
    }
    // Gate: a wooden door under a stone arch.
    fill(unite(box(32, 30, 48, 46), circle(40, 30, 8)), solid(rgb255(110, 96, 84)));
    fill(unite(box(34, 31, 46, 46), circle(40, 31, 6)), [](float x, float) {
        const float plank = std::fmod(x, 3.0f) < 0.6f ? 0.7f : 1.0f;
        return lit(rgb255(150, 92, 44), plank * (0.8f + 0.04f * (x - 34)));
    });
    fill(box(35, 38, 45, 39.2f), solid(rgb255(70, 70, 80)), 0.5f);
    // Lit windows.
    for (float wx : {25.0f, 55.0f}) fill(unite(box(wx - 2, 22, wx + 2, 28), circle(wx, 22, 2)), solid(rgb255(255, 214, 96)));
    // Mortar turret, its muzzle at the launch point (40, 10).
    fill(capsule(40, 18, 40, 9.5f, 2.6f), [](float x, float) { return lit(rgb255(90, 96, 110), cylinderLight((x - 40) / 2.6f)); });
    fill(ellipse(40, 17, 8, 5), sphereShade(ROOF, 40, 15, 9));
    fill(circle(40, 9.5f, 1.3f), solid(rgb255(30, 30, 36)), 0.0f);
}

void paintBanner(Canvas& canvas, float ox, float oy, float s, Rgb colour, float phase) {
    auto P = [&](const Sdf& shape) { return placed(shape, ox, oy, s); };
    const float w = 2 * PI * phase;
    auto top = [=](float x) {
        const float u = (x - 3) / 16.0f;
        return 5.0f + 2.2f * u * std::sin(w - u * 5.0f);
    };
    const Sdf flag = [=](float x, float y) {
        const float t = top(x);
        return std::max({3.0f - x, x - 19.0f, t - y, y - (t + 12.0f)});
    };
    const Paint cloth = [=](float x, float y) {
        const float u = (x - 3) / 16.0f;
        const float slope = std::cos(w - u * 5.0f);
        Rgb c = lit(colour, 0.95f + 0.3f * slope * u);
        const float v = y - top(x);
        if (v > 4.5f && v < 7.5f) c = lit(c, 1.25f);  // a light band across the cloth
        return c;
    };
    const Area area{ox - 2, oy - 2, ox + 20 * s + 2, oy + 75 * s + 2};
    canvas.fill(P(flag), placedPaint(cloth, ox, oy, s), 1.0f * s, OUTLINE, 1.0f, area);
    canvas.fill(P(capsule(2, 4, 2, 74.5f, 1.1f)), placedPaint([](float x, float) {
                    return lit(rgb255(150, 110, 70), cylinderLight((x - 2) / 1.1f));
                }, ox, oy, s), 0.7f * s, OUTLINE, 1.0f, area);
    canvas.fill(P(circle(2, 3, 2)), placedPaint(sphereShade(rgb255(250, 200, 60), 2, 3, 2), ox, oy, s), 0.7f * s, OUTLINE,
                1.0f, area);
}

void drawFortressPictures(SmallTable& table) {
    Canvas fortress(FORTRESS_W, FORTRESS_H, 2);
    paintFortress(fortress, 0, 0, 1);
    const SpriteImage intact = toSprite(fortress, true);
    table.put(FORTRESS_IMAGE, intact, COLLISION);

    // Behind the fortress: its inner shadow, seen through the holes that explosions cut.
    Canvas behind(FORTRESS_W, FORTRESS_H, 1);
    const Paint rubble = [](float x, float y) {
        return lit(rgb255(66, 54, 52), 0.7f + 0.6f * fractalNoise(x * 0.3f, y * 0.3f, 21, 3));
    };
    behind.fill(unite(unite(box(5, 5, 21, 48), box(59, 5, 75, 48)), box(20, 18, 60, 48)), rubble, 0.0f);
    table.put(FORTRESS_BACK_IMAGE, toSprite(behind, true), COLLISION);

    // Probes: the top probe over the upper body (tested at y + 2), ground probes on the foot row (y + 44).
    SpriteImage top = blankImage(FORTRESS_W, 28);
    for (int y = 0; y < 28; ++y)
        for (int x = 8; x < 72; ++x) top.pixels[static_cast<std::size_t>(y) * FORTRESS_W + x] = PROBE;
    table.put(FORTRESS_TOP_PROBE, top, COLLISION);
    const int feet[4] = {4, 24, 46, 66};
    for (int k = 0; k < 4; ++k) {
        SpriteImage probe = blankImage(FORTRESS_W, 6);
        for (int y = 0; y < 6; ++y)
            for (int x = feet[k]; x < feet[k] + 10; ++x) probe.pixels[static_cast<std::size_t>(y) * FORTRESS_W + x] = PROBE;
        table.put(FORTRESS_GROUND_PROBE + k, probe, COLLISION);
    }
    // The players' canvases start as the intact fortress (each battle draws it over them again).
    for (int i = 0; i < BANNER_COLOURS; ++i) table.put(FORTRESS_PICTURE + i, intact, COLLISION);

    for (int c = 0; c < BANNER_COLOURS; ++c)
        for (int f = 0; f < BANNER_FRAMES; ++f) {
            Canvas banner(20, 75, 2);
            paintBanner(banner, 0, 0, 1, playerColour(c), static_cast<float>(f) / 10.0f);
            table.put(FIRST_BANNER_IMAGE + BANNER_FRAMES * c + f, toSprite(banner, false));
        }

    // Shield: a bubble with a shimmering rim; the inside is a screen-door pattern so that the
    // fortress shows through while a projectile still meets shield pixels anywhere inside.
    for (int f = 0; f < 10; ++f) {
        SpriteImage shield = blankImage(120, 100);
        const Sdf bubble = ellipse(60, 50, 58.5f, 48.5f);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 120; ++x) {
                const float px = x + 0.5f, py = y + 0.5f;
                const float d = bubble(px, py);
                if (d > 0) continue;
                const float angle = std::atan2(py - 50, px - 60);
                const float wave = 0.5f + 0.5f * std::sin(angle * 3 + 2 * PI * f / 10.0f);
                Rgb c;
                if (d > -3.2f) c = mix(rgb255(60, 170, 255), rgb255(230, 250, 255), wave * (1 + d / 3.2f) + 0.2f);
                else if (x % 2 == 0 && y % 2 == 0)
                    c = mix(rgb255(90, 170, 230), rgb255(200, 240, 255),
                            wave * 0.6f + 0.4f * std::max(0.0f, -(px - 60) / 60 - (py - 50) / 50));
                else continue;
                shield.pixels[static_cast<std::size_t>(y) * 120 + x] = toCollisionPixel(c);
            }
        table.put(FIRST_SHIELD_IMAGE + f, shield, COLLISION);
    }

    // Computer thinking: a turning gear (eight teeth: 45 degrees repeat over the five frames).
    for (int f = 0; f < 5; ++f) {
        Canvas gear(20, 20, 4);
        const float turn = f * 9.0f * PI / 180.0f;
        const Sdf teeth = [=](float x, float y) {
            const float a = std::atan2(y - 10, x - 10) - turn;
            const float r = std::hypot(x - 10, y - 10);
            const float tooth = std::cos(a * 8) > 0.2f ? 8.8f : 6.8f;
            return r - tooth;
        };
        gear.fill(subtract(teeth, circle(10, 10, 2.6f)), [](float x, float y) {
            return lit(rgb255(250, 196, 60), sphereLight((x - 10) / 11, (y - 10) / 11) * 1.05f);
        });
        table.put(FIRST_THINK_IMAGE + f, toSprite(gear, false));
    }
}

Canvas drawIconCanvas(int size) {
    // Drawn on a 32-unit grid scaled to the size; outlines stay thin, so large icons stay crisp.
    const float k = static_cast<float>(size) / 32.0f;
    Canvas icon(size, size, size > 64 ? 2 : 4);
    icon.fill(box(0, 0, 32 * k, 32 * k, 5 * k), verticalGradient(rgb255(90, 170, 250), rgb255(200, 236, 255), 0, 32 * k),
              std::max(1.0f, k / 2));
    icon.fill(box(1 * k, 25 * k, 31 * k, 31 * k, 3 * k), solid(rgb255(80, 170, 70)), 0.0f);
    paintBanner(icon, 24.5f * k, 0.5f * k, 0.3f * k, playerColour(0), 0.3f);
    paintFortress(icon, 1 * k, 9 * k, 0.375f * k);
    return icon;
}

SpriteImage drawIcon() { return toSprite(drawIconCanvas(32), false); }

}  // namespace datagen
