// The display: the two frame buffers, presenting a frame, recovering lost surfaces, colour packing
// and fills.
#pragma once

#include <functional>

#include <cstdint>

#include "gfx/surface.h"

// The surface each frame is drawn into, and the one on screen. PresentFrame swaps them: after a
// flip the back buffer holds the frame before last.
extern Surface* backBuffer;
extern Surface* primarySurface;

struct FillArea {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;  // exclusive
    std::int32_t bottom = 0;  // exclusive
};

extern FillArea cursorClipRect;

// Opens the display and starts the window's 30 ms timer; false when the display did not open.
bool InitDisplay(const std::function<void()>& onTimer = [] {});
void PresentFrame();
// The flip without the optional vertical-blank wait: the start-up picture and the loading animation.
void PresentFrameNoWait();
void RestoreLostSurfaces();

std::uint32_t PackColor(std::uint32_t r, std::uint32_t g, std::uint32_t b);
int FillSurface(Surface* surface, std::uint32_t color);
// Fills nothing unless rect lies wholly inside the surface.
int FillRect(Surface* surface, std::uint32_t color, const FillArea& rect);
