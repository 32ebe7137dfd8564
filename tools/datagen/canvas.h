// The drawing toolkit of the data generator: a floating-point RGBA canvas, shapes given by signed
// distance functions (negative inside) with anti-aliased dark outlines, shading helpers, tileable
// value noise, a fixed-seed random generator, rotation and conversion to 16-bit sprite pixels.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "gfx/sprite_writer.h"

namespace datagen {

struct Rgb {
    float r = 0, g = 0, b = 0;  // 0..1
};

Rgb rgb255(int r, int g, int b);
Rgb mix(Rgb a, Rgb b, float t);
Rgb scale(Rgb c, float k);
// Lights a base colour: light 0 is black, 1 the colour itself, above 1 blends towards white.
Rgb lit(Rgb base, float light);

// The near-black outline of every cartoon shape; its 5-5-5 value is 0x0421.
inline const Rgb OUTLINE{1.0f / 31, 1.0f / 31, 1.0f / 31};

using Sdf = std::function<float(float x, float y)>;

// A rectangle of the canvas in output pixels; shapes drawn with one are not looked at outside it.
struct Area {
    float x0 = -1e9f, y0 = -1e9f, x1 = 1e9f, y1 = 1e9f;
};
// The square around a circle, with room for its outline and anti-aliasing.
Area around(float cx, float cy, float r);
using Paint = std::function<Rgb(float x, float y)>;

Paint solid(Rgb c);

// Premultiplied RGBA samples. Drawing coordinates are output pixels; a canvas drawn at `scale` 4
// holds four samples per pixel in each direction (for sprites that are rotated or downsampled).
class Canvas {
public:
    Canvas(int width, int height, int scale = 1);

    int width() const { return width_; }    // in output pixels
    int height() const { return height_; }
    int scale() const { return scale_; }

    // Paints a shape over the canvas: the outer `outlineWidth` of the shape (pixels) in `outline`,
    // the inside by `paint`. Width 0 gives no outline.
    void fill(const Sdf& shape, const Paint& paint, float outlineWidth = 1.0f, Rgb outline = OUTLINE,
              float opacity = 1.0f, Area area = {});
    // Paints every sample (opaque): backgrounds and textures.
    void paintAll(const Paint& paint);
    void clearWhere(const std::function<bool(float x, float y)>& f);
    // Composites another canvas of the same scale at an offset in output pixels.
    void draw(const Canvas& other, int dx, int dy);

    // Colour and coverage of the output pixel (x, y), averaged over its samples.
    float coverage(int x, int y) const;
    Rgb colour(int x, int y) const;

private:
    struct Sample {
        float r = 0, g = 0, b = 0, a = 0;
    };
    friend Canvas rotated(const Canvas& source, float degreesClockwise);
    int width_, height_, scale_;
    std::vector<Sample> samples_;
};

// The canvas turned about its centre, resampled at the same scale.
Canvas rotated(const Canvas& source, float degreesClockwise);

// --- Shapes (all distances in pixels) ---
Sdf circle(float cx, float cy, float r);
Sdf ellipse(float cx, float cy, float rx, float ry);
Sdf box(float x0, float y0, float x1, float y1, float radius = 0);
Sdf capsule(float ax, float ay, float bx, float by, float r);
Sdf polygon(std::vector<float> xy);  // x0, y0, x1, y1, ...
Sdf unite(Sdf a, Sdf b);
Sdf intersect(Sdf a, Sdf b);
Sdf subtract(Sdf a, Sdf b);
Sdf grow(Sdf a, float by);

// --- Noise and randomness ---
// Smooth value noise in 0..1. With periods > 0 it repeats every periodX cells across and periodY down.
float valueNoise(float x, float y, std::uint32_t seed, int periodX = 0, int periodY = 0);
// Sum of octaves; the periods double with each octave, so a tileable base stays tileable.
float fractalNoise(float x, float y, std::uint32_t seed, int octaves, int periodX = 0, int periodY = 0);
std::uint32_t hash32(std::uint32_t a, std::uint32_t b = 0, std::uint32_t c = 0);

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint32_t next();
    float uniform(float lo = 0.0f, float hi = 1.0f);

private:
    std::uint64_t state_;
};

// --- Shading ---
// Light of a sphere point: (nx, ny) is the offset from the centre divided by the radius.
float sphereLight(float nx, float ny);
// Light across a cylinder: u runs -1..1 from one side to the other.
float cylinderLight(float u);
Paint sphereShade(Rgb base, float cx, float cy, float r);
Paint verticalGradient(Rgb top, Rgb bottom, float y0, float y1);

// --- Pixels ---
std::uint16_t toPixel555(Rgb c);
// A pixel of a collision picture: its low and high bytes are non-zero in 5-5-5 and in 5-6-5.
std::uint16_t toCollisionPixel(Rgb c);
bool isCollisionSafe(std::uint16_t pixel);
// Opaque where the coverage is at least one half; transparent (0) elsewhere.
SpriteImage toSprite(const Canvas& canvas, bool collision);
// 8-bit RGBA, straight alpha, rows top to bottom: the desktop icons.
std::vector<std::uint8_t> toRgba8(const Canvas& canvas);
SpriteImage blankImage(int width, int height);  // all transparent
SpriteImage solidImage(int width, int height, std::uint16_t pixel);

}  // namespace datagen
