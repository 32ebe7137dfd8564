#include "datagen/backgrounds.h"

#include <cmath>

#include "datagen/font.h"
#include "datagen/pictures.h"

namespace datagen {

namespace {

struct Scene {
    float width, height, horizon;
};

float ridge(float x, float base, float amplitude, float wavelength, std::uint32_t seed) {
    return base + amplitude * (fractalNoise(x / wavelength, 0.5f, seed, 4) - 0.5f) * 2;
}

// Sky, sun, far mountains and two bands of hills: the game's landscape at its best weather.
void paintLandscape(Canvas& c, const Scene& s, float sunX, float sunY) {
    c.paintAll([=](float x, float y) {
        const float t = std::clamp(y / s.horizon, 0.0f, 1.0f);
        Rgb sky = mix(rgb255(36, 84, 196), rgb255(120, 180, 240), t);
        sky = mix(sky, rgb255(255, 206, 140), std::pow(t, 3.0f));
        const float glow = std::exp(-std::hypot(x - sunX, y - sunY) / (s.width * 0.15f));
        return mix(sky, rgb255(255, 240, 190), glow * 0.6f);
    });
    const float k = s.width / 640.0f;
    c.fill(circle(sunX, sunY, 26 * k), solid(rgb255(255, 246, 200)), 0.0f, OUTLINE, 1.0f, around(sunX, sunY, 26 * k));
    // Soft clouds.
    Random rnd(7);
    for (int i = 0; i < 6; ++i) {
        const float cx = rnd.uniform(0, s.width), cy = rnd.uniform(s.horizon * 0.15f, s.horizon * 0.55f);
        for (int j = 0; j < 5; ++j) {
            const float px = cx + (j - 2) * 16 * k, r = (12 + 8 * (j % 2 ? 1 : 0.5f)) * k;
            c.fill(circle(px, cy - (j % 2) * 6 * k, r), sphereShade(rgb255(250, 250, 255), px, cy - 8 * k, r * 2), 0.0f, OUTLINE,
                   1.0f, around(px, cy, r + 6 * k));
        }
    }
    c.fill([=](float x, float y) { return ridge(x, s.horizon - 30 * k, 50 * k, 110 * k, 3) - y; },
           verticalGradient(rgb255(140, 120, 190), rgb255(190, 160, 200), s.horizon - 90 * k, s.horizon), 0.0f);
    c.fill([=](float x, float y) { return ridge(x, s.horizon + 10 * k, 30 * k, 160 * k, 5) - y; },
           [=](float x, float y) {
               return lit(mix(rgb255(110, 190, 80), rgb255(60, 130, 60), (y - s.horizon) / (s.height - s.horizon)),
                          0.85f + 0.3f * fractalNoise(x * 0.05f, y * 0.05f, 9, 3));
           },
           1.0f);
}

}  // namespace

SpriteImage drawMenuBackground() {
    const Scene s{640, 480, 330};
    Canvas c(640, 480, 1);
    paintLandscape(c, s, 500, 150);
    // A near hill on the right with a fortress flying the red banner.
    const auto hill = [](float x) { return 360 + 0.0009f * (x - 470) * (x - 470); };
    c.fill([=](float x, float y) { return hill(x) - y; },
           [](float x, float y) {
               return lit(mix(rgb255(120, 200, 70), rgb255(50, 120, 50), (y - 340) / 140),
                          0.85f + 0.3f * fractalNoise(x * 0.08f, y * 0.08f, 13, 3));
           },
           1.5f);
    paintBanner(c, 390 + 120, 259 - 150, 2.0f, playerColour(0), 0.3f);
    paintFortress(c, 390, 259, 2.0f);
    // A distant rival with a blue banner, and a shot arcing between them.
    paintBanner(c, 590, 282 - 37.5f, 0.5f, playerColour(1), 0.6f);
    paintFortress(c, 560, 282, 0.5f);
    for (int i = 0; i < 18; ++i) {
        const float t = i / 30.0f;
        const float x = 470 - 300 * t, y = 255 - 260 * t + 300 * t * t;
        c.fill(circle(x, y, 2.0f + 3.5f * t), solid(rgb255(240, 240, 240)), 0.0f, OUTLINE, 0.55f, around(x, y, 6));
    }
    c.fill(capsule(296, 204, 282, 209.5f, 3.2f), solid(rgb255(236, 236, 240)), 1.0f);
    c.fill(circle(281, 210, 3.4f), solid(rgb255(230, 50, 40)), 1.0f);
    // Title.
    const float cell = 10;
    drawLabel(c, "RAMPARO", 324, 82, cell, solid(rgb255(40, 20, 10)), 3.0f);
    drawLabel(c, "RAMPARO", 320, 76, cell, verticalGradient(rgb255(255, 252, 210), rgb255(250, 120, 30), 41, 111), 3.0f);
    return toSprite(c, false);
}

SpriteImage drawShopBackground() {
    Canvas c(640, 480, 1);
    // Planked wall lit by a lantern, a stone floor and a counter behind the weapon slots.
    c.paintAll([](float x, float y) {
        const float plank = std::floor(x / 40);
        const float seam = std::fmod(x, 40.0f) < 2 ? 0.55f : 1.0f;
        const float grain = fractalNoise(x * 0.05f + plank * 7, y * 0.006f, 81, 4);
        const float light = 1.15f - std::hypot(x - 320, y - 60) / 700;
        return lit(rgb255(110, 66, 38), seam * light * (0.75f + 0.5f * grain));
    });
    c.fill(box(-5, 380, 645, 490), [](float x, float y) {
        const float row = std::floor((y - 380) / 25), col = std::floor((x + row * 30) / 60);
        const float mortar = std::fmod(y - 380, 25.0f) < 2 || std::fmod(x + row * 30, 60.0f) < 2 ? 0.6f : 1.0f;
        const float vary = static_cast<float>(hash32(static_cast<std::uint32_t>(col + 99), static_cast<std::uint32_t>(row)) % 100) / 100;
        return lit(rgb255(84, 80, 90), mortar * (0.75f + 0.35f * vary));
    }, 1.0f);
    c.fill(box(-5, 296, 645, 372, 0), verticalGradient(rgb255(150, 96, 52), rgb255(70, 40, 24), 296, 372), 2.0f);
    c.fill(box(-5, 296, 645, 304), solid(rgb255(190, 130, 70)), 1.0f);
    // Racks with weapons on the wall.
    const Rgb bodies[4] = {rgb255(236, 236, 240), rgb255(120, 150, 70), rgb255(70, 140, 240), rgb255(236, 236, 240)};
    const Rgb noses[4] = {rgb255(230, 50, 40), rgb255(250, 200, 40), rgb255(250, 250, 250), rgb255(230, 50, 40)};
    for (int i = 0; i < 4; ++i) {
        const float x = 250 + i * 95;
        const Area rack{x - 44, 146, x + 44, 164};
        c.fill(box(x - 40, 150, x + 40, 158, 2), solid(rgb255(80, 50, 30)), 1.0f, OUTLINE, 1.0f, rack);
        Canvas missile(44, 124, 1);
        paintMissile(missile, 22, 62, 112, 9, bodies[i], noses[i], scale(noses[i], 0.8f), 0.0f);
        c.draw(missile, static_cast<int>(x) - 36, 158);
        Canvas grenade(40, 40, 1);
        paintGrenade(grenade, 40, i % 2 ? rgb255(70, 150, 60) : rgb255(150, 70, 200), rgb255(250, 210, 40), 0, i % 2 == 0);
        c.draw(grenade, static_cast<int>(x) + 2, 238);
    }
    // Lantern and sign.
    const Area lantern{584, 96, 616, 176};
    c.fill(capsule(600, 100, 600, 140, 1.5f), solid(rgb255(60, 50, 40)), 1.0f, OUTLINE, 1.0f, lantern);
    c.fill(box(588, 140, 612, 172, 4), solid(rgb255(255, 220, 120)), 1.5f, OUTLINE, 1.0f, lantern);
    c.fill(box(300, 26, 610, 96, 6), verticalGradient(rgb255(200, 150, 80), rgb255(130, 80, 40), 26, 96), 2.0f, OUTLINE, 1.0f,
           {296, 22, 614, 100});
    drawLabel(c, "ARMOURY", 457, 61, 6.0f, verticalGradient(rgb255(255, 250, 210), rgb255(250, 170, 40), 40, 82), 2.0f);
    return toSprite(c, false);
}

SpriteImage drawStartupPicture() {
    const Scene s{300, 200, 135};
    Canvas c(300, 200, 1);
    paintLandscape(c, s, 240, 70);
    paintBanner(c, 110 + 60, 118 - 75, 1.0f, playerColour(4), 0.4f);
    paintFortress(c, 110, 118, 1.0f);
    c.fill(box(-2, 160, 302, 202), verticalGradient(rgb255(110, 190, 70), rgb255(50, 110, 50), 160, 200), 1.0f);
    drawLabel(c, "RAMPARO", 152, 31, 5.0f, solid(rgb255(40, 20, 10)), 2.0f);
    drawLabel(c, "RAMPARO", 150, 29, 5.0f, verticalGradient(rgb255(255, 252, 210), rgb255(250, 120, 30), 12, 46), 2.0f);
    // Frame.
    c.fill(subtract(box(0, 0, 300, 200, 10), box(5, 5, 295, 195, 6)), solid(rgb255(210, 160, 60)), 1.0f);
    c.clearWhere([](float x, float y) { return box(0, 0, 300, 200, 10)(x, y) > 0; });
    return toSprite(c, false);
}

}  // namespace datagen
