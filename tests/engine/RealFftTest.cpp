#include "engine/dsp/RealFft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace vantor::engine::test {
namespace {

// |X[k]|^2 of the plain discrete Fourier transform, in double.
std::vector<double> DftPowers(const std::vector<float>& samples) {
    const std::size_t n = samples.size();
    std::vector<double> powers(n / 2);
    for (std::size_t k = 0; k < n / 2; ++k) {
        double re = 0.0;
        double im = 0.0;
        for (std::size_t t = 0; t < n; ++t) {
            const double angle =
                -2.0 * std::numbers::pi * static_cast<double>(k * t % n) / static_cast<double>(n);
            re += samples[t] * std::cos(angle);
            im += samples[t] * std::sin(angle);
        }
        powers[k] = re * re + im * im;
    }
    return powers;
}

// Noise plus a loud tone between two bins, so that every bin holds
// something and the levels span a wide range.
std::vector<float> TestBlock(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> noise(-1000.0f, 1000.0f);
    std::vector<float> samples(size);
    for (std::size_t t = 0; t < size; ++t) {
        const double phase =
            2.0 * std::numbers::pi * 37.5 * static_cast<double>(t) / static_cast<double>(size);
        samples[t] = 20000.0f * static_cast<float>(std::sin(phase)) + noise(random);
    }
    return samples;
}

void ExpectSameAsDft(std::size_t size, unsigned seed) {
    const std::vector<float> samples = TestBlock(size, seed);
    const std::vector<double> expected = DftPowers(samples);
    RealFft fft(size);
    std::vector<float> powers(size / 2, -1.0f);
    fft.PowerSpectrum(samples.data(), powers.data());
    const double peak = *std::max_element(expected.begin(), expected.end());
    for (std::size_t k = 0; k < size / 2; ++k) {
        // Magnitudes agree to float rounding of the largest bin.
        EXPECT_NEAR(std::sqrt(powers[k]), std::sqrt(expected[k]), 1e-5 * std::sqrt(peak))
            << "bin " << k << " of " << size;
    }
}

TEST(RealFft, MatchesThePlainTransformAtTheAnalyzersLength) {
    ExpectSameAsDft(1024, 1);
    ExpectSameAsDft(1024, 2);
}

TEST(RealFft, MatchesThePlainTransformAtOtherLengths) {
    for (std::size_t size : {8u, 16u, 64u, 256u, 4096u}) {
        ExpectSameAsDft(size, 3);
    }
}

TEST(RealFft, ConstantBlockHasOnlyTheZeroBin) {
    std::vector<float> samples(1024, 0.25f);
    RealFft fft(samples.size());
    std::vector<float> powers(512);
    fft.PowerSpectrum(samples.data(), powers.data());
    EXPECT_FLOAT_EQ(powers[0], 256.0f * 256.0f);
    for (std::size_t k = 1; k < powers.size(); ++k) {
        EXPECT_LT(powers[k], 1e-6f) << "bin " << k;
    }
}

} // namespace
} // namespace vantor::engine::test
