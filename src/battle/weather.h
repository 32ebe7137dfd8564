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

extern std::int16_t precipitation;  // 0 none, 1 rain, 2 snow
extern std::int16_t windDirection;  // 0 to the left, 1 to the right
extern std::int16_t cloudType;      // 0 none, 1 or 2: the picture set
extern std::int16_t flashCount;
extern std::int8_t skyColour[3];
extern std::int8_t skyDrift[3];
extern std::int16_t weatherTick;
extern Drop frontDrops[MAX_DROPS];
extern Drop backDrops[MAX_DROPS];
extern Cloud clouds[MAX_CLOUDS];

void chooseWeather();
void chooseSkyColours();
void clearWeatherObjects();
void weatherStep();
// The rain or snow sound, started at a battle's start and again after the confirmation question.
void playWeatherSound();

void drawSky();
void drawBackDrops();
void drawClouds();
void drawFrontDrops();
void drawFlash();
