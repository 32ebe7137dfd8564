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
        drawFlash();
        return backBuffer->pixels[0] == PackColor(25, 25, 31);
    }
};

TEST_F(WeatherTest, ThunderLightsFourFramesDarkOneLightsFourMore) {
    flashCount = 10;
    std::vector<bool> lit;
    for (int f = 0; f < 11; ++f) lit.push_back(flashFrame());
    const std::vector<bool> expected{true, true, true, true, false, true, true, true, true, false, false};
    EXPECT_EQ(lit, expected);
    EXPECT_EQ(flashCount, 0);
}

TEST_F(WeatherTest, OptionOffMeansNoDropsCloudsOrThunder) {
    gameConfig.weatherEnabled = 0;
    for (int battle = 0; battle < 30; ++battle) {
        chooseWeather();
        EXPECT_EQ(precipitation, 0);
        EXPECT_EQ(cloudType, 0);
        chooseSkyColours();
        EXPECT_TRUE(skyDrift[0] != 0 || skyDrift[1] != 0 || skyDrift[2] != 0);
        for (int f = 0; f < 200; ++f) weatherStep();
        EXPECT_EQ(activeDrops(frontDrops) + activeDrops(backDrops), 0);
        EXPECT_EQ(
            std::count_if(std::begin(clouds), std::end(clouds), [](const Cloud& c) { return c.active; }), 0);
        EXPECT_EQ(flashCount, 0);
    }
    EXPECT_EQ(plays(25), 0);
}

TEST_F(WeatherTest, EveryBattleWithTheOptionOnHasSomeWeather) {
    for (int battle = 0; battle < 50; ++battle) {
        chooseWeather();
        EXPECT_TRUE(precipitation != 0 || cloudType != 0);
        EXPECT_NE(precipitation, 3);
    }
}

TEST_F(WeatherTest, RainFallsWithTheWindAndLeavesAtTheBottom) {
    precipitation = 1;
    windDirection = 1;
    weatherStep();
    ASSERT_GT(activeDrops(frontDrops), 0);
    const Drop first = frontDrops[0];
    weatherStep();
    EXPECT_FLOAT_EQ(frontDrops[0].y, first.y + 8.0f);
    EXPECT_FLOAT_EQ(frontDrops[0].x, first.x + 2.0f);
    for (int f = 0; f < 100; ++f) weatherStep();
    // Front drops live 97 frames at 8 pixels a frame; the one of the first frame has gone.
    EXPECT_GT(activeDrops(frontDrops), 80);
    EXPECT_LT(activeDrops(frontDrops), 101);
    EXPECT_GT(activeDrops(backDrops), 80);
}

TEST_F(WeatherTest, SnowStaysSparse) {
    precipitation = 2;
    for (int f = 0; f < 100; ++f) weatherStep();
    EXPECT_LT(activeDrops(frontDrops), 50);
    EXPECT_LT(activeDrops(backDrops), 35);
    EXPECT_GT(activeDrops(frontDrops), 0);
}

TEST_F(WeatherTest, CloudsDriftAndChangePictureEveryElevenFrames) {
    cloudType = 1;
    windDirection = 0;
    clouds[0] = {700.0f, 50.0f, 1, 1, 9, 0.5f};
    weatherTick = 10;
    weatherStep();  // tick 0: frame 9 -> 10
    EXPECT_EQ(clouds[0].frame, 10);
    EXPECT_FLOAT_EQ(clouds[0].x, 699.5f);
    for (int f = 0; f < 11; ++f) weatherStep();  // the next tick 0 turns it round
    EXPECT_EQ(clouds[0].frameStep, -1);
    EXPECT_EQ(clouds[0].frame, 9);
    clouds[0].x = -63.8f;
    weatherStep();
    EXPECT_EQ(clouds[0].active, 0);
}

TEST_F(WeatherTest, MutedSkyOfTheSecondCloudSet) {
    skyColour[0] = 30, skyColour[1] = 3, skyColour[2] = 12;
    skyDrift[0] = -1, skyDrift[1] = 1, skyDrift[2] = 0;
    drawSky();
    EXPECT_EQ(backBuffer->pixels[0], PackColor(30, 3, 12));
    const int bottom = (479) * backBuffer->pitch;
    EXPECT_EQ(backBuffer->pixels[bottom], PackColor(5, 28, 12));
    cloudType = 2;
    drawSky();
    EXPECT_EQ(backBuffer->pixels[0], PackColor(20, 11, 14));
}

}  // namespace
