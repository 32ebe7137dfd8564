// Short-time spectra of a sound: the spectral centroid its checks read and the spectrogram its
// review sheet draws.
#pragma once

#include <vector>

namespace soundreview {

using Samples = std::vector<float>;

constexpr int FFT_SIZE = 2048;

// Power of each frequency bin (bin k is k x rate / FFT_SIZE Hz) of a Hann-windowed frame of
// FFT_SIZE samples starting at `start` (zeros past the end).
std::vector<double> framePower(const Samples& s, long start);

// The power-weighted mean frequency over the whole sound, in Hz.
double spectralCentroid(const Samples& s, int rate);

}  // namespace soundreview
