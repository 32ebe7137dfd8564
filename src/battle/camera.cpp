#include "battle/camera.h"

#include <algorithm>
#include <cstdlib>

#include "battle/fortress.h"
#include "battle/placement.h"
#include "core/player.h"
#include "core/random.h"
#include "core/settings.h"
#include "weapons/projectile.h"
#include "world/landscape.h"
#include "world/level_file.h"
#include "world/world.h"

namespace {

constexpr int EDGE_STEP = 8;

// One axis of the glide: about a twentieth of the way per frame, at least one pixel, and the
// target pulled back so that it never runs past the world's edge.
void followAxis(std::int16_t& scroll, std::int16_t& target, int screenSize, int worldSize) {
    const int half = screenSize / 2;
    const int step = (std::abs(scroll + half - target) + 19) / 20;
    if (target > scroll + half) scroll = static_cast<std::int16_t>(scroll + step);
    if (target < scroll + half) scroll = static_cast<std::int16_t>(scroll - step);
    if (scroll < 0) {
        scroll = 0;
        target = static_cast<std::int16_t>(half);
    }
    if (scroll > worldSize - screenSize) {
        scroll = static_cast<std::int16_t>(worldSize - screenSize);
        target = static_cast<std::int16_t>(half + scroll);
    }
}

void edgeAxis(std::int16_t& speed, int cursor, int screenSize) {
    if (cursor < 6 && speed > -10) speed = static_cast<std::int16_t>(speed - EDGE_STEP);
    if (cursor > screenSize - 7 && speed < 10) speed = static_cast<std::int16_t>(speed + EDGE_STEP);
    if (cursor > 5 && speed < 0) speed = static_cast<std::int16_t>(speed + EDGE_STEP);
    if (cursor <= screenSize - 7 && speed > 0) speed = static_cast<std::int16_t>(speed - EDGE_STEP);
}

}  // namespace

void Camera::cameraToPlayer(const Player& p) {
    cameraTargetX = static_cast<std::int16_t>(static_cast<int>(p.x) + LAUNCH_DX);
    cameraTargetY = static_cast<std::int16_t>(static_cast<int>(p.y) + 20);
}

platform::Point Camera::restingScroll() const {
    return {std::clamp(cameraTargetX - screenWidth / 2, 0, WORLD_WIDTH - screenWidth),
            std::clamp(cameraTargetY - screenHeight / 2, 0, WORLD_HEIGHT - screenHeight)};
}

void Camera::cameraFollow() {
    followAxis(scrollX, cameraTargetX, screenWidth, WORLD_WIDTH);
    followAxis(scrollY, cameraTargetY, screenHeight, WORLD_HEIGHT);
}

void Camera::edgeScroll(platform::Point pointer) {
    edgeAxis(edgeSpeedX, pointer.x, screenWidth);
    edgeAxis(edgeSpeedY, pointer.y, screenHeight);
    cameraTargetX = static_cast<std::int16_t>(cameraTargetX + edgeSpeedX);
    cameraTargetY = static_cast<std::int16_t>(cameraTargetY + edgeSpeedY);
}

void Camera::cameraOnProjectiles() {
    for (const Projectile& p : projectiles) {
        if (p.kind == 0) continue;
        cameraTargetX = static_cast<std::int16_t>(static_cast<int>(p.x));
        cameraTargetY = static_cast<std::int16_t>(static_cast<int>(p.y));
    }
}
