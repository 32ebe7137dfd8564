// The weapons' pictures: turning missiles, spinning grenades, launch frames, icons and the target marker.
#include <cmath>
#include <functional>
#include <numbers>

#include "datagen/pictures.h"

namespace datagen {

namespace {

constexpr float PI = std::numbers::pi_v<float>;
constexpr int SS = 4;  // samples per pixel for the small turning sprites

using Painter = std::function<void(Canvas&)>;

Paint metal(Rgb base, float cx, float halfWidth) {
    return [=](float x, float) { return lit(base, cylinderLight((x - cx) / halfWidth)); };
}

// Flame below a point, pointing down; `size` 0..1.
void paintFlame(Canvas& c, float cx, float y, float size, float flicker) {
    if (size <= 0) return;
    const float len = 2 + 5 * size, w = 1.2f + 1.4f * size;
    c.fill(polygon({cx - w, y, cx + w, y, cx + 0.4f * flicker, y + len}), [=](float, float py) {
        return mix(rgb255(255, 250, 190), rgb255(255, 90, 20), std::clamp((py - y) / len, 0.0f, 1.0f));
    }, 0.0f);
}

void paintBall(Canvas& c, float angle) {
    const float cx = c.width() * 0.5f, cy = c.height() * 0.5f, r = c.width() * 0.42f;
    const float a = angle * PI / 180.0f;
    c.fill(circle(cx, cy, r), [=](float x, float y) {
        // Stripes painted on a turning ball.
        const float u = (x - cx) * std::cos(a) + (y - cy) * std::sin(a);
        const Rgb base = std::fmod(std::abs(u + r * 3), r * 0.9f) < r * 0.45f ? rgb255(236, 40, 50) : rgb255(250, 240, 230);
        return lit(base, sphereLight((x - cx) / r, (y - cy) / r));
    }, 0.8f);
}

void paintTube(Canvas& c, float glow) {
    const float cx = c.width() * 0.5f, cy = c.height() * 0.5f;
    c.fill(box(cx - 2.6f, cy - 6.5f, cx + 2.6f, cy + 6.5f, 1.2f), metal(rgb255(250, 140, 30), cx, 2.6f), 0.7f);
    for (float y : {cy - 5.0f, cy + 3.6f})
        c.fill(box(cx - 2.8f, y, cx + 2.8f, y + 1.4f, 0.4f), metal(rgb255(180, 190, 200), cx, 2.8f), 0.0f);
    c.fill(circle(cx, cy, 1.3f), solid(mix(rgb255(120, 40, 30), rgb255(255, 250, 160), glow)), 0.4f);
}

void paintBrickBlock(Canvas& c, float cx, float cy, float half) {
    c.fill(box(cx - half, cy - half, cx + half, cy + half, 1), brickPaint(rgb255(176, 150, 128), 4, 3, 31), 0.8f);
}

SpriteImage render(int w, int h, const Painter& painter, bool collision = true) {
    Canvas c(w, h, SS);
    painter(c);
    return toSprite(c, collision);
}

// Puts 36 direction pictures: entry d (1..36) turned (d - 1) x 10 degrees clockwise from straight up.
void putDirections(SmallTable& table, int first, int size, const Painter& upright) {
    Canvas base(size, size, SS);
    upright(base);
    for (int d = 0; d < DIRECTIONS; ++d) table.put(first + d, toSprite(rotated(base, 10.0f * d), true), COLLISION);
}

// Launch frames: the weapon upright over a flame growing with the frame.
void putLaunch(SmallTable& table, int first, int count, int size,
               const std::function<void(Canvas&, float flame)>& painter) {
    for (int f = 0; f < count; ++f)
        table.put(first + f, render(size, size, [&](Canvas& c) { painter(c, (f + 1.0f) / count); }), COLLISION);
}

}  // namespace

// A missile pointing up, centred on (cx, cy) with the given length.
void paintMissile(Canvas& c, float cx, float cy, float length, float radius, Rgb body, Rgb nose, Rgb fins,
                  float flame) {
    const float top = cy - length * 0.5f, bottom = cy + length * 0.5f;
    const float noseEnd = top + radius * 2.4f;
    paintFlame(c, cx, bottom - 0.5f, flame, 0.0f);
    c.fill(polygon({cx - radius * 0.5f, bottom - radius * 2.6f, cx - radius * 2.0f, bottom + 0.3f, cx, bottom - 0.5f,
                    cx + radius * 2.0f, bottom + 0.3f, cx + radius * 0.5f, bottom - radius * 2.6f}),
           metal(fins, cx, radius * 2), 0.5f);
    c.fill(box(cx - radius, noseEnd - 1, cx + radius, bottom - 0.6f, radius * 0.3f), metal(body, cx, radius), 0.5f);
    c.fill(unite(polygon({cx - radius, noseEnd, cx, top, cx + radius, noseEnd}), ellipse(cx, noseEnd, radius, radius * 0.5f)),
           metal(nose, cx, radius), 0.5f);
    c.fill(box(cx - radius + 0.3f, cy - 0.2f, cx + radius - 0.3f, cy + 0.9f), metal(nose, cx, radius), 0.0f);
}

void paintGimlet(Canvas& c, float cx, float cy) {
    c.fill(box(cx - 2.8f, cy + 2, cx + 2.8f, cy + 7.2f, 1.0f), metal(rgb255(90, 110, 190), cx, 3.0f), 0.5f);
    c.fill(box(cx - 2.8f, cy + 4.2f, cx + 2.8f, cy + 5.2f), metal(rgb255(250, 200, 60), cx, 3.0f), 0.0f);
    const Sdf bit = polygon({cx - 4.0f, cy + 2.5f, cx - 0.6f, cy - 7.5f, cx + 0.6f, cy - 7.5f, cx + 4.0f, cy + 2.5f});
    c.fill(bit, [=](float x, float y) {
        const float groove = std::sin((y - x * 0.9f) * 2.4f);
        return lit(rgb255(220, 224, 236), cylinderLight((x - cx) / 4.0f) * (groove > 0.3f ? 0.6f : 1.05f));
    }, 0.45f);
}

// A grenade turned by `angle` degrees: round body, lever and ring on top.
void paintGrenade(Canvas& c, float size, Rgb body, Rgb band, float angle, bool spikes) {
    Canvas upright(c.width(), c.height(), c.scale());
    const float cx = c.width() * 0.5f, cy = c.height() * 0.5f + 0.6f, r = size * 0.36f;
    if (spikes)
        for (int k = 0; k < 8; ++k) {
            const float a = k * PI / 4;
            upright.fill(capsule(cx, cy, cx + std::cos(a) * (r + 2), cy + std::sin(a) * (r + 2), 0.7f),
                         solid(rgb255(220, 220, 230)), 0.5f);
        }
    upright.fill(box(cx - 1.6f, cy - r - 2.2f, cx + 1.6f, cy - r + 1, 0.5f), metal(rgb255(190, 190, 200), cx, 1.6f), 0.6f);
    upright.fill(circle(cx + 2.2f, cy - r - 1.2f, 1.3f), solid(rgb255(240, 210, 80)), 0.5f);
    upright.fill(circle(cx, cy, r), sphereShade(body, cx, cy, r), 0.8f);
    upright.fill(intersect(circle(cx, cy, r - 0.8f), box(cx - r, cy - 0.9f, cx + r, cy + 0.9f)),
                 sphereShade(band, cx, cy, r), 0.0f);
    c.draw(rotated(upright, angle), 0, 0);
}

void drawProjectiles(SmallTable& table) {
    const Rgb white = rgb255(236, 236, 240), red = rgb255(230, 50, 40);
    // In flight the missiles fill their square; launching, they stand shorter over their flame.
    auto missile = [&](Canvas& c) { paintMissile(c, 8, 8, 14, 2.2f, white, red, red, 0.0f); };
    auto bigMissile = [&](Canvas& c, float flame) {
        const float length = flame > 0 ? 14.0f : 17.5f;
        paintMissile(c, 10, 10 - (17.5f - length) * 0.5f - flame * 2, length, 2.9f, rgb255(120, 150, 70),
                     rgb255(250, 200, 40), rgb255(70, 90, 50), flame);
    };
    auto directMissile = [&](Canvas& c, float flame) {
        const float length = flame > 0 ? 11.0f : 14.0f, cy = 8 - (14 - length) * 0.5f - flame * 1.5f;
        paintMissile(c, 8, cy, length, 2.2f, rgb255(70, 140, 240), rgb255(250, 250, 250), rgb255(30, 70, 160), flame);
        c.fill(circle(8, cy - length * 0.5f + 3.6f, 0.9f), solid(rgb255(255, 60, 60)), 0.0f);
    };

    putDirections(table, MISSILE_FLIGHT_BASE + 1, 16, missile);
    putDirections(table, BIG_MISSILE_FLIGHT_BASE + 1, 20, [&](Canvas& c) { bigMissile(c, 0.0f); });
    putDirections(table, DIRECT_MISSILE_FLIGHT_BASE + 1, 16, [&](Canvas& c) { directMissile(c, 0.0f); });
    putDirections(table, GIMLET_FLIGHT_BASE + 1, 16, [](Canvas& c) { paintGimlet(c, 8, 8); });

    for (int f = 0; f < SPIN_FRAMES; ++f) {
        const float angle = 18.0f * f;
        table.put(GRENADE_IMAGE + f, render(12, 12, [&](Canvas& c) {
            paintGrenade(c, 12, rgb255(70, 150, 60), rgb255(40, 80, 36), angle, false);
        }), COLLISION);
        table.put(BALL_GRENADE_IMAGE + f, render(12, 12, [&](Canvas& c) { paintBall(c, angle); }), COLLISION);
        table.put(SUPER_GRENADE_IMAGE + f, render(14, 14, [&](Canvas& c) {
            paintGrenade(c, 11, rgb255(150, 70, 200), rgb255(250, 210, 40), angle, true);
        }), COLLISION);
    }

    // HYPER TUBE tumbles half a turn over its 10 frames (its two ends look alike).
    Canvas tube(16, 16, SS);
    paintTube(tube, 0.3f);
    for (int f = 0; f < 10; ++f) {
        Canvas frame = rotated(tube, 18.0f * f);
        frame.fill(circle(8, 8, 1.3f), solid(f % 2 ? rgb255(255, 250, 160) : rgb255(255, 120, 40)), 0.4f);
        table.put(HYPER_TUBE_IMAGE + f, toSprite(frame, true), COLLISION);
    }
    putLaunch(table, HYPER_TUBE_LAUNCH, LAUNCH_FRAMES, 16, [](Canvas& c, float flame) {
        paintFlame(c, 8, 14.2f, flame * 0.3f, 0.0f);
        paintTube(c, flame);
    });

    table.put(BOMBLET_IMAGE, render(6, 6, [](Canvas& c) {
        c.fill(circle(3, 3, 2.6f), sphereShade(rgb255(70, 70, 80), 3, 3, 2.6f), 0.6f);
        c.fill(circle(3, 3, 0.9f), solid(rgb255(255, 80, 40)), 0.0f);
    }), COLLISION);

    putLaunch(table, DIRECT_MISSILE_LAUNCH, LAUNCH_FRAMES, 16, [&](Canvas& c, float flame) { directMissile(c, flame * 0.5f); });
    putLaunch(table, BIG_MISSILE_LAUNCH, LAUNCH_FRAMES, 20, [&](Canvas& c, float flame) { bigMissile(c, flame * 0.5f); });
    putLaunch(table, BALL_GRENADE_LAUNCH, LAUNCH_FRAMES, 16, [](Canvas& c, float flame) {
        for (int k = 0; k < 6; ++k) {
            const float a = k * PI / 3 + flame;
            c.fill(circle(8 + std::cos(a) * 6.2f, 8 + std::sin(a) * 6.2f, 0.6f + flame),
                   solid(rgb255(255, 230, 120)), 0.0f);
        }
        Canvas ball(16, 16, SS);
        Canvas inner(12, 12, SS);
        paintBall(inner, 40 * flame);
        ball.draw(inner, 2, 2);
        c.draw(ball, 0, 0);
    });

    // GROUND DEFENSE: a masonry block rising out of the mortar, then flying.
    for (int f = 0; f < 10; ++f)
        table.put(GROUND_DEFENSE_LAUNCH + f, render(16, 16, [&](Canvas& c) {
            const float rise = f * 0.5f;
            c.fill(ellipse(8, 14, 3 + f * 0.45f, 1.5f + f * 0.1f), solid(rgb255(200, 180, 150)), 0.0f, OUTLINE, 0.9f);
            paintBrickBlock(c, 8, 10.5f - rise, 5);
        }), COLLISION);
    table.put(BRICK_BLOCK_IMAGE, render(16, 16, [](Canvas& c) { paintBrickBlock(c, 8, 8, 5.5f); }), COLLISION);

    // DEFENSE icon: a heraldic shield with a bubble.
    table.put(DEFENSE_ICON, render(16, 16, [](Canvas& c) {
        c.fill(circle(8, 8, 7.5f), solid(rgb255(140, 220, 255)), 0.6f, rgb255(40, 120, 200), 0.8f);
        const Sdf crest = unite(box(3.5f, 3, 12.5f, 8), polygon({3.5f, 7.5f, 12.5f, 7.5f, 8, 14}));
        c.fill(crest, [](float x, float y) { return lit(rgb255(50, 110, 230), sphereLight((x - 8) / 7, (y - 6) / 8)); }, 0.8f);
        c.fill(unite(box(7.2f, 4.5f, 8.8f, 11), box(5, 6.2f, 11, 7.8f)), solid(rgb255(255, 230, 90)), 0.0f);
    }), COLLISION);

    // Direct-target marker: a pulsing, turning crosshair.
    for (int f = 0; f < 10; ++f) {
        Canvas m(24, 24, SS);
        const float pulse = 0.5f + 0.5f * std::sin(2 * PI * f / 10.0f);
        const float r = 7.5f + 1.5f * pulse;
        m.fill(subtract(circle(12, 12, r + 1.6f), circle(12, 12, r - 1.6f)), solid(mix(rgb255(255, 60, 40), rgb255(255, 220, 80), pulse)), 0.5f);
        for (int k = 0; k < 4; ++k) {
            const float a = k * PI / 2 + 2 * PI * f / 40.0f;
            m.fill(capsule(12 + std::cos(a) * 4, 12 + std::sin(a) * 4, 12 + std::cos(a) * 10.8f, 12 + std::sin(a) * 10.8f, 1.3f),
                   solid(rgb255(255, 250, 240)), 0.5f);
        }
        m.fill(circle(12, 12, 1.4f), solid(rgb255(255, 60, 40)), 0.6f);
        table.put(FIRST_MARKER_IMAGE + f, toSprite(m, false));
    }
}

}  // namespace datagen
