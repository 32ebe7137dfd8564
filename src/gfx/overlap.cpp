#include "gfx/overlap.h"

#include <algorithm>

#include "core/error_box.h"

namespace {

// The common part of two placed rectangles, in each image's own pixel coordinates.
struct Intersection {
    int aLeft = 0;
    int aTop = 0;
    int bLeft = 0;
    int bTop = 0;
    int cols = 0;
    int rows = 0;
};

bool intersect(std::int64_t xA, std::int64_t yA, int widthA, int heightA, std::int64_t xB, std::int64_t yB,
               int widthB, int heightB, Intersection& out) {
    const std::int64_t left = std::max(xA, xB);
    const std::int64_t top = std::max(yA, yB);
    const std::int64_t right = std::min(xA + widthA, xB + widthB);
    const std::int64_t bottom = std::min(yA + heightA, yB + heightB);
    if (left >= right || top >= bottom) return false;
    out = {static_cast<int>(left - xA), static_cast<int>(top - yA),     static_cast<int>(left - xB),
           static_cast<int>(top - yB),  static_cast<int>(right - left), static_cast<int>(bottom - top)};
    return true;
}

// Stands for locking the image's surface: refused when there is no surface of the image's size.
Surface* lockImage(const ImageEntry& image, const char* failure) {
    Surface* surface = image.surface.get();
    if (surface && surface->width == image.width && surface->height == image.height) return surface;
    errorBox(failure);
    return nullptr;
}

std::uint16_t lowByte(std::uint16_t pixel) { return pixel & 0x00FF; }
std::uint16_t highByte(std::uint16_t pixel) { return pixel & 0xFF00; }

// The pixel whose low byte follows the last byte of an intersection row: the next pixel to the
// right, or the first pixel of the image's next row at its right edge; none after its last row.
std::uint16_t* pixelAfterRow(Surface& image, int x, int y) {
    if (x < image.width) return image.row(y) + x;
    if (y + 1 < image.height) return image.row(y + 1);
    return nullptr;
}

}  // namespace

bool ImagesOverlap(const ImageEntry& a, std::int32_t xA, std::int32_t yA, const ImageEntry& b,
                   std::int32_t xB, std::int32_t yB) {
    Intersection area;
    if (!intersect(xA, yA, a.width, a.height, xB, yB, b.width, b.height, area)) return false;
    const Surface* surfaceA = lockImage(a, "error lock sp1");
    if (!surfaceA) return false;
    const Surface* surfaceB = lockImage(b, "error lock sp2");
    if (!surfaceB) return false;
    // Byte k of A meets byte k of B: both low bytes or both high bytes non-zero.
    for (int row = 0; row < area.rows; ++row) {
        const std::uint16_t* pixelsA = surfaceA->row(area.aTop + row) + area.aLeft;
        const std::uint16_t* pixelsB = surfaceB->row(area.bTop + row) + area.bLeft;
        for (int i = 0; i < area.cols; ++i) {
            const std::uint16_t pa = pixelsA[i];
            const std::uint16_t pb = pixelsB[i];
            if ((lowByte(pa) != 0 && lowByte(pb) != 0) || (highByte(pa) != 0 && highByte(pb) != 0))
                return true;
        }
    }
    return false;
}

bool PointOnImage(std::int32_t px, std::int32_t py, const ImageEntry& b, std::int32_t xB, std::int32_t yB) {
    Intersection area;
    if (!intersect(px, py, 1, 1, xB, yB, b.width, b.height, area)) return false;
    const Surface* surfaceB = lockImage(b, "error lock sp2");
    if (!surfaceB) return false;
    return surfaceB->row(area.bTop)[area.bLeft] != 0;
}

std::uint16_t EraseOverlap(const ImageEntry& a, std::int32_t xA, std::int32_t yA, ImageEntry& b,
                           std::int32_t xB, std::int32_t yB) {
    Intersection area;
    if (!intersect(xA, yA, a.width, a.height, xB, yB, b.width, b.height, area)) return 0;
    Surface* surfaceA = lockImage(a, "error lock sp1");
    if (!surfaceA) return 0;
    Surface* surfaceB = lockImage(b, "error lock sp2");
    if (!surfaceB) return 0;

    // Byte positions k = 2i (both bytes of pixel i) and k = 2i + 1 (the high byte of pixel i and the
    // low byte of the pixel after it), visited in order, each clearing what it looks at in B.
    std::uint16_t count = 0;
    for (int row = 0; row < area.rows; ++row) {
        const int yA = area.aTop + row;
        const int yB = area.bTop + row;
        const std::uint16_t* pixelsA = surfaceA->row(yA) + area.aLeft;
        std::uint16_t* pixelsB = surfaceB->row(yB) + area.bLeft;
        const std::uint16_t* afterA = pixelAfterRow(*surfaceA, area.aLeft + area.cols, yA);
        std::uint16_t* afterB = pixelAfterRow(*surfaceB, area.bLeft + area.cols, yB);
        for (int i = 0; i < area.cols; ++i) {
            const std::uint16_t pa = pixelsA[i];
            if (pa != 0) {
                if (pixelsB[i] != 0) ++count;
                pixelsB[i] = 0;
            }
            const bool last = i + 1 == area.cols;
            const std::uint16_t nextA = last ? (afterA ? *afterA : 0) : pixelsA[i + 1];
            if (highByte(pa) == 0 && lowByte(nextA) == 0) continue;
            std::uint16_t* nextB = last ? afterB : &pixelsB[i + 1];
            if (highByte(pixelsB[i]) != 0 || (nextB && lowByte(*nextB) != 0)) ++count;
            pixelsB[i] = lowByte(pixelsB[i]);
            if (nextB) *nextB = highByte(*nextB);
        }
    }
    return count;
}
