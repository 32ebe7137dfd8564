// Explosions (their last picture is also the damage shape) and the GROUND DEFENSE wall.
#include <cmath>
#include <numbers>

#include "datagen/pictures.h"

namespace datagen {

namespace {

constexpr float PI = std::numbers::pi_v<float>;
constexpr int WALL = 60;

// A solid fireball of radius r: white-hot core, orange body, red rim and sooty flecks.
SpriteImage fireball(float r, std::uint32_t seed) {
    const int size = 2 * static_cast<int>(std::ceil(r)) + 2;
    const float c = size * 0.5f;
    SpriteImage image = blankImage(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float dx = x + 0.5f - c, dy = y + 0.5f - c;
            const float dist = std::hypot(dx, dy);
            const float angle = std::atan2(dy, dx);
            // Ragged edge: flame tongues around the rim, never deeper than 2 pixels.
            const float tongue = valueNoise(angle * 6 / PI + 20, 0.5f, seed, 12) * 2.0f;
            if (dist > r - 1.0f + tongue) continue;
            const float t = dist / r;
            const float n = fractalNoise(dx * 0.18f + 40, dy * 0.18f + 40, seed + 7, 3);
            const float heat = 1.0f - t * 0.85f + (n - 0.5f) * 0.6f;
            Rgb col;
            if (heat > 0.8f) col = mix(rgb255(255, 220, 90), rgb255(255, 255, 230), (heat - 0.8f) * 5);
            else if (heat > 0.45f) col = mix(rgb255(250, 110, 20), rgb255(255, 220, 90), (heat - 0.45f) / 0.35f);
            else if (heat > 0.2f) col = mix(rgb255(170, 30, 20), rgb255(250, 110, 20), (heat - 0.2f) / 0.25f);
            else col = mix(rgb255(60, 40, 40), rgb255(170, 30, 20), std::max(heat, 0.0f) * 5);
            col = lit(col, 0.85f + 0.3f * sphereLight(dx / r * 0.8f, dy / r * 0.8f) - 0.15f);
            image.pixels[static_cast<std::size_t>(y) * size + x] = toCollisionPixel(col);
        }
    return image;
}

void paintWall(Canvas& c, float top) {
    // Masonry with battlements, its foot on the picture's bottom row.
    const float merlon = 7.5f;
    Sdf body = box(0.5f, top + merlon, WALL - 0.5f, WALL + 2);
    for (int i = 0; i < 4; ++i) body = unite(body, box(0.5f + i * 2 * merlon, top, 0.5f + (2 * i + 1) * merlon, top + merlon + 1));
    const Paint bricks = brickPaint(rgb255(170, 160, 150), 10, 6, 41);
    c.fill(body, [=](float x, float y) { return lit(bricks(x, y - top), 1.08f - 0.25f * x / WALL); }, 1.0f);
}

}  // namespace

void drawExplosions(SmallTable& table) {
    for (int k = FIRST_EXPLOSION_IMAGE; k <= LAST_EXPLOSION_IMAGE; ++k)
        table.put(k, fireball(10.0f + 2.25f * (k - FIRST_EXPLOSION_IMAGE), 100u + static_cast<std::uint32_t>(k)), COLLISION);

    // The wall rises out of a cloud of dust over ten frames, then stands as WALL_IMAGE.
    for (int f = 0; f < 10; ++f) {
        Canvas c(WALL, WALL, 1);
        const float top = WALL - WALL * (f + 1) / 11.0f;
        paintWall(c, top);
        Random dust(500 + f);
        for (int i = 0; i < 14; ++i) {
            const float x = dust.uniform(2, WALL - 2), r = dust.uniform(3, 7) * (1.0f - f * 0.06f);
            c.fill(circle(x, WALL - dust.uniform(1, 8), r), sphereShade(rgb255(200, 184, 160), x, WALL - 6, r * 1.5f), 0.8f);
        }
        table.put(WALL_RISE_IMAGE + f, toSprite(c, true), COLLISION);
    }
    Canvas wall(WALL, WALL, 1);
    paintWall(wall, 0);
    table.put(WALL_IMAGE, toSprite(wall, true), COLLISION);
}

}  // namespace datagen
