// What the battles own beside their clocks and counters: the camera, the weather, the crates, the
// computer's search, the direct missile's mark and the aiming aids' memory. The game flow holds one for the whole run (the
// camera's edge speeds carry over from battle to battle), each battle's set-up resets the rest,
// and every step of a frame receives it.
#pragma once

#include "battle/aids.h"
#include "battle/camera.h"
#include "battle/computer.h"
#include "battle/crates.h"
#include "battle/weather.h"

struct Battle {
    Camera camera;
    Weather weather;
    Crates crates;
    ComputerSearch search;
    Aids aids;
    float directTargetX = 0;  // the world point the direct missile steers to
    float directTargetY = 0;
};
