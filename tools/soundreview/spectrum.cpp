#include "soundreview/spectrum.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace soundreview {

namespace {

// In-place iterative radix-2 FFT; the size is a power of two.
void fft(std::vector<std::complex<double>>& a) {
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const double angle = -2 * std::numbers::pi / static_cast<double>(len);
        const std::complex<double> step(std::cos(angle), std::sin(angle));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> w(1);
            for (std::size_t k = 0; k < len / 2; ++k, w *= step) {
                const std::complex<double> u = a[i + k], v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

}  // namespace

std::vector<double> framePower(const Samples& s, long start) {
    std::vector<std::complex<double>> a(FFT_SIZE);
    for (int i = 0; i < FFT_SIZE; ++i) {
        const long at = start + i;
        const double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / FFT_SIZE);
        a[i] = at >= 0 && at < static_cast<long>(s.size()) ? s[static_cast<std::size_t>(at)] * hann : 0.0;
    }
    fft(a);
    std::vector<double> power(FFT_SIZE / 2 + 1);
    for (std::size_t k = 0; k < power.size(); ++k) power[k] = std::norm(a[k]);
    return power;
}

double spectralCentroid(const Samples& s, int rate) {
    double weighted = 0, total = 0;
    for (long start = 0; start < static_cast<long>(s.size()); start += FFT_SIZE / 2) {
        const std::vector<double> p = framePower(s, start);
        for (std::size_t k = 1; k < p.size(); ++k) {
            weighted += p[k] * static_cast<double>(k) * rate / FFT_SIZE;
            total += p[k];
        }
    }
    return total > 0 ? weighted / total : 0.0;
}

}  // namespace soundreview
