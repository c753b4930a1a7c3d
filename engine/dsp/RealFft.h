// The power spectrum of a block of real samples: a radix-2 complex FFT of
// half the length over the even and odd samples, then one pass that splits
// it into the real block's bins. Every table (twiddles, bit reversal) is made
// by the constructor, and the butterflies run over separate real and
// imaginary arrays, in loops the compiler turns into vector code. Not
// thread-safe: one thread at a time per instance.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantor::engine {

class RealFft {
public:
    // `size`: a power of two, at least 8.
    explicit RealFft(std::size_t size);

    // Writes |X[k]|^2 for k in [0, size / 2), where X is the unscaled
    // discrete Fourier transform of the `size` values of `samples`.
    void PowerSpectrum(const float* samples, float* power);

private:
    void LoadReordered(const float* samples);
    void FirstTwoStages();
    void Stage(std::size_t half);
    void SplitPowers(float* power) const;

    std::size_t m_half; // the complex transform's length
    std::vector<std::uint32_t> m_reversed;
    // Twiddles of the stage joining halves of length h at [h, 2h).
    std::vector<float> m_twiddleRe;
    std::vector<float> m_twiddleIm;
    // exp(-2 pi i k / size) for the split into the real block's bins.
    std::vector<float> m_splitRe;
    std::vector<float> m_splitIm;
    std::vector<float> m_re;
    std::vector<float> m_im;
};

} // namespace vantor::engine
