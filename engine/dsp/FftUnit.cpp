#include "engine/dsp/FftUnit.h"

#include <kissfft/kiss_fftr.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantor::engine {

FftUnit::FftUnit()
    : m_blocks(kWindow), m_config(kiss_fftr_alloc(static_cast<int>(kWindow), 0, nullptr, nullptr)),
      m_window(kWindow), m_samples(kWindow), m_bins(2 * (kWindow / 2 + 1)) {
    for (std::size_t i = 0; i < kWindow; ++i) {
        m_window[i] = 0.5f - 0.5f * static_cast<float>(std::cos(2.0 * std::numbers::pi *
                                                                static_cast<double>(i) / kWindow));
    }
}

FftUnit::~FftUnit() {
    kiss_fftr_free(m_config);
}

float* FftUnit::Process(float*, float* block, std::int32_t frames, void* userValue) {
    auto* self = static_cast<FftUnit*>(userValue);
    auto count = std::min<std::size_t>(static_cast<std::size_t>(std::max(frames, 0)), kWindow);
    self->m_blocks.Publish([&](float* slot) {
        // The newest `count` frames end the window; older values are zero.
        std::fill(slot, slot + kWindow - count, 0.0f);
        const float* tail = block + 2 * (static_cast<std::size_t>(frames) - count);
        for (std::size_t i = 0; i < count; ++i) {
            slot[kWindow - count + i] = 0.5f * (tail[2 * i] + tail[2 * i + 1]);
        }
    });
    return block;
}

Spectrum FftUnit::Compute() {
    // The display may ask more often than the mixer makes blocks; a block
    // already analysed gives the same spectrum again.
    const std::uint64_t newest = m_blocks.PublishedCount();
    if (newest == m_analysedCount || !m_blocks.CopyNewest(m_samples.data())) {
        return m_last;
    }
    m_analysedCount = newest;
    for (std::size_t i = 0; i < kWindow; ++i) {
        m_samples[i] *= m_window[i];
    }
    auto* bins = reinterpret_cast<kiss_fft_cpx*>(m_bins.data());
    kiss_fftr(m_config, m_samples.data(), bins);
    // A sine of amplitude A peaks at A * N / 4 under the Hann window.
    const float scale = 1.0f / (32768.0f * static_cast<float>(kWindow) / 4.0f);
    for (std::size_t i = 0; i < kSpectrumSize; ++i) {
        // The bins stay far below the range where hypot's care about
        // overflow would matter, and it costs more than the FFT's own work.
        const float magnitude = std::sqrt(bins[i].r * bins[i].r + bins[i].i * bins[i].i) * scale;
        m_last[i] = std::sqrt(std::clamp(magnitude, 0.0f, 1.0f));
    }
    return m_last;
}

} // namespace vantor::engine
