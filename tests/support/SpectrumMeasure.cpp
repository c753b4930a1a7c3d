#include "SpectrumMeasure.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace vantor::test {

namespace {
constexpr std::size_t kMaxFrames = 65536;
// Four-term Blackman-Harris: -92 dB side lobes, a main lobe four bins wide
// each side. Spurs are looked for clear of it with some margin.
constexpr double kWindow[] = {0.35875, 0.48829, 0.14128, 0.01168};
constexpr std::size_t kLobeBins = 5;
constexpr std::size_t kToneGuardBins = 32;

void Fft(std::vector<std::complex<double>>& data) {
    const std::size_t n = data.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; (j & bit) != 0; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(data[i], data[j]);
    }
    for (std::size_t length = 2; length <= n; length <<= 1) {
        const double angle = -2.0 * std::numbers::pi / static_cast<double>(length);
        for (std::size_t start = 0; start < n; start += length) {
            for (std::size_t k = 0; k < length / 2; ++k) {
                const std::complex<double> twiddle =
                    std::polar(1.0, angle * static_cast<double>(k));
                const std::complex<double> even = data[start + k];
                const std::complex<double> odd = data[start + k + length / 2] * twiddle;
                data[start + k] = even + odd;
                data[start + k + length / 2] = even - odd;
            }
        }
    }
}
} // namespace

Spectrum::Spectrum(std::span<const float> stereo, int sampleRate, int channel) {
    const std::size_t frames = stereo.size() / 2;
    std::size_t size = 1;
    while (size * 2 <= std::min(frames, kMaxFrames))
        size *= 2;
    const std::size_t first = (frames - size) / 2;
    std::vector<std::complex<double>> data(size);
    for (std::size_t i = 0; i < size; ++i) {
        const double phase =
            2.0 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(size);
        const double weight = kWindow[0] - kWindow[1] * std::cos(phase) +
                              kWindow[2] * std::cos(2.0 * phase) -
                              kWindow[3] * std::cos(3.0 * phase);
        data[i] = stereo[2 * (first + i) + static_cast<std::size_t>(channel)] * weight;
    }
    Fft(data);
    // A sine of amplitude A sums to A * size * kWindow[0] / 2 in its bin.
    const double scale = 2.0 / (static_cast<double>(size) * kWindow[0]);
    m_magnitude.resize(size / 2);
    for (std::size_t i = 0; i < size / 2; ++i)
        m_magnitude[i] = std::abs(data[i]) * scale;
    m_binHz = static_cast<double>(sampleRate) / static_cast<double>(size);
}

double Spectrum::Level(double hz) const {
    // The power summed over the main lobe: the same wherever the tone falls
    // between two bins, unlike the highest bin.
    const auto centre = static_cast<std::size_t>(std::lround(hz / m_binHz));
    const std::size_t low = centre > kLobeBins ? centre - kLobeBins : 0;
    const std::size_t high = std::min(centre + kLobeBins + 1, m_magnitude.size());
    double power = 0.0;
    for (std::size_t i = low; i < high; ++i)
        power += m_magnitude[i] * m_magnitude[i];
    const double peakShare = kWindow[0] * kWindow[0];
    const double windowPower =
        peakShare +
        (kWindow[1] * kWindow[1] + kWindow[2] * kWindow[2] + kWindow[3] * kWindow[3]) / 2.0;
    return std::sqrt(power * peakShare / windowPower);
}

double Spectrum::LevelDb(double hz) const {
    return 20.0 * std::log10(std::max(Level(hz), 1e-30));
}

Spectrum::Spur Spectrum::WorstSpur(double toneHz, double lowHz) const {
    const auto centre = static_cast<std::size_t>(std::lround(toneHz / m_binHz));
    const auto low = static_cast<std::size_t>(std::ceil(lowHz / m_binHz));
    std::size_t worst = 0;
    double worstMagnitude = 1e-30;
    for (std::size_t i = low; i < m_magnitude.size(); ++i) {
        const std::size_t distance = i > centre ? i - centre : centre - i;
        if (distance > kToneGuardBins && m_magnitude[i] > worstMagnitude) {
            worst = i;
            worstMagnitude = m_magnitude[i];
        }
    }
    return {static_cast<double>(worst) * m_binHz,
            20.0 * std::log10(worstMagnitude / std::max(Level(toneHz), 1e-30))};
}

} // namespace vantor::test
