// The camera over the 1536 x 768 world.
#pragma once

#include <cstdint>

#include "platform/platform.h"

struct Player;

// scrollX/scrollY: the world point at the screen's top-left corner; the camera glides toward its
// target. The edge speeds are never reset: they run back to 0 once the pointer leaves the edge.
struct Camera {
    std::int16_t scrollX = 0;
    std::int16_t scrollY = 0;
    std::int16_t cameraTargetX = 0;
    std::int16_t cameraTargetY = 0;
    std::int16_t edgeSpeedX = 0;
    std::int16_t edgeSpeedY = 0;

    void cameraToPlayer(const Player& player);
    // The scroll the glide comes to rest at for the present target.
    platform::Point restingScroll() const;
    void cameraFollow();
    void edgeScroll(platform::Point pointer);
    void cameraOnProjectiles();
};
