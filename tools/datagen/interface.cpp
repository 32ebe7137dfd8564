// Pointer, bars, buttons, menu items, crates, the panel frame and texture, the loading pictures
// and the run-time canvases.
#include <cmath>
#include <numbers>
#include <string_view>

#include "datagen/backgrounds.h"
#include "datagen/font.h"
#include "datagen/pictures.h"

namespace datagen {

namespace {

constexpr float PI = std::numbers::pi_v<float>;
constexpr std::uint16_t PROBE = 0x7FFF;

const Rgb GOLD = rgb255(250, 204, 72);
const Rgb WHITE = rgb255(255, 255, 255);

Paint textGradient(Rgb top, Rgb bottom, float cy, float half) {
    return verticalGradient(top, bottom, cy - half, cy + half);
}

// A bevelled plate covering its whole rectangle (clicks test pixels, so no corner is left open).
void paintPlate(Canvas& c, Rgb base, float glow = 0.0f) {
    const float w = static_cast<float>(c.width()), h = static_cast<float>(c.height());
    c.paintAll([=](float x, float y) {
        const float edge = std::min({x, y, w - x, h - y});
        if (edge < 1.0f) return OUTLINE;
        Rgb col = lit(base, 1.15f - 0.45f * y / h + glow);
        if (edge < 3.0f) col = (x < y * w / h ? x : y) < std::min(w - x, h - y) ? lit(col, 1.35f) : scale(col, 0.6f);
        else if (y < h * 0.45f) col = lit(col, 1.12f);  // gloss on the upper half
        return col;
    });
}

SpriteImage plateButton(int w, int h, std::string_view label, Rgb base, float cell, float glow = 0.0f, float shift = 0.0f) {
    Canvas c(w, h, 2);
    paintPlate(c, base, glow);
    drawLabel(c, label, w * 0.5f + shift, h * 0.5f, cell, textGradient(WHITE, rgb255(255, 226, 130), h * 0.5f, 3.5f * cell));
    return toSprite(c, false);
}

void drawPointer(SmallTable& table) {
    Canvas c(16, 16, 4);
    c.fill(subtract(circle(8, 8, 6.2f), circle(8, 8, 4.2f)), solid(WHITE), 0.8f);
    for (int k = 0; k < 4; ++k) {
        const float a = k * PI / 2;
        c.fill(capsule(8 + std::cos(a) * 3, 8 + std::sin(a) * 3, 8 + std::cos(a) * 7.6f, 8 + std::sin(a) * 7.6f, 0.7f),
               solid(WHITE), 0.7f);
    }
    c.fill(circle(8, 8, 1.3f), solid(rgb255(255, 50, 40)), 0.5f);
    table.put(POINTER_IMAGE, toSprite(c, false));
    table.put(POINTER_HIT_IMAGE, solidImage(8, 8, PROBE), COLLISION | SOLID);
}

void drawBars(SmallTable& table) {
    auto bar = [](bool filled) {
        Canvas c(100, 10, 2);
        c.fill(box(0, 0, 100, 10, 2), [=](float x, float y) {
            if (!filled) return mix(rgb255(40, 40, 52), rgb255(70, 70, 84), y / 10);
            const float t = x / 100;
            const Rgb heat = t < 0.5f ? mix(rgb255(60, 220, 60), rgb255(250, 230, 40), t * 2)
                                      : mix(rgb255(250, 230, 40), rgb255(240, 50, 30), t * 2 - 1);
            return lit(heat, y < 4 ? 1.25f : 1.0f - (y - 4) * 0.05f);
        }, 1.0f);
        return toSprite(c, false);
    };
    table.put(POWER_BAR_IMAGE, bar(true));
    table.put(POWER_BAR_EMPTY, bar(false));

    Canvas slot(24, 24, 2);
    slot.fill(subtract(box(0, 0, 24, 24, 3), box(4, 4, 20, 20, 1)), [](float x, float y) {
        return lit(rgb255(180, 186, 200), 1.2f - (x + y) / 48 * 0.6f);
    }, 1.0f);
    table.put(WEAPON_SLOT_IMAGE, toSprite(slot, false));
}

// Crates: a money crate with a turning coin and a weapon crate with a blinking bomb, both swept
// by a glint. Solid squares: the shop's buy button is a crate.
void drawCrates(SmallTable& table) {
    for (int kind = 0; kind < CRATE_KINDS; ++kind)
        for (int f = 0; f < CRATE_FRAMES; ++f) {
            Canvas c(24, 24, 2);
            const Rgb wood = kind == 0 ? rgb255(196, 140, 70) : rgb255(110, 130, 64);
            const float glint = -12 + f * 2.4f;
            c.paintAll([=](float x, float y) {
                const float edge = std::min({x, y, 24 - x, 24 - y});
                if (edge < 1.0f) return OUTLINE;
                const float plank = std::fmod(y, 6.0f) < 0.7f ? 0.7f : 1.0f;
                Rgb col = lit(wood, plank * (0.9f + 0.2f * valueNoise(x * 0.8f, y * 0.15f, 60 + kind)));
                if (edge < 3.5f) col = lit(rgb255(170, 170, 180), 1.1f - y / 48);
                if (std::abs(x - y) < 1.4f || std::abs(x + y - 24) < 1.4f) col = scale(col, 0.8f);
                const float band = std::abs((x + y) * 0.5f - 12 - glint);
                if (band < 2.0f) col = lit(col, 1.35f - band * 0.15f);
                return col;
            });
            if (kind == 0) {
                const float squeeze = std::abs(std::cos(2 * PI * f / 20.0f));
                const float rx = std::max(7.0f * squeeze, 1.2f);
                c.fill(ellipse(12, 12, rx, 7), [=](float x, float y) {
                    return lit(GOLD, sphereLight((x - 12) / 7.5f, (y - 12) / 7.5f));
                }, 0.8f);
                if (squeeze > 0.45f)
                    c.fill(intersect(textShape("$", 10, 9, 1.0f),
                                     box(12 - 3 * squeeze, 7, 12 + 3 * squeeze, 17)),
                           solid(rgb255(170, 110, 20)), 0.0f);
            } else {
                c.fill(circle(12, 13.5f, 5.5f), sphereShade(rgb255(60, 60, 70), 12, 13.5f, 5.5f), 0.8f);
                c.fill(capsule(14.5f, 8.5f, 17, 5.5f, 0.9f), solid(rgb255(200, 180, 140)), 0.5f);
                const bool spark = f % 4 < 2;
                c.fill(circle(17.5f, 5, spark ? 2.2f : 1.4f), solid(spark ? rgb255(255, 250, 150) : rgb255(255, 120, 40)), 0.0f);
            }
            table.put(FIRST_CRATE_IMAGE + CRATE_FRAMES * kind + f, toSprite(c, true), COLLISION | SOLID);
        }
    table.put(CRATE_PROBE_IMAGE, solidImage(24, 2, PROBE), COLLISION | SOLID);
}

void drawLoading(SmallTable& table) {
    // A cannonball rolling along a groove; the game shows the frames back and forth.
    for (int f = 0; f <= LAST_WAIT_IMAGE - FIRST_WAIT_IMAGE; ++f) {
        Canvas c(100, 30, 2);
        c.fill(box(2, 20, 98, 27, 3.5f), verticalGradient(rgb255(60, 50, 44), rgb255(120, 100, 80), 20, 27), 1.0f);
        const float x = 10 + f * 8.0f;
        c.fill(ellipse(x, 21, 7, 1.5f), solid(rgb255(30, 24, 20)), 0.0f);
        c.fill(circle(x, 13, 8), [=](float px, float py) {
            const float a = std::atan2(py - 13, px - x) + f * 0.9f;
            const float seam = std::abs(std::sin(a * 1.5f)) < 0.12f ? 0.75f : 1.0f;
            return lit(rgb255(90, 96, 110), seam * sphereLight((px - x) / 8, (py - 13) / 8));
        }, 1.0f);
        table.put(FIRST_WAIT_IMAGE + f, toSprite(c, false));
    }
    Canvas picture(200, 100, 2);
    paintFortress(picture, 60, 42, 1.0f);
    drawLabel(picture, "RAMPARO", 100, 18, 3.0f, textGradient(rgb255(255, 250, 200), rgb255(250, 130, 30), 18, 10), 1.5f);
    table.put(WAIT_PICTURE, toSprite(picture, false));
}

void drawSetupButtons(SmallTable& table) {
    const Rgb steel = rgb255(80, 110, 160);
    // Computer: a monitor.
    Canvas computer(40, 28, 4);
    paintPlate(computer, steel);
    computer.fill(box(11, 5, 29, 18, 1.5f), solid(rgb255(200, 200, 210)), 0.8f);
    computer.fill(box(13, 7, 27, 16, 0.5f), verticalGradient(rgb255(60, 220, 120), rgb255(20, 100, 60), 7, 16), 0.0f);
    computer.fill(box(15, 9, 22, 10), solid(rgb255(200, 255, 210)), 0.0f);
    computer.fill(box(15, 12, 25, 13), solid(rgb255(200, 255, 210)), 0.0f);
    computer.fill(polygon({17, 18, 23, 18, 25, 23, 15, 23}), solid(rgb255(170, 170, 180)), 0.8f);
    table.put(COMPUTER_BUTTON_IMAGE, toSprite(computer, false), SOLID);
    // Human: head and shoulders.
    Canvas human(40, 28, 4);
    paintPlate(human, rgb255(170, 90, 60));
    human.fill(ellipse(20, 25, 9, 7), sphereShade(rgb255(60, 120, 220), 20, 20, 10), 0.8f);
    human.fill(circle(20, 10.5f, 5.5f), sphereShade(rgb255(250, 200, 160), 20, 10, 6), 0.8f);
    human.fill(intersect(circle(20, 10.5f, 5.6f), box(13, 3, 27, 8.5f)), solid(rgb255(110, 70, 40)), 0.0f);
    table.put(HUMAN_BUTTON_IMAGE, toSprite(human, false), SOLID);

    table.put(PLAY_BUTTON_IMAGE, plateButton(120, 28, "PLAY GAME", rgb255(40, 170, 60), 2.0f), SOLID);
    // NEXT: at rest, then a one-shot flash with the arrow sliding on.
    for (int f = 0; f <= NEXT_LAST_FRAME - NEXT_AT_REST; ++f) {
        const float t = f == 0 ? 0.0f : std::sin(PI * f / 10.0f);
        table.put(NEXT_AT_REST + f, plateButton(84, 28, "NEXT >", rgb255(200, 110, 30), 2.0f, 0.4f * t, 3.0f * t), SOLID);
    }
}

void drawShopSlots(SmallTable& table) {
    auto slot = [](bool selected) {
        Canvas c(34, 34, 2);
        c.paintAll([=](float x, float y) {
            const float edge = std::min({x, y, 34 - x, 34 - y});
            if (edge < 1.0f) return OUTLINE;
            if (edge < 4.0f) {
                const Rgb rim = selected ? rgb255(255, 210, 60) : rgb255(140, 110, 80);
                return lit(rim, x + y < 34 ? 1.3f : 0.75f);
            }
            if (edge < 5.0f) return scale(selected ? rgb255(120, 80, 20) : rgb255(40, 30, 26), 1.0f);
            const float d = std::hypot(x - 17, y - 17) / 17;
            return selected ? mix(rgb255(120, 90, 40), rgb255(60, 40, 30), d) : mix(rgb255(70, 60, 56), rgb255(40, 34, 32), d);
        });
        return toSprite(c, false);
    };
    table.put(SHOP_SLOT_IMAGE, slot(false), SOLID);
    table.put(SELECTED_SLOT_IMAGE, slot(true), SOLID);
}

// The panel frame: four 15 x 15 corners of a gold bevel whose middle row and column make the edges.
void drawPanelParts(SmallTable& table) {
    Canvas frame(30, 30, 1);
    frame.paintAll([](float fx, float fy) {
        const int x = static_cast<int>(fx), y = static_cast<int>(fy);
        const int dx = std::min(x, 29 - x), dy = std::min(y, 29 - y), d = std::min(dx, dy);
        float side = dy <= dx ? (y < 15 ? 1.2f : 0.7f) : (x < 15 ? 1.05f : 0.8f);
        static const float profile[15] = {0.0f, 1.35f, 1.2f, 1.05f, 1.0f, 0.95f, 0.9f, 0.95f, 1.0f, 1.0f, 0.85f, 0.7f, 0.5f, 0.0f, 0.3f};
        if (profile[d] == 0.0f) return OUTLINE;
        return lit(rgb255(210, 160, 60), profile[d] * side);
    });
    for (float cx : {6.5f, 23.5f})
        for (float cy : {6.5f, 23.5f})
            frame.fill(circle(cx, cy, 3.2f), sphereShade(rgb255(240, 220, 150), cx, cy, 3.2f), 0.8f);
    table.put(PANEL_FRAME, toSprite(frame, false));

    // The texture tile repeats every 378 x 256: quilted leather in diamonds, with noise
    // on lattices that divide those periods.
    Canvas tile(378, 256, 1);
    tile.paintAll([](float x, float y) {
        const float u = x / 27.0f, v = y / 32.0f;
        // Diamond cells: a square lattice in the rotated coordinates u + v and u - v.
        const float fa = u + v - std::floor(u + v) - 0.5f, fb = u - v - std::floor(u - v) - 0.5f;
        const float edge = std::max(std::abs(fa), std::abs(fb));  // 0 at a cushion's centre, 0.5 at its seams
        const float grain = fractalNoise(x * 12 / 378.0f, y * 8 / 256.0f, 71, 4, 12, 8);
        float light = 0.85f + 0.3f * grain - 0.7f * (fa * 0.5f) - 0.2f * edge;
        if (edge > 0.46f) light *= 0.6f;  // seam
        return lit(rgb255(44, 54, 100), light);
    });
    table.put(PANEL_TILE, toSprite(tile, false), SOLID);
}

void drawMenuItems(SmallTable& table) {
    const std::string_view labels[3] = {"NEW GAME", "TITLE SCREEN", "EXIT"};
    const Rgb bases[3] = {rgb255(196, 52, 40), rgb255(50, 100, 200), rgb255(110, 110, 124)};
    for (int i = 0; i < MENU_ITEMS; ++i) {
        Canvas c(200, 40, 2);
        paintPlate(c, bases[i]);
        // A cannonball badge on the left.
        c.fill(circle(20, 20, 10), sphereShade(rgb255(60, 64, 76), 20, 20, 10), 1.0f);
        c.fill(circle(16.5f, 16.5f, 2.5f), solid(rgb255(200, 205, 220)), 0.0f);
        drawLabel(c, labels[i], 116, 20, 2.0f, textGradient(WHITE, rgb255(255, 220, 110), 20, 7), 1.5f);
        table.put(FIRST_MENU_ITEM_IMAGE + i, toSprite(c, false), SOLID);
    }
    Canvas prompt(300, 40, 2);
    paintPlate(prompt, rgb255(40, 60, 140));
    drawLabel(prompt, "PRESS A KEY", 150, 20, 3.0f, textGradient(rgb255(255, 255, 210), rgb255(255, 190, 40), 20, 10), 1.2f);
    table.put(PRESS_A_KEY_IMAGE, toSprite(prompt, false), SOLID);
}

}  // namespace

void drawInterface(SmallTable& table) {
    // Canvases whose content the game replaces at run time.
    table.put(STARTUP_IMAGE, blankImage(640, 480));
    table.put(LANDSCAPE_IMAGE, blankImage(1536, 768));
    table.put(PANEL_TEXTURE, blankImage(1024, 768));
    table.put(TERRAIN_IMAGE, blankImage(1536, 768));

    drawPointer(table);
    drawBars(table);
    drawCrates(table);
    drawLoading(table);
    drawSetupButtons(table);
    drawShopSlots(table);
    drawPanelParts(table);
    drawMenuItems(table);
    table.put(MENU_BACKGROUND_IMAGE, drawMenuBackground());
    table.put(SHOP_BACKGROUND, drawShopBackground());
}

}  // namespace datagen
