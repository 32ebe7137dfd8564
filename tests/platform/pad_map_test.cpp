// The gamepad's meaning: buttons by what the game asks, the sticks by frames.
#include <gtest/gtest.h>

#include <string>

#include "platform/sdl/pad_map.h"

using namespace platform;
using namespace platform::sdl;

namespace {

// The script line the produced event records as (frame 0), "-" for nothing.
std::string produced(PadButton button, bool pressed, const PadContext& context) {
    const std::optional<InputEvent> event = mapPadButton({button, pressed}, context);
    return event ? scriptLine(0, *event) : "-";
}

constexpr Rect SCREEN{0, 0, 640, 480};

}  // namespace

TEST(PadMap, ButtonsGiveTheKeysAndClicksOfTheScreenAsked) {
    const PadContext battle{false, '2', '5', {100, 200}};
    const PadContext question{true, '2', '5', {100, 200}};
    const PadContext noStock{false, 0, 0, {0, 0}};
    struct Case {
        PadButton button;
        bool pressed;
        const PadContext& context;
        const char* line;
    };
    const Case cases[] = {
        {PadButton::A, true, battle, "0 press left"},
        {PadButton::A, false, battle, "0 release left"},
        {PadButton::A, true, question, "0 key Y"},
        {PadButton::A, false, question, "0 release left"},  // never leaves the button down
        {PadButton::B, true, question, "0 key N"},
        {PadButton::B, true, battle, "0 key RETURN"},
        {PadButton::B, false, battle, "-"},
        {PadButton::Start, true, battle, "0 key ESCAPE"},
        {PadButton::Start, true, question, "0 key ESCAPE"},
        {PadButton::LeftShoulder, true, battle, "0 key 2"},
        {PadButton::RightShoulder, true, battle, "0 key 5"},
        {PadButton::RightShoulder, false, battle, "-"},
        {PadButton::RightShoulder, true, noStock, "0 key RETURN"},  // still "a key"
        {PadButton::X, true, battle, "0 key RETURN"},
        {PadButton::Y, true, battle, "0 key RETURN"},
        {PadButton::Back, true, battle, "0 key RETURN"},
        {PadButton::Guide, true, battle, "-"},
        {PadButton::Up, true, battle, "0 move 100 199"},
        {PadButton::Down, true, battle, "0 move 100 201"},
        {PadButton::Left, true, battle, "0 move 99 200"},
        {PadButton::Right, true, battle, "0 move 101 200"},
        {PadButton::Right, false, battle, "-"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(produced(c.button, c.pressed, c.context), c.line)
            << "button " << int(c.button) << (c.pressed ? " down" : " up");
}

TEST(PadMap, SpeedIsNothingInTheDeadZoneThenRisesWithTheSquareOfThePush) {
    const PadSettings designed{};
    struct Case {
        int axis;
        PadSettings settings;
        double speed;
    };
    const Case cases[] = {
        {0, designed, 0},
        {4915, designed, 0},  // just inside 15 %
        {-4915, designed, 0},
        {32767, designed, PAD_TOP_SPEED},
        {-32768, designed, -PAD_TOP_SPEED},
        {32767, {15, 50}, PAD_TOP_SPEED / 2},
        {32767, {15, 400}, PAD_TOP_SPEED * 4},
        {4915 + (32767 - 4915) / 2, designed, PAD_TOP_SPEED / 4},  // half way beyond: a quarter
        {-(4915 + (32767 - 4915) / 2), designed, -PAD_TOP_SPEED / 4},
        {16384, {0, 100}, PAD_TOP_SPEED / 4},
        {1000, {0, 100}, PAD_TOP_SPEED * (1000.0 / 32767) * (1000.0 / 32767)},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(padSpeed(c.axis, c.settings), c.speed, 0.01)
            << c.axis << " at dead zone " << c.settings.deadZone << ", speed " << c.settings.speed;
}

TEST(PadMap, LeftStickMovesByFramesAndCarriesFractions) {
    PadPointer pad;
    const PadSettings designed{};
    const PadSticks full{32767, -32768, 0, 0};
    EXPECT_FALSE(pad.step({}, 1, {50, 50}, SCREEN, designed)) << "a stick at rest";
    ASSERT_TRUE(pad.step(full, 1, {50, 50}, SCREEN, designed));
    EXPECT_EQ(pad.step(full, 1, {50, 50}, SCREEN, designed)->x, 62);
    EXPECT_EQ(pad.step(full, 1, {50, 50}, SCREEN, designed)->y, 38);
    EXPECT_EQ(pad.step(full, 3, {50, 50}, SCREEN, designed)->x, 86) << "three frames at once go three times as far";
    EXPECT_FALSE(pad.step(full, 0, {50, 50}, SCREEN, designed)) << "no frame, no motion";

    // A gentle push: a quarter pixel a frame becomes one pixel every fourth frame.
    PadPointer gentle;
    const PadSticks quarter{4915 + (32767 - 4915) * 145 / 1000 + 1, 0, 0, 0};  // 0.25 pixels a frame
    int moves = 0;
    Point at{10, 10};
    for (int frame = 0; frame < 8; ++frame)
        if (const auto moved = gentle.step(quarter, 1, at, SCREEN, designed)) {
            ++moves;
            EXPECT_EQ(moved->x, at.x + 1);
            at = *moved;
        }
    EXPECT_EQ(moves, 2);
    EXPECT_EQ(at.x, 12);
    gentle.forget();
    for (int frame = 0; frame < 3; ++frame) EXPECT_FALSE(gentle.step(quarter, 1, at, SCREEN, designed));
}

TEST(PadMap, RightStickHoldsThePointerAtAnEdgeAndGivesItBack) {
    PadPointer pad;
    const PadSettings designed{};
    struct Case {
        PadSticks sticks;
        Point from;
        std::optional<Point> to;
    };
    const Case cases[] = {
        {{0, 0, -32768, 0}, {300, 200}, Point{0, 200}},
        {{0, 0, -32768, 0}, {0, 200}, std::nullopt},  // held there: nothing new
        {{0, 0, 32767, 32767}, {0, 200}, Point{639, 479}},
        {{32767, 0, 0, -32768}, {639, 479}, Point{300, 0}},  // the look wins over the left stick
        {{}, {300, 0}, Point{300, 200}},                      // let go: back where it was
        {{}, {300, 200}, std::nullopt},
        {{0, 0, 3000, 0}, {300, 200}, std::nullopt},  // inside the dead zone
    };
    for (const Case& c : cases) {
        const std::optional<Point> got = pad.step(c.sticks, 1, c.from, SCREEN, designed);
        ASSERT_EQ(got.has_value(), c.to.has_value()) << c.from.x << "," << c.from.y;
        if (got) {
            EXPECT_EQ(std::pair(got->x, got->y), std::pair(c.to->x, c.to->y));
        }
    }
}
