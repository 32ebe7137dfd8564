#include "battle_fixture.h"

namespace {

class WeatherTest : public BattleTest {
protected:
    int activeDrops(const Drop* drops) {
        return static_cast<int>(
            std::count_if(drops, drops + MAX_DROPS, [](const Drop& d) { return d.active != 0; }));
    }
    // Whether drawFlash lit the screen this frame.
    bool flashFrame() {
        FillSurface(backBuffer, 0);
        weather.drawFlash();
        return backBuffer->pixels[0] == PackColor(25, 25, 31);
    }
};

TEST_F(WeatherTest, ThunderLightsFourFramesDarkOneLightsFourMore) {
    weather.flashCount = 10;
    std::vector<bool> lit;
    for (int f = 0; f < 11; ++f) lit.push_back(flashFrame());
    const std::vector<bool> expected{true, true, true, true, false, true, true, true, true, false, false};
    EXPECT_EQ(lit, expected);
    EXPECT_EQ(weather.flashCount, 0);
}

TEST_F(WeatherTest, OptionOffMeansNoDropsCloudsOrThunder) {
    gameConfig.weatherEnabled = 0;
    for (int battle = 0; battle < 30; ++battle) {
        weather.chooseWeather();
        EXPECT_EQ(weather.precipitation, 0);
        EXPECT_EQ(weather.cloudType, 0);
        weather.chooseSkyColours();
        EXPECT_TRUE(weather.skyDrift[0] != 0 || weather.skyDrift[1] != 0 || weather.skyDrift[2] != 0);
        for (int f = 0; f < 200; ++f) weather.weatherStep(battleState.weatherTick);
        EXPECT_EQ(activeDrops(weather.frontDrops) + activeDrops(weather.backDrops), 0);
        EXPECT_EQ(
            std::count_if(std::begin(weather.clouds), std::end(weather.clouds), [](const Cloud& c) { return c.active; }), 0);
        EXPECT_EQ(weather.flashCount, 0);
    }
    EXPECT_EQ(plays(25), 0);
}

TEST_F(WeatherTest, EveryBattleWithTheOptionOnHasSomeWeather) {
    for (int battle = 0; battle < 50; ++battle) {
        weather.chooseWeather();
        EXPECT_TRUE(weather.precipitation != 0 || weather.cloudType != 0);
        EXPECT_NE(weather.precipitation, 3);
    }
}

TEST_F(WeatherTest, RainFallsWithTheWindAndLeavesAtTheBottom) {
    weather.precipitation = 1;
    weather.windDirection = 1;
    weather.weatherStep(battleState.weatherTick);
    ASSERT_GT(activeDrops(weather.frontDrops), 0);
    const Drop first = weather.frontDrops[0];
    weather.weatherStep(battleState.weatherTick);
    EXPECT_FLOAT_EQ(weather.frontDrops[0].y, first.y + 8.0f);
    EXPECT_FLOAT_EQ(weather.frontDrops[0].x, first.x + 2.0f);
    for (int f = 0; f < 100; ++f) weather.weatherStep(battleState.weatherTick);
    // Front drops live 97 frames at 8 pixels a frame; the one of the first frame has gone.
    EXPECT_GT(activeDrops(weather.frontDrops), 80);
    EXPECT_LT(activeDrops(weather.frontDrops), 101);
    EXPECT_GT(activeDrops(weather.backDrops), 80);
}

TEST_F(WeatherTest, SnowStaysSparse) {
    weather.precipitation = 2;
    for (int f = 0; f < 100; ++f) weather.weatherStep(battleState.weatherTick);
    EXPECT_LT(activeDrops(weather.frontDrops), 50);
    EXPECT_LT(activeDrops(weather.backDrops), 35);
    EXPECT_GT(activeDrops(weather.frontDrops), 0);
}

TEST_F(WeatherTest, CloudsDriftAndChangePictureEveryElevenFrames) {
    weather.cloudType = 1;
    weather.windDirection = 0;
    weather.clouds[0] = {700.0f, 50.0f, 1, 1, 9, 0.5f};
    battleState.weatherTick = 10;
    weather.weatherStep(battleState.weatherTick);  // tick 0: frame 9 -> 10
    EXPECT_EQ(weather.clouds[0].frame, 10);
    EXPECT_FLOAT_EQ(weather.clouds[0].x, 699.5f);
    for (int f = 0; f < 11; ++f) weather.weatherStep(battleState.weatherTick);  // the next tick 0 turns it round
    EXPECT_EQ(weather.clouds[0].frameStep, -1);
    EXPECT_EQ(weather.clouds[0].frame, 9);
    weather.clouds[0].x = -63.8f;
    weather.weatherStep(battleState.weatherTick);
    EXPECT_EQ(weather.clouds[0].active, 0);
}

TEST_F(WeatherTest, MutedSkyOfTheSecondCloudSet) {
    weather.skyColour[0] = 30, weather.skyColour[1] = 3, weather.skyColour[2] = 12;
    weather.skyDrift[0] = -1, weather.skyDrift[1] = 1, weather.skyDrift[2] = 0;
    weather.drawSky();
    EXPECT_EQ(backBuffer->pixels[0], PackColor(30, 3, 12));
    const int bottom = (479) * backBuffer->pitch;
    EXPECT_EQ(backBuffer->pixels[bottom], PackColor(5, 28, 12));
    weather.cloudType = 2;
    weather.drawSky();
    EXPECT_EQ(backBuffer->pixels[0], PackColor(20, 11, 14));
}

}  // namespace
