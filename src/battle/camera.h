// The camera over the 1536 x 768 world.
#pragma once

#include <cstdint>

extern std::int16_t scrollX;
extern std::int16_t scrollY;
extern std::int16_t cameraTargetX;
extern std::int16_t cameraTargetY;
extern std::int16_t edgeSpeedX;
extern std::int16_t edgeSpeedY;

void cameraToPlayer();
void cameraFollow();
void edgeScroll();
void cameraOnProjectiles();
