#include "gfx/draw.h"

#include <cstring>
#include <vector>

#include "core/settings.h"

namespace {

constexpr int WORLD_WIDTH = 1536;
constexpr int WORLD_HEIGHT = 768;
constexpr int TEXTURE_WIDTH = 1024;
constexpr int TEXTURE_HEIGHT = 768;

constexpr int CORNER = 15;
constexpr int TILE_STEP_X = 378;
constexpr int TILE_STEP_Y = 256;

enum class Key { Black, None };

// Pixel 0 is transparent. Every pixel is stored (the old one where the source is 0), and whole
// blocks of 8 go first: a fixed-length loop the compiler turns into vector blends.
void copyKeyedRow(std::uint16_t* __restrict dest, const std::uint16_t* __restrict src, int count) {
    constexpr int BLOCK = 8;
    const auto keyed = [](std::uint16_t pixel, std::uint16_t old) { return pixel != 0 ? pixel : old; };
    int i = 0;
    for (; i + BLOCK <= count; i += BLOCK)
        for (int k = 0; k < BLOCK; ++k) dest[i + k] = keyed(src[i + k], dest[i + k]);
    for (; i < count; ++i) dest[i] = keyed(src[i], dest[i]);
}

// The one block copy: src's rectangle (left, top)-(right, bottom) to dest at (x, y). Refused as a
// whole unless the rectangle is non-empty and lies inside both surfaces.
void blit(Surface* dest, const Surface* src, int x, int y, int left, int top, int right, int bottom,
          Key key) {
    if (!dest || !src) return;
    if (left < 0 || top < 0 || left >= right || top >= bottom || right > src->width || bottom > src->height)
        return;
    const int width = right - left;
    const int height = bottom - top;
    if (x < 0 || y < 0 || x + width > dest->width || y + height > dest->height) return;
    if (dest == src) {
        // Within one surface the rows may overlap: copy from the source as it was.
        Surface before(width, height);
        blit(&before, src, 0, 0, left, top, right, bottom, Key::None);
        blit(dest, &before, x, y, 0, 0, width, height, key);
        return;
    }
    for (int row = 0; row < height; ++row) {
        const std::uint16_t* from = src->row(top + row) + left;
        std::uint16_t* to = dest->row(y + row) + x;
        if (key == Key::Black)
            copyKeyedRow(to, from, width);
        else
            std::memcpy(to, from, static_cast<std::size_t>(width) * sizeof(std::uint16_t));
    }
}

int unsigned16(int value) { return static_cast<std::uint16_t>(value); }
int signed16(int value) { return static_cast<std::int16_t>(value); }

void drawPart(Surface* dest, const ImageEntry& image, int x, int y, int left, int top, int right, int bottom,
              Key key) {
    if (image.width == 0) return;
    blit(dest, image.surface.get(), unsigned16(x), unsigned16(y), unsigned16(left), unsigned16(top),
         unsigned16(right), unsigned16(bottom), key);
}

// Keeps the part of the image that lies inside 0..boundsWidth x 0..boundsHeight.
void drawClipped(Surface* dest, const ImageEntry& image, int xValue, int yValue, int boundsWidth,
                 int boundsHeight) {
    if (image.width == 0) return;
    int x = signed16(xValue);
    int y = signed16(yValue);
    int left = 0;
    int top = 0;
    int right = image.width;
    int bottom = image.height;
    if (x < 0) {
        if (-x > image.width) return;
        left = -x;
        x = 0;
    }
    if (y < 0) {
        if (-y > image.height) return;
        top = -y;
        y = 0;
    }
    const int overRight = x + (right - left) - boundsWidth;
    if (overRight > 0) {
        if (overRight > right - left) return;
        right -= overRight;
    }
    const int overBottom = y + (bottom - top) - boundsHeight;
    if (overBottom > 0) {
        if (overBottom > bottom - top) return;
        bottom -= overBottom;
    }
    blit(dest, image.surface.get(), x, y, left, top, right, bottom, Key::Black);
}

}  // namespace

void DrawImage(Surface* dest, const ImageEntry& image, int x, int y) {
    drawPart(dest, image, x, y, 0, 0, image.width, image.height, Key::Black);
}

void DrawImageOpaque(Surface* dest, const ImageEntry& image, int x, int y) {
    drawPart(dest, image, x, y, 0, 0, image.width, image.height, Key::None);
}

void DrawImagePart(Surface* dest, const ImageEntry& image, int x, int y, int srcLeft, int srcTop,
                   int srcRight, int srcBottom) {
    drawPart(dest, image, x, y, srcLeft, srcTop, srcRight, srcBottom, Key::Black);
}

void DrawImagePartOpaque(Surface* dest, const ImageEntry& image, int x, int y, int srcLeft, int srcTop,
                         int srcRight, int srcBottom) {
    drawPart(dest, image, x, y, srcLeft, srcTop, srcRight, srcBottom, Key::None);
}

void DrawImageClipped(Surface* dest, const ImageEntry& image, int x, int y) {
    drawClipped(dest, image, x, y, screenWidth, screenHeight);
}

void DrawImageClippedWorld(Surface* dest, const ImageEntry& image, int x, int y) {
    drawClipped(dest, image, x, y, WORLD_WIDTH, WORLD_HEIGHT);
}

void DrawImageClipped1024(Surface* dest, const ImageEntry& image, int x, int y) {
    drawClipped(dest, image, x, y, TEXTURE_WIDTH, TEXTURE_HEIGHT);
}

void StretchImage(Surface* dest, const Surface* src) {
    if (!dest || !src || dest == src || dest->width <= 0 || dest->height <= 0 || src->width <= 0 ||
        src->height <= 0)
        return;
    std::vector<int> sourceColumn(static_cast<std::size_t>(dest->width));
    for (int x = 0; x < dest->width; ++x)
        sourceColumn[x] = static_cast<int>(static_cast<long long>(x) * src->width / dest->width);
    int previousRow = -1;
    for (int y = 0; y < dest->height; ++y) {
        const int sourceRow = static_cast<int>(static_cast<long long>(y) * src->height / dest->height);
        std::uint16_t* to = dest->row(y);
        if (sourceRow == previousRow) {
            std::memcpy(to, dest->row(y - 1), static_cast<std::size_t>(dest->width) * sizeof(std::uint16_t));
            continue;
        }
        const std::uint16_t* from = src->row(sourceRow);
        for (int x = 0; x < dest->width; ++x) to[x] = from[sourceColumn[x]];
        previousRow = sourceRow;
    }
}

void DrawPanel(Surface* dest, int x, int y, int width, int height) {
    if (!raznoe) return;
    const ImageEntry& frame = raznoe[PANEL_FRAME];
    const int right = x + CORNER + width;
    const int bottom = y + CORNER + height;
    DrawImagePart(dest, raznoe[PANEL_TEXTURE], x + CORNER, y + CORNER, 0, 0, width, height);
    DrawImagePart(dest, frame, x, y, 0, 0, 15, 15);
    for (int i = 0; i < width; ++i) DrawImagePart(dest, frame, x + CORNER + i, y, 14, 0, 15, 15);
    DrawImagePart(dest, frame, right, y, 15, 0, 30, 15);
    for (int j = 0; j < height; ++j) DrawImagePart(dest, frame, right, y + CORNER + j, 15, 14, 30, 15);
    DrawImagePart(dest, frame, right, bottom, 15, 15, 30, 30);
    for (int i = width - 1; i >= 0; --i) DrawImagePart(dest, frame, x + CORNER + i, bottom, 14, 15, 15, 30);
    DrawImagePart(dest, frame, x, bottom, 0, 15, 15, 30);
    for (int j = height - 1; j >= 0; --j) DrawImagePart(dest, frame, x, y + CORNER + j, 0, 14, 15, 15);
}

void BuildPanelTexture() {
    if (!raznoe) return;
    Surface* texture = raznoe[PANEL_TEXTURE].surface.get();
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            DrawImageClipped1024(texture, raznoe[PANEL_TILE], column * TILE_STEP_X, row * TILE_STEP_Y);
}
