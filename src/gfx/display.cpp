#include "gfx/display.h"

#include <algorithm>

#include "core/settings.h"

Surface* backBuffer = nullptr;
Surface* primarySurface = nullptr;
FillArea cursorClipRect;

std::uint32_t PackColor(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    // Components are deliberately not masked: values above 31 run into the next field.
    if (pixelFormat == 1) return (r << 10) | (g << 5) | b;
    if (pixelFormat == 2) return (r << 11) | (g << 6) | b;
    return r;
}

int FillSurface(Surface* surface, std::uint32_t color) {
    if (!surface) return 0;
    const auto value = static_cast<std::uint16_t>(color);
    for (int y = 0; y < surface->height; ++y) std::fill_n(surface->row(y), surface->width, value);
    return 0;
}

int FillRect(Surface* surface, std::uint32_t color, const FillArea& rect) {
    if (!surface) return 0;
    if (rect.left < 0 || rect.top < 0 || rect.right > surface->width || rect.bottom > surface->height ||
        rect.left > rect.right || rect.top > rect.bottom)
        return 0;
    const auto value = static_cast<std::uint16_t>(color);
    for (int y = rect.top; y < rect.bottom; ++y) std::fill(surface->row(y) + rect.left, surface->row(y) + rect.right, value);
    return 0;
}
