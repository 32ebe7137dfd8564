#include "battle_fixture.h"

namespace {

class WeatherTest : public BattleTest {
protected:
    static int active(const Drop (&drops)[MAX_DROPS]) {
        return int(std::ranges::count(drops, 1, &Drop::active));
    }
    void step() { weather.weatherStep(battleState.weatherTick); }
    void fresh(int precipitation, int wind, int clouds = 0) {
        weather = Weather{};
        weather.precipitation = static_cast<std::int16_t>(precipitation);
        weather.windDirection = static_cast<std::int16_t>(wind);
        weather.cloudType = static_cast<std::int16_t>(clouds);
    }
    static float dropX(int draw) { return static_cast<float>(draw * 0.052980132 - 100.0); }
};

TEST_F(WeatherTest, ABattleWithoutRainSnowOrCloudsIsDrawnAgainUnlessTheOptionIsOff) {
    int wind = 0, clouds = 0;
    const std::uint32_t seed = seedWhere([&] {
        if (randScaled(4) != 3 || (randScaled(2), randScaled(3)) != 0 || randScaled(4) != 2) return false;
        wind = randScaled(2), clouds = randScaled(3);
        return true;
    });
    weather.chooseWeather();
    EXPECT_EQ(Ints({weather.precipitation, weather.windDirection, weather.cloudType}),
              Ints({2, wind, clouds}));
    gameConfig.weatherEnabled = 0;
    setGameRandState(seed);
    weather.chooseWeather();
    EXPECT_EQ(weather.precipitation + weather.cloudType, 0);
    EXPECT_EQ(weather.windDirection, wind);
}

TEST_F(WeatherTest, SkyDriftsDownFromAbove24AndUpFromBelow7) {
    // Drawn red, blue, green; stored and drifting as red, green, blue.
    const std::pair<std::vector<int>, std::vector<int>> skies[] = {{{25, 7, 6}, {-1, 1, 0}},
                                                                   {{24, 6, 7}, {0, 0, 1}}};
    for (const auto& [draws, drifts] : skies) {
        seedWhere([&] {
            return randScaled(32) == draws[0] && randScaled(32) == draws[1] && randScaled(32) == draws[2];
        });
        weather.chooseSkyColours();
        EXPECT_EQ(Ints({weather.skyColour[0], weather.skyColour[1], weather.skyColour[2]}),
                  Ints({draws[0], draws[2], draws[1]}));
        EXPECT_EQ(Ints({weather.skyDrift[0], weather.skyDrift[1], weather.skyDrift[2]}), drifts);
    }
}

// Rain: thunder below 3 in 5000, a drop in front and one behind each below 19 in 20.
TEST_F(WeatherTest, RainThundersAndDropsBelowItsThresholds) {
    int x = 0;
    for (const int wind : {0, 1}) {
        fresh(1, wind);
        const bool front = wind == 0;  // the other draws are one above
        seedWhere([&] {
            if (randScaled(5000) != 3 - front || randScaled(20) != 19 - front) return false;
            if (front) x = gameRand();
            if (randScaled(20) != 18 + front) return false;
            if (!front) x = gameRand();
            return true;
        });
        step();
        EXPECT_EQ(Ints({weather.flashCount, plays(25)}), Ints({front ? 10 : 0, 1}));
        EXPECT_EQ(Ints({active(weather.frontDrops), active(weather.backDrops)}), Ints({front, !front}));
        const Drop& d = front ? weather.frontDrops[0] : weather.backDrops[0];
        EXPECT_FLOAT_EQ(d.x, front ? dropX(x) - 2 : dropX(x) + 1);
        EXPECT_EQ(d.y, front ? 0.0f : -4.0f);
    }
}

// Snow: a drop in front below 5 in 20, behind below 3, each moving one way or the other at random.
TEST_F(WeatherTest, SnowDropsBelowItsThresholdsAndWobbles) {
    int x = 0, wobble = 0;
    for (const int wind : {0, 1}) {
        fresh(2, wind);
        const bool front = wind == 0;
        seedWhere([&] {
            if (randScaled(20) != 5 - front) return false;
            if (front) x = gameRand();
            if (randScaled(20) != 2 + front) return false;
            if (!front) x = gameRand();
            wobble = randScaled(2);
            return true;
        });
        step();
        EXPECT_EQ(Ints({active(weather.frontDrops), active(weather.backDrops)}), Ints({front, !front}));
        const Drop& d = front ? weather.frontDrops[0] : weather.backDrops[0];
        if (front)
            EXPECT_FLOAT_EQ(d.x, dropX(x) - 0.3f + (wobble < 1 ? -1.0f : 1.0f));
        else
            EXPECT_FLOAT_EQ(d.x, dropX(x) + 0.2f + (wobble < 1 ? -0.3f : 0.3f));
        EXPECT_EQ(d.y, front ? -7.0f : -7.5f);
    }
}

TEST_F(WeatherTest, CloudsEnterBelow3In1000FromTheWindsSide) {
    for (const int wind : {0, 1}) {
        fresh(0, wind, 1);
        int y = 0, frame = 0, speed = 0;
        seedWhere([&] {
            if (randScaled(1000) != 2) return false;
            y = gameRand(), frame = randScaled(10), speed = randScaled(20);
            return frame < 10;
        });
        step();
        const Cloud& c = weather.clouds[0];
        const float s = static_cast<float>(0.1 + speed * 0.02);
        EXPECT_FLOAT_EQ(c.x, wind == 1 ? -64 + s : 1536 - s);
        EXPECT_FLOAT_EQ(c.y, static_cast<float>(y * 0.009155553));
        EXPECT_EQ(Ints({c.frame, c.frameStep}), Ints({frame, 1}));
        EXPECT_FLOAT_EQ(c.speed, s);
        weather.clouds[0] = Cloud{};
        seedWhere([] { return randScaled(1000) == 3; });
        step();
        EXPECT_EQ(c.active, 0);
    }
    weather.windDirection = 0;
    weather.clouds[0] = {-63.5f, 50.0f, 1, 1, 0, 0.5f};  // it leaves only past -64
    step();
    EXPECT_EQ(weather.clouds[0].active, 1);
    step();
    EXPECT_EQ(weather.clouds[0].active, 0);
    fresh(0, 1, 0);  // a weather without clouds brings none, whatever the draw
    seedWhere([] { return randScaled(1000) == 0; });
    step();
    EXPECT_EQ(weather.clouds[0].active, 0);
}

TEST_F(WeatherTest, ThunderLightsFourFramesDarkOneLightsFourMore) {
    weather.flashCount = 10;
    std::vector<bool> lit;
    for (int f = 0; f < 11; ++f) {
        FillSurface(backBuffer, 0);
        weather.drawFlash();
        lit.push_back(pixel(639, 479) == PackColor(25, 25, 31));
    }
    EXPECT_EQ(lit, (std::vector<bool>{true, true, true, true, false, true, true, true, true, false, false}));
    EXPECT_EQ(weather.flashCount, 0);
}

}  // namespace
