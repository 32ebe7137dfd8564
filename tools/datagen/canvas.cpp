#include "datagen/canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace datagen {

namespace {

float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

float smooth(float t) { return t * t * (3.0f - 2.0f * t); }

int quantize(float c) { return std::clamp(static_cast<int>(std::lround(clamp01(c) * 31.0f)), 0, 31); }

}  // namespace

Rgb rgb255(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

Rgb mix(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb scale(Rgb c, float k) { return {c.r * k, c.g * k, c.b * k}; }

Rgb lit(Rgb base, float light) {
    if (light <= 1.0f) return scale(base, std::max(light, 0.0f));
    return mix(base, {1, 1, 1}, std::min(light - 1.0f, 1.0f));
}

Paint solid(Rgb c) {
    return [c](float, float) { return c; };
}

// ---------------------------------------------------------------------------------------------

Canvas::Canvas(int width, int height, int scale)
    : width_(width), height_(height), scale_(scale),
      samples_(static_cast<std::size_t>(width) * height * scale * scale) {}

Area around(float cx, float cy, float r) { return {cx - r - 2, cy - r - 2, cx + r + 2, cy + r + 2}; }

void Canvas::fill(const Sdf& shape, const Paint& paint, float outlineWidth, Rgb outline, float opacity, Area area) {
    const int sw = width_ * scale_, sh = height_ * scale_;
    const float inv = 1.0f / static_cast<float>(scale_);
    const float k = static_cast<float>(scale_);
    auto first = [&](float v, int size) { return static_cast<int>(std::clamp(std::floor(v * k), 0.0f, static_cast<float>(size))); };
    auto last = [&](float v, int size) { return static_cast<int>(std::clamp(std::ceil(v * k), 0.0f, static_cast<float>(size))); };
    const int sx0 = first(area.x0, sw), sx1 = last(area.x1, sw), sy0 = first(area.y0, sh), sy1 = last(area.y1, sh);
    for (int sy = sy0; sy < sy1; ++sy) {
        const float y = (static_cast<float>(sy) + 0.5f) * inv;
        for (int sx = sx0; sx < sx1; ++sx) {
            const float x = (static_cast<float>(sx) + 0.5f) * inv;
            const float d = shape(x, y);
            const float cover = clamp01(0.5f - d * k);
            if (cover <= 0.0f) continue;
            const float inner = outlineWidth > 0 ? clamp01(0.5f - (d + outlineWidth) * k) : 1.0f;
            const Rgb c = inner > 0.0f ? mix(outline, paint(x, y), inner) : outline;
            const float a = cover * opacity;
            Sample& s = samples_[static_cast<std::size_t>(sy) * sw + sx];
            s.r = c.r * a + s.r * (1 - a);
            s.g = c.g * a + s.g * (1 - a);
            s.b = c.b * a + s.b * (1 - a);
            s.a = a + s.a * (1 - a);
        }
    }
}

void Canvas::paintAll(const Paint& paint) {
    fill([](float, float) { return -1e9f; }, paint, 0.0f);
}

void Canvas::clearWhere(const std::function<bool(float, float)>& f) {
    const int sw = width_ * scale_, sh = height_ * scale_;
    const float inv = 1.0f / static_cast<float>(scale_);
    for (int sy = 0; sy < sh; ++sy)
        for (int sx = 0; sx < sw; ++sx)
            if (f((sx + 0.5f) * inv, (sy + 0.5f) * inv)) samples_[static_cast<std::size_t>(sy) * sw + sx] = {};
}

void Canvas::draw(const Canvas& other, int dx, int dy) {
    if (other.scale_ != scale_) throw std::invalid_argument("canvases of different scales");
    const int sw = width_ * scale_, sh = height_ * scale_;
    const int ow = other.width_ * other.scale_, oh = other.height_ * other.scale_;
    for (int oy = 0; oy < oh; ++oy) {
        const int sy = oy + dy * scale_;
        if (sy < 0 || sy >= sh) continue;
        for (int ox = 0; ox < ow; ++ox) {
            const int sx = ox + dx * scale_;
            if (sx < 0 || sx >= sw) continue;
            const Sample& o = other.samples_[static_cast<std::size_t>(oy) * ow + ox];
            if (o.a <= 0.0f) continue;
            Sample& s = samples_[static_cast<std::size_t>(sy) * sw + sx];
            s.r = o.r + s.r * (1 - o.a);
            s.g = o.g + s.g * (1 - o.a);
            s.b = o.b + s.b * (1 - o.a);
            s.a = o.a + s.a * (1 - o.a);
        }
    }
}

float Canvas::coverage(int x, int y) const {
    float a = 0;
    const int sw = width_ * scale_;
    for (int j = 0; j < scale_; ++j)
        for (int i = 0; i < scale_; ++i)
            a += samples_[static_cast<std::size_t>(y * scale_ + j) * sw + x * scale_ + i].a;
    return a / static_cast<float>(scale_ * scale_);
}

Rgb Canvas::colour(int x, int y) const {
    float r = 0, g = 0, b = 0, a = 0;
    const int sw = width_ * scale_;
    for (int j = 0; j < scale_; ++j)
        for (int i = 0; i < scale_; ++i) {
            const Sample& s = samples_[static_cast<std::size_t>(y * scale_ + j) * sw + x * scale_ + i];
            r += s.r;
            g += s.g;
            b += s.b;
            a += s.a;
        }
    if (a <= 0.0f) return {};
    return {r / a, g / a, b / a};
}

namespace {

// Bilinear sample of premultiplied samples at a sample-space position.
template <class S>
S sampleAt(const std::vector<S>& samples, int sw, int sh, float fx, float fy) {
    const float x = fx - 0.5f, y = fy - 0.5f;
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const float tx = x - static_cast<float>(x0), ty = y - static_cast<float>(y0);
    S out{};
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) {
            const int sx = x0 + i, sy = y0 + j;
            if (sx < 0 || sy < 0 || sx >= sw || sy >= sh) continue;
            const float w = (i ? tx : 1 - tx) * (j ? ty : 1 - ty);
            const S& s = samples[static_cast<std::size_t>(sy) * sw + sx];
            out.r += s.r * w;
            out.g += s.g * w;
            out.b += s.b * w;
            out.a += s.a * w;
        }
    return out;
}

}  // namespace

Canvas rotated(const Canvas& source, float degreesClockwise) {
    Canvas out(source.width_, source.height_, source.scale_);
    const int sw = source.width_ * source.scale_, sh = source.height_ * source.scale_;
    const float cx = sw * 0.5f, cy = sh * 0.5f;
    const float a = degreesClockwise * std::numbers::pi_v<float> / 180.0f;
    const float c = std::cos(a), s = std::sin(a);
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) {
            // Screen y points down, so a clockwise turn is the ordinary rotation matrix; invert it.
            const float px = x + 0.5f - cx, py = y + 0.5f - cy;
            const float qx = c * px + s * py + cx, qy = -s * px + c * py + cy;
            out.samples_[static_cast<std::size_t>(y) * sw + x] = sampleAt(source.samples_, sw, sh, qx, qy);
        }
    return out;
}

// ---------------------------------------------------------------------------------------------

Sdf circle(float cx, float cy, float r) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

Sdf ellipse(float cx, float cy, float rx, float ry) {
    // Scaled-circle approximation, corrected by the gradient length: good enough for outlines.
    return [=](float x, float y) {
        const float u = (x - cx) / rx, v = (y - cy) / ry;
        const float k = std::hypot(u, v);
        const float g = std::hypot(u / rx, v / ry);
        if (g < 1e-6f) return -std::min(rx, ry);
        return (k - 1.0f) * k / g;
    };
}

Sdf box(float x0, float y0, float x1, float y1, float radius) {
    const float cx = (x0 + x1) * 0.5f, cy = (y0 + y1) * 0.5f;
    const float hx = (x1 - x0) * 0.5f - radius, hy = (y1 - y0) * 0.5f - radius;
    return [=](float x, float y) {
        const float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
        return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Sdf capsule(float ax, float ay, float bx, float by, float r) {
    return [=](float x, float y) {
        const float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
        const float len2 = dx * dx + dy * dy;
        const float t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f) : 0.0f;
        return std::hypot(px - dx * t, py - dy * t) - r;
    };
}

Sdf polygon(std::vector<float> xy) {
    return [p = std::move(xy)](float x, float y) {
        const std::size_t n = p.size() / 2;
        float best = 1e9f;
        bool inside = false;
        for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
            const float ax = p[2 * j], ay = p[2 * j + 1], bx = p[2 * i], by = p[2 * i + 1];
            const float ex = bx - ax, ey = by - ay, wx = x - ax, wy = y - ay;
            const float len2 = ex * ex + ey * ey;
            const float t = len2 > 0 ? std::clamp((wx * ex + wy * ey) / len2, 0.0f, 1.0f) : 0.0f;
            best = std::min(best, std::hypot(wx - ex * t, wy - ey * t));
            if ((ay > y) != (by > y) && x < ax + (y - ay) * ex / ey) inside = !inside;
        }
        return inside ? -best : best;
    };
}

Sdf unite(Sdf a, Sdf b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
Sdf intersect(Sdf a, Sdf b) {
    return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}
Sdf subtract(Sdf a, Sdf b) {
    return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}
Sdf grow(Sdf a, float by) {
    return [=](float x, float y) { return a(x, y) - by; };
}

// ---------------------------------------------------------------------------------------------

std::uint32_t hash32(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    std::uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

float valueNoise(float x, float y, std::uint32_t seed, int periodX, int periodY) {
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const float tx = smooth(x - fx), ty = smooth(y - fy);
    auto at = [&](int i, int j) {
        if (periodX > 0) i = ((i % periodX) + periodX) % periodX;
        if (periodY > 0) j = ((j % periodY) + periodY) % periodY;
        return static_cast<float>(hash32(static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(j), seed) &
                                  0xFFFF) /
               65535.0f;
    };
    const float a = at(ix, iy), b = at(ix + 1, iy), c = at(ix, iy + 1), d = at(ix + 1, iy + 1);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float fractalNoise(float x, float y, std::uint32_t seed, int octaves, int periodX, int periodY) {
    float sum = 0, weight = 0, amp = 1;
    for (int o = 0; o < octaves; ++o) {
        sum += valueNoise(x, y, seed + 977u * static_cast<std::uint32_t>(o), periodX, periodY) * amp;
        weight += amp;
        amp *= 0.5f;
        x *= 2;
        y *= 2;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / weight;
}

std::uint32_t Random::next() {
    // splitmix64
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

float Random::uniform(float lo, float hi) { return lo + (hi - lo) * static_cast<float>(next() >> 8) / 16777216.0f; }


// ---------------------------------------------------------------------------------------------

float sphereLight(float nx, float ny) {
    const float nz2 = 1.0f - nx * nx - ny * ny;
    const float nz = nz2 > 0 ? std::sqrt(nz2) : 0.0f;
    // Light from the upper left, towards the viewer.
    const float lx = -0.5f, ly = -0.6f, lz = 0.62f;
    const float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
    const float highlight = std::pow(std::max(0.0f, 2 * nz * (nx * lx + ny * ly + nz * lz) - lz), 12.0f);
    return 0.45f + 0.75f * diffuse + 0.6f * highlight;
}

float cylinderLight(float u) { return sphereLight(std::clamp(u, -1.0f, 1.0f) * 0.95f, 0.0f); }

Paint sphereShade(Rgb base, float cx, float cy, float r) {
    return [=](float x, float y) { return lit(base, sphereLight((x - cx) / r, (y - cy) / r)); };
}

Paint verticalGradient(Rgb top, Rgb bottom, float y0, float y1) {
    return [=](float, float y) { return mix(top, bottom, clamp01((y - y0) / (y1 - y0))); };
}

// ---------------------------------------------------------------------------------------------

std::uint16_t toPixel555(Rgb c) {
    const auto p = static_cast<std::uint16_t>(quantize(c.r) << 10 | quantize(c.g) << 5 | quantize(c.b));
    return p ? p : 0x0421;  // an opaque pixel is never the transparent 0
}

std::uint16_t toCollisionPixel(Rgb c) {
    int r = quantize(c.r), g = quantize(c.g), b = quantize(c.b);
    // Red and blue of at least 1 make both bytes non-zero in both layouts.
    r = std::max(r, 1);
    b = std::max(b, 1);
    return static_cast<std::uint16_t>(r << 10 | g << 5 | b);
}

bool isCollisionSafe(std::uint16_t p) {
    const std::uint16_t q = static_cast<std::uint16_t>(((p & 0x7FE0) << 1) | (p & 0x1F));
    return (p & 0xFF) && (p >> 8) && (q & 0xFF) && (q >> 8);
}

SpriteImage toSprite(const Canvas& canvas, bool collision) {
    SpriteImage image;
    image.width = static_cast<std::uint16_t>(canvas.width());
    image.height = static_cast<std::uint16_t>(canvas.height());
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.coverage(x, y) < 0.5f) continue;
            const Rgb c = canvas.colour(x, y);
            image.pixels[static_cast<std::size_t>(y) * image.width + x] =
                collision ? toCollisionPixel(c) : toPixel555(c);
        }
    return image;
}

std::vector<std::uint8_t> toRgba8(const Canvas& canvas) {
    std::vector<std::uint8_t> rgba;
    rgba.reserve(static_cast<std::size_t>(canvas.width()) * canvas.height() * 4);
    const auto byte = [](float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); };
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgb c = canvas.colour(x, y);
            for (float v : {c.r, c.g, c.b, canvas.coverage(x, y)}) rgba.push_back(byte(v));
        }
    return rgba;
}

SpriteImage blankImage(int width, int height) { return solidImage(width, height, 0); }

SpriteImage solidImage(int width, int height, std::uint16_t pixel) {
    SpriteImage image;
    image.width = static_cast<std::uint16_t>(width);
    image.height = static_cast<std::uint16_t>(height);
    image.pixels.assign(static_cast<std::size_t>(width) * height, pixel);
    return image;
}

}  // namespace datagen
