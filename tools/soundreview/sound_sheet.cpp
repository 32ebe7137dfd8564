#include "soundreview/sound_sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "datagen/font.h"
#include "soundreview/measure.h"
#include "soundreview/sound_checks.h"
#include "soundreview/sound_kinds.h"

namespace soundreview {

namespace {

constexpr int LABEL_W = 320, WAVE_W = 400, SPEC_W = 560, GAP = 8;
constexpr int ROW_H = 96, HEADER_H = 30;
constexpr int WIDTH = LABEL_W + WAVE_W + SPEC_W + 4 * GAP;
constexpr double LOW_HZ = 40, HIGH_HZ = 22050;
constexpr double FLOOR_DB = -90, TOP_DB = -10;

constexpr std::uint16_t rgb(int r, int g, int b) { return static_cast<std::uint16_t>(r << 10 | g << 5 | b); }
constexpr std::uint16_t BACKGROUND = rgb(3, 3, 4), PANEL = rgb(1, 1, 2), GRID = rgb(7, 7, 8);
constexpr std::uint16_t WAVE = rgb(8, 28, 12), TEXT = rgb(28, 28, 28), NAME = rgb(31, 31, 0), BAD = rgb(31, 8, 6);

class Canvas {
public:
    explicit Canvas(int height) : height_(height), pixels_(static_cast<std::size_t>(WIDTH) * height, BACKGROUND) {}

    void put(int x, int y, std::uint16_t c) {
        if (x >= 0 && x < WIDTH && y >= 0 && y < height_) pixels_[static_cast<std::size_t>(y) * WIDTH + x] = c;
    }
    void fill(int x, int y, int w, int h, std::uint16_t c) {
        for (int dy = 0; dy < h; ++dy)
            for (int dx = 0; dx < w; ++dx) put(x + dx, y + dy, c);
    }
    void text(const std::string& s, int x, int y, int cell, std::uint16_t c) {
        for (std::size_t i = 0; i < s.size(); ++i)
            for (int r = 0; r < 7; ++r)
                for (int col = 0; col < 5; ++col)
                    if (datagen::glyphCell(s[i], r, col)) fill(x + (static_cast<int>(i) * 6 + col) * cell, y + r * cell, cell, cell, c);
    }
    SpriteImage image() && {
        SpriteImage out;
        out.width = WIDTH;
        out.height = static_cast<std::uint16_t>(height_);
        out.pixels = std::move(pixels_);
        return out;
    }

private:
    int height_;
    std::vector<std::uint16_t> pixels_;
};

std::string format(const char* pattern, double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, pattern, v);
    return buf;
}

// Dark blue through purple and red to yellow and white, as the level rises.
std::uint16_t heat(double u) {
    constexpr double STOPS[][3] = {{0, 0, 4}, {12, 0, 16}, {28, 4, 8}, {31, 24, 0}, {31, 31, 31}};
    const double at = std::clamp(u, 0.0, 1.0) * 4;
    const int i = std::min(static_cast<int>(at), 3);
    const auto mix = [&](int c) { return static_cast<int>(std::lround(STOPS[i][c] + (STOPS[i + 1][c] - STOPS[i][c]) * (at - i))); };
    return rgb(mix(0), mix(1), std::max(1, mix(2)));  // never 0, the transparent colour
}

int rowOfHz(double hz) { return static_cast<int>((ROW_H - 1) * (1 - std::log(hz / LOW_HZ) / std::log(HIGH_HZ / LOW_HZ))); }

void waveform(Canvas& c, const Samples& s, int x0, int y0) {
    c.fill(x0, y0, WAVE_W, ROW_H, PANEL);
    for (int x = 0; x < WAVE_W; x += 2) c.put(x0 + x, y0 + ROW_H / 2, GRID);
    const int half = ROW_H / 2 - 1;
    for (int x = 0; x < WAVE_W; ++x) {
        const std::size_t a = s.size() * x / WAVE_W, b = std::max(a + 1, s.size() * (x + 1) / WAVE_W);
        float lo = 0, hi = 0;
        for (std::size_t i = a; i < b && i < s.size(); ++i) lo = std::min(lo, s[i]), hi = std::max(hi, s[i]);
        for (int y = static_cast<int>(std::lround(-hi * half)); y <= std::lround(-lo * half); ++y) c.put(x0 + x, y0 + ROW_H / 2 + y, WAVE);
    }
}

void spectrogram(Canvas& c, const Samples& s, int rate, int x0, int y0) {
    // A full-scale sine in a Hann window of FFT_SIZE peaks at (FFT_SIZE / 4)^2.
    const double reference = std::pow(FFT_SIZE / 4.0, 2);
    for (int x = 0; x < SPEC_W; ++x) {
        const long centre = static_cast<long>(static_cast<double>(s.size()) * (x + 0.5) / SPEC_W);
        const std::vector<double> p = framePower(s, centre - FFT_SIZE / 2);
        for (int y = 0; y < ROW_H; ++y) {
            const double top = LOW_HZ * std::pow(HIGH_HZ / LOW_HZ, 1 - static_cast<double>(y) / ROW_H);
            const double bottom = LOW_HZ * std::pow(HIGH_HZ / LOW_HZ, 1 - static_cast<double>(y + 1) / ROW_H);
            const std::size_t k0 = static_cast<std::size_t>(bottom * FFT_SIZE / rate), k1 = static_cast<std::size_t>(top * FFT_SIZE / rate);
            double most = 0;
            for (std::size_t k = k0; k <= k1 && k < p.size(); ++k) most = std::max(most, p[k]);
            const double db = 10 * std::log10(most / reference + 1e-12);
            c.put(x0 + x, y0 + y, heat((db - FLOOR_DB) / (TOP_DB - FLOOR_DB)));
        }
    }
    for (const auto& [hz, label] : {std::pair{100.0, "100"}, std::pair{1000.0, "1K"}, std::pair{10000.0, "10K"}}) {
        const int y = y0 + rowOfHz(hz);
        for (int x = 0; x < 10; ++x) c.put(x0 + SPEC_W - 30 + x, y, TEXT);
        c.text(label, x0 + SPEC_W - 18 - (label[1] == 'K' ? 0 : 6), y - 3, 1, TEXT);
    }
}

void labels(Canvas& c, const BankSound& sound, const Measures& m, int y0) {
    const SoundInfo* info = soundInfo(sound.id);
    c.text(std::to_string(sound.id) + " " + (info ? info->name : "UNKNOWN"), GAP, y0 + 4, 2, NAME);
    c.text((sound.loop ? "LOOP " : "") + format("%.2f S", m.seconds), GAP, y0 + 26, 2, TEXT);
    const bool within = info && m.loudness >= loudnessWindow(info->kind).low && m.loudness <= loudnessWindow(info->kind).high;
    c.text(format("%.1f LUFS", m.loudness) + (sound.loop ? " INTEGRATED" : " MAX 400 MS"), GAP, y0 + 46, 2, within ? TEXT : BAD);
    if (info) {
        const LoudnessWindow w = loudnessWindow(info->kind);
        c.text(std::string(kindName(info->kind)) + format(" %.0f", w.low) + format(" TO %.0f LUFS", w.high), GAP, y0 + 68, 1, TEXT);
    }
    const std::size_t broken = checkSound(sound, m).size();
    c.text(broken ? "FAILS " + std::to_string(broken) + " CHECKS" : "CHECKS OK", GAP + 190, y0 + 68, 1, broken ? BAD : WAVE);
    c.text(format("PEAK %.1f DBTP", m.truePeakDb) + format("   CENTROID %.0f HZ", m.centroidHz), GAP, y0 + 80, 1, TEXT);
}

}  // namespace

SpriteImage soundSheet(const std::vector<BankSound>& sounds) {
    Canvas c(HEADER_H + static_cast<int>(sounds.size()) * (ROW_H + GAP) + GAP);
    c.text("SOUND.SDF", GAP, 8, 2, NAME);
    c.text("WAVEFORM: FULL SCALE TOP TO BOTTOM", LABEL_W + 2 * GAP, 12, 1, TEXT);
    c.text("SPECTROGRAM: 40 HZ - 22 KHZ LOG, -90 TO -10 DB", LABEL_W + WAVE_W + 3 * GAP, 12, 1, TEXT);
    int y = HEADER_H;
    for (const BankSound& sound : sounds) {
        const Samples s = decode(sound);
        labels(c, sound, measure(sound), y);
        waveform(c, s, LABEL_W + 2 * GAP, y);
        spectrogram(c, s, static_cast<int>(sound.rate), LABEL_W + WAVE_W + 3 * GAP, y);
        y += ROW_H + GAP;
    }
    return std::move(c).image();
}

}  // namespace soundreview
