// PENDING: stand-ins for the graphics code that lands with the graphics branch; deleted at merge.
// Just enough of the copy and overlap rules for the world code to run.
#include <algorithm>
#include <cstdint>

#include "gfx/draw.h"
#include "gfx/images.h"
#include "gfx/overlap.h"

ImageEntry* raznoe = nullptr;
ImageEntry* sprit = nullptr;
ImageEntry* fon = nullptr;

void LoadSceneryImages(const char*) {}

namespace {

void copyRect(Surface* dest, const ImageEntry& image, int x, int y, int l, int t, int r, int b, bool keyed) {
    if (!dest || !image.surface || image.width == 0) return;
    x &= 0xFFFF, y &= 0xFFFF, l &= 0xFFFF, t &= 0xFFFF, r &= 0xFFFF, b &= 0xFFFF;
    if (r < l || b < t || r > image.width || b > image.height) return;
    if (x + (r - l) > dest->width || y + (b - t) > dest->height) return;
    for (int row = t; row < b; ++row) {
        const std::uint16_t* src = image.surface->row(row);
        std::uint16_t* out = dest->row(y + row - t) + x;
        for (int col = l; col < r; ++col)
            if (!keyed || src[col]) out[col - l] = src[col];
    }
}

}  // namespace

void DrawImage(Surface* dest, const ImageEntry& image, int x, int y) {
    copyRect(dest, image, x, y, 0, 0, image.width, image.height, true);
}
void DrawImagePart(Surface* dest, const ImageEntry& image, int x, int y, int l, int t, int r, int b) {
    copyRect(dest, image, x, y, l, t, r, b, true);
}
void DrawImagePartOpaque(Surface* dest, const ImageEntry& image, int x, int y, int l, int t, int r, int b) {
    copyRect(dest, image, x, y, l, t, r, b, false);
}
void DrawImageClippedWorld(Surface* dest, const ImageEntry& image, int x, int y) {
    if (!dest || !image.surface || image.width == 0) return;
    x = static_cast<std::int16_t>(x), y = static_cast<std::int16_t>(y);
    const int l = std::max(0, -x), t = std::max(0, -y);
    const int r = std::min<int>(image.width, 1536 - x), b = std::min<int>(image.height, 768 - y);
    if (l >= r || t >= b) return;
    copyRect(dest, image, x + l, y + t, l, t, r, b, true);
}

bool ImagesOverlap(const ImageEntry& a, std::int32_t xA, std::int32_t yA, const ImageEntry& b, std::int32_t xB,
                   std::int32_t yB) {
    if (!a.surface || !b.surface) return false;
    const int left = std::max(xA, xB), top = std::max(yA, yB);
    const int right = std::min(xA + a.width, xB + b.width), bottom = std::min(yA + a.height, yB + b.height);
    for (int y = top; y < bottom; ++y) {
        const std::uint16_t* pa = a.surface->row(y - yA) + (left - xA);
        const std::uint16_t* pb = b.surface->row(y - yB) + (left - xB);
        for (int k = 0; k < right - left; ++k)
            if (((pa[k] & 0xFF) && (pb[k] & 0xFF)) || ((pa[k] >> 8) && (pb[k] >> 8))) return true;
    }
    return false;
}
