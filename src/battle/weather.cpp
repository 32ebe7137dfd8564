#include "battle/weather.h"

#include "audio/sound_system.h"
#include "battle/camera.h"
#include "battle/placement.h"
#include "core/error_box.h"
#include "core/random.h"
#include "core/settings.h"
#include "core/sounds.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"

namespace {

constexpr int FIRST_CLOUD_IMAGE[3] = {0, LIGHT_CLOUD_IMAGE, DARK_CLOUD_IMAGE};

struct DropLayer {
    float fall;    // pixels per frame
    float drift;   // wind's push per frame
    float wobble;  // snow's random sideways step
};

constexpr DropLayer RAIN_FRONT{8.0f, 2.0f, 0.0f};
constexpr DropLayer RAIN_BACK{4.0f, 1.0f, 0.0f};
constexpr DropLayer SNOW_FRONT{1.0f, 0.3f, 1.0f};
constexpr DropLayer SNOW_BACK{0.5f, 0.2f, 0.3f};

float windSign(const Weather& w) { return w.windDirection == 0 ? -1.0f : 1.0f; }

void spawnDrop(Drop* drops) {
    for (int i = 0; i < MAX_DROPS; ++i) {
        if (drops[i].active) continue;
        drops[i].x = static_cast<float>(gameRand() * 0.052980132 - 100.0);
        drops[i].y = -8.0f;
        drops[i].active = 1;
        return;
    }
}

void moveDrops(Drop* drops, const DropLayer& layer, float wind) {
    for (int i = 0; i < MAX_DROPS; ++i) {
        Drop& d = drops[i];
        if (!d.active) continue;
        d.y += layer.fall;
        d.x += wind * layer.drift;
        if (layer.wobble != 0) d.x += randScaled(2) < 1 ? -layer.wobble : layer.wobble;
        if (d.x < -100.0f || d.x > 1636.0f || d.y > static_cast<float>(WORLD_HEIGHT)) d.active = 0;
    }
}

void spawnCloud(Weather& w) {
    // The rare wind 2 (randScaled's top value) has no side to enter from.
    if (w.windDirection != 0 && w.windDirection != 1) return;
    for (Cloud& c : w.clouds) {
        if (c.active) continue;
        c.x = w.windDirection == 1 ? -64.0f : static_cast<float>(WORLD_WIDTH);
        c.y = static_cast<float>(gameRand() * 0.009155553);
        c.active = 1;
        c.frame = static_cast<std::int16_t>(randScaled(10));
        c.frameStep = 1;
        c.speed = static_cast<float>(0.1 + randScaled(20) * 0.02);
        return;
    }
}

void moveClouds(Weather& w, std::int16_t weatherTick) {
    for (Cloud& c : w.clouds) {
        if (!c.active) continue;
        c.x += windSign(w) * c.speed;
        if (c.frame == 10 && c.frameStep == 1) c.frameStep = -1;
        if (c.frame == 0 && c.frameStep == -1) c.frameStep = 1;
        if (weatherTick == 0) c.frame = static_cast<std::int16_t>(c.frame + c.frameStep);
        if (c.x > static_cast<float>(WORLD_WIDTH) || c.x < -64.0f) c.active = 0;
    }
}

// The sky's colour as drawn: clouds of the second set mute it towards grey.
std::uint32_t shade(const Weather& w, int r, int g, int b) {
    if (w.cloudType == 2) return PackColor(r / 3 + 10, g / 3 + 10, b / 3 + 10);
    return PackColor(r, g, b);
}

// The drop pictures of the current weather: front, back.
int dropImage(const Weather& w, bool front) {
    const int first = w.precipitation == 2   ? SNOW_FRONT_IMAGE
                      : w.windDirection == 1 ? RAIN_WIND_FRONT_IMAGE
                                             : RAIN_FRONT_IMAGE;
    return front ? first : first + 1;
}

void drawDrops(const Weather& w, const Drop* drops, bool front, const Camera& camera) {
    if (w.precipitation != 1 && w.precipitation != 2) return;
    const ImageEntry& image = raznoe[dropImage(w, front)];
    for (int i = 0; i < MAX_DROPS; ++i)
        if (drops[i].active)
            DrawImageClipped(backBuffer, image, static_cast<int>(drops[i].x) - camera.scrollX,
                             static_cast<int>(drops[i].y) - camera.scrollY);
}

}  // namespace

void Weather::chooseWeather() {
    do {
        precipitation = static_cast<std::int16_t>(randScaled(4));
        if (precipitation == 3) precipitation = 0;
        windDirection = static_cast<std::int16_t>(randScaled(2));
        cloudType = static_cast<std::int16_t>(randScaled(3));
    } while (precipitation == 0 && cloudType == 0);
    flashCount = 0;
    if (gameConfig.weatherEnabled == 0) precipitation = cloudType = 0;
}

void Weather::chooseSkyColours() {
    // Red, then blue, then green.
    static constexpr int ORDER[3] = {0, 2, 1};
    do {
        for (int c : ORDER) {
            const int value = randScaled(32);
            skyColour[c] = static_cast<std::int8_t>(value);
            skyDrift[c] = static_cast<std::int8_t>(value > 24 ? -1 : value < 7 ? 1 : 0);
        }
    } while (skyDrift[0] == 0 && skyDrift[1] == 0 && skyDrift[2] == 0);
}

void Weather::clearWeatherObjects() {
    for (Drop& d : frontDrops) d = Drop{};
    for (Drop& d : backDrops) d = Drop{};
    for (Cloud& c : clouds) c = Cloud{};
}

void Weather::playWeatherSound() const {
    lastChannel = soundSystem.AllocChannel();
    if (lastChannel == 0) errorBox("no free chanel");
    if (precipitation == 1) soundSystem.PlaySound(lastChannel, RAIN_SOUND, 1, soundVolume);
    if (precipitation == 2) soundSystem.PlaySound(lastChannel, SNOW_SOUND, 1, soundVolume);
}

void Weather::weatherStep(std::int16_t& weatherTick) {
    weatherTick = static_cast<std::int16_t>(weatherTick >= 10 ? 0 : weatherTick + 1);
    if (precipitation == 1 && randScaled(5000) < 3) {
        flashCount = 10;
        playSoundEffect(THUNDER_SOUND);
    }
    if (precipitation == 1) {
        if (randScaled(20) < 19) spawnDrop(frontDrops);
        if (randScaled(20) < 19) spawnDrop(backDrops);
        moveDrops(frontDrops, RAIN_FRONT, windSign(*this));
        moveDrops(backDrops, RAIN_BACK, windSign(*this));
    } else if (precipitation == 2) {
        if (randScaled(20) < 5) spawnDrop(frontDrops);
        if (randScaled(20) < 3) spawnDrop(backDrops);
        moveDrops(frontDrops, SNOW_FRONT, windSign(*this));
        moveDrops(backDrops, SNOW_BACK, windSign(*this));
    }
    if (cloudType > 0) {
        if (randScaled(1000) < 3) spawnCloud(*this);
        moveClouds(*this, weatherTick);
    }
}

void Weather::drawSky() const {
    const int w = screenWidth;
    const int h = screenHeight;
    std::int8_t c[3] = {skyColour[0], skyColour[1], skyColour[2]};
    FillRect(backBuffer, shade(*this, c[0], c[1], c[2]), {0, 0, w, h / 3});
    for (int i = 0; i < 25; ++i) {
        const int top = h / 3 + i * h / 100;
        FillRect(backBuffer, shade(*this, c[0], c[1], c[2]), {0, top, w, top + h / 100 + 1});
        for (int k = 0; k < 3; ++k) c[k] = static_cast<std::int8_t>(c[k] + skyDrift[k]);
    }
    FillRect(backBuffer, shade(*this, c[0], c[1], c[2]), {0, h / 3 + h / 4, w, h});
}

void Weather::drawBackDrops(const Camera& camera) const { drawDrops(*this, backDrops, false, camera); }
void Weather::drawFrontDrops(const Camera& camera) const { drawDrops(*this, frontDrops, true, camera); }

void Weather::drawClouds(const Camera& camera) const {
    if (cloudType != 1 && cloudType != 2) return;
    for (const Cloud& c : clouds)
        if (c.active)
            DrawImageClipped(backBuffer, raznoe[FIRST_CLOUD_IMAGE[cloudType] + c.frame],
                             static_cast<int>(c.x) - camera.scrollX, static_cast<int>(c.y) - camera.scrollY);
}

void Weather::drawFlash() {
    if (flashCount == 0) return;
    if (flashCount == 5 || flashCount == 6) {
        --flashCount;
        return;
    }
    FillRect(backBuffer, PackColor(25, 25, 31), {0, 0, screenWidth, screenHeight});
    --flashCount;
    if (flashCount == 5 || flashCount == 6) --flashCount;
}
