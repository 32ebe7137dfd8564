// The battle's sky, rain or snow, clouds, thunder and wind. Scenery only: nothing here moves a shot.
#pragma once

#include <cstdint>

struct Drop {
    float x = 0;
    float y = 0;
    std::int16_t active = 0;
};

struct Cloud {
    float x = 0;
    float y = 0;
    std::int16_t active = 0;
    std::int16_t frameStep = 1;
    std::int16_t frame = 0;
    float speed = 0;
};

constexpr int MAX_DROPS = 200;  // per layer
constexpr int MAX_CLOUDS = 10;

struct Camera;

// One battle's weather, drawn at its start; the drops and clouds come and go with the frames.
struct Weather {
    std::int16_t precipitation = 0;  // 0 none, 1 rain, 2 snow
    std::int16_t windDirection = 0;  // 0 to the left, 1 to the right
    std::int16_t cloudType = 0;      // 0 none, 1 or 2: the picture set
    std::int16_t flashCount = 0;
    std::int8_t skyColour[3] = {};
    std::int8_t skyDrift[3] = {};
    Drop frontDrops[MAX_DROPS];
    Drop backDrops[MAX_DROPS];
    Cloud clouds[MAX_CLOUDS];

    void chooseWeather();
    void chooseSkyColours();
    void clearWeatherObjects();
    // One frame; weatherTick is the battle's weather clock (0..10, the clouds animate at 0).
    void weatherStep(std::int16_t& weatherTick);
    // The rain or snow sound, started at a battle's start and again after the confirmation question.
    void playWeatherSound() const;

    void drawSky() const;
    void drawBackDrops(const Camera& camera) const;
    void drawClouds(const Camera& camera) const;
    void drawFrontDrops(const Camera& camera) const;
    void drawFlash();
};
