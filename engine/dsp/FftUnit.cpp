#include "engine/dsp/FftUnit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantor::engine {

FftUnit::FftUnit()
    : m_blocks(kWindow), m_fft(kWindow), m_window(kWindow), m_samples(kWindow),
      m_power(kSpectrumSize) {
    for (std::size_t i = 0; i < kWindow; ++i) {
        m_window[i] = 0.5f - 0.5f * static_cast<float>(std::cos(2.0 * std::numbers::pi *
                                                                static_cast<double>(i) / kWindow));
    }
}

float* FftUnit::Process(float*, float* block, std::int32_t frames, void* userValue) {
    auto* self = static_cast<FftUnit*>(userValue);
    auto count = std::min<std::size_t>(static_cast<std::size_t>(std::max(frames, 0)), kWindow);
    self->m_blocks.Publish([&](float* slot) {
        // The newest `count` frames end the window; older values are zero.
        std::fill(slot, slot + kWindow - count, 0.0f);
        const float* tail = block + 2 * (static_cast<std::size_t>(frames) - count);
        float* __restrict mono = slot + kWindow - count;
        for (std::size_t i = 0; i < count; ++i) {
            mono[i] = 0.5f * (tail[2 * i] + tail[2 * i + 1]);
        }
    });
    return block;
}

Spectrum FftUnit::Compute() {
    // The display may ask more often than the mixer makes blocks; a block
    // already analysed gives the same spectrum again.
    const std::uint64_t sounding = m_blocks.CopySounding(m_samples);
    if (sounding == 0 || sounding == m_analysedCount) {
        return m_last;
    }
    m_analysedCount = sounding;
    for (std::size_t i = 0; i < kWindow; ++i) {
        m_samples[i] *= m_window[i];
    }
    m_fft.PowerSpectrum(m_samples.data(), m_power.data());
    // A sine of amplitude A peaks at A * N / 4 under the Hann window.
    const float scale = 1.0f / (32768.0f * static_cast<float>(kWindow) / 4.0f);
    const float powerScale = scale * scale;
    for (std::size_t i = 0; i < kSpectrumSize; ++i) {
        // The square root of the clamped magnitude, from the power.
        m_last[i] = std::sqrt(std::sqrt(std::min(m_power[i] * powerScale, 1.0f)));
    }
    return m_last;
}

} // namespace vantor::engine
