// Rain streaks slanted with the wind, snowflakes, and two kinds of drifting clouds.
#include <cmath>
#include <numbers>

#include "datagen/pictures.h"

namespace datagen {

namespace {

constexpr float PI = std::numbers::pi_v<float>;

// A streak along the drop's motion: (-2, 8) per frame in front, (-1, 4) behind; mirrored for wind 1.
SpriteImage rainDrop(int w, int h, bool right, Rgb colour) {
    Canvas c(w, h, 4);
    const float x0 = right ? 0.9f : w - 0.9f, x1 = right ? w - 0.9f : 0.9f;
    c.fill(capsule(x0, 0.8f, x1, h - 0.8f, 0.55f), [=](float, float y) {
        return mix(scale(colour, 0.8f), rgb255(255, 255, 255), y / h);
    }, 0.0f);
    return toSprite(c, false);
}

SpriteImage snowFlake(int size, Rgb colour) {
    Canvas c(size, size, 4);
    const float m = size * 0.5f, r = size * 0.5f - 0.2f;
    for (int k = 0; k < 3; ++k) {
        const float a = k * PI / 3;
        c.fill(capsule(m - std::cos(a) * r, m - std::sin(a) * r, m + std::cos(a) * r, m + std::sin(a) * r, 0.45f),
               solid(colour), 0.0f);
    }
    c.fill(circle(m, m, size * 0.22f), solid(rgb255(255, 255, 255)), 0.0f);
    return toSprite(c, false);
}

// A cloud of puffs that swell and shift a little from frame to frame.
SpriteImage cloud(int frame, bool storm) {
    Canvas c(64, 40, 2);
    const Rgb body = storm ? rgb255(120, 124, 140) : rgb255(250, 252, 255);
    const Rgb rim = storm ? rgb255(60, 62, 76) : rgb255(150, 170, 210);
    const float t = frame / 10.0f;
    struct Puff {
        float x, y, r, phase;
    };
    const Puff puffs[] = {{14, 26, 9, 0.0f}, {26, 18, 12, 1.3f}, {40, 16, 11, 2.1f}, {51, 25, 9, 3.4f}, {32, 28, 10, 4.2f}};
    Sdf shape = box(10, 24, 54, 35, 5);
    for (const Puff& p : puffs) {
        const float swell = 1.0f + 0.1f * std::sin(2 * PI * t + p.phase);
        shape = unite(shape, circle(p.x + 1.5f * std::sin(PI * t + p.phase), p.y, p.r * swell));
    }
    c.fill(shape, [=](float x, float y) {
        const float shade = 1.1f - (y - 8) / 32 * 0.45f + 0.1f * fractalNoise(x * 0.12f, y * 0.12f, storm ? 91 : 92, 2);
        return lit(body, shade);
    }, 1.2f, rim);
    return toSprite(c, false);
}

}  // namespace

void drawWeather(SmallTable& table) {
    const Rgb rain = rgb255(170, 200, 250);
    table.put(RAIN_FRONT_IMAGE, rainDrop(4, 13, false, rain));
    table.put(RAIN_FRONT_IMAGE + 1, rainDrop(3, 8, false, scale(rain, 0.8f)));
    table.put(RAIN_WIND_FRONT_IMAGE, rainDrop(4, 13, true, rain));
    table.put(RAIN_WIND_FRONT_IMAGE + 1, rainDrop(3, 8, true, scale(rain, 0.8f)));
    table.put(SNOW_FRONT_IMAGE, snowFlake(6, rgb255(230, 240, 255)));
    table.put(SNOW_FRONT_IMAGE + 1, snowFlake(4, rgb255(190, 205, 230)));
    for (int f = 0; f < CLOUD_FRAMES; ++f) {
        table.put(LIGHT_CLOUD_IMAGE + f, cloud(f, false));
        table.put(DARK_CLOUD_IMAGE + f, cloud(f, true));
    }
}

}  // namespace datagen
