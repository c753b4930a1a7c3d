// The spectrum unit: on the mixing thread it publishes every block as mono;
// on the UI thread Compute() turns the block sounding now into 512 levels
// from 0 to 1 (a real FFT over 1024 samples, Hann window). A level is the
// square root of the bin's magnitude, so that the quieter bands of music,
// which hold most of its range, still show beside the loud bass.
#pragma once

#include "engine/dsp/RealFft.h"
#include "sound/BlockPublisher.h"
#include "sound/SoundLibrary.h"

#include <cstdint>
#include <vector>

namespace vantor::engine {

class FftUnit {
public:
    static constexpr std::size_t kWindow = 2 * kSpectrumSize;

    FftUnit();
    FftUnit(const FftUnit&) = delete;
    FftUnit& operator=(const FftUnit&) = delete;

    // The DSP callback; `userValue` is the FftUnit.
    static float* Process(float* source, float* block, std::int32_t frames, void* userValue);

    // UI thread. A full-scale sine at a bin's centre gives 1 there, one at a
    // quarter of full scale 0.5.
    Spectrum Compute();

private:
    BlockPublisher m_blocks;
    RealFft m_fft;
    std::vector<float> m_window;
    std::vector<float> m_samples;
    std::vector<float> m_power; // |bin|^2 of the windowed samples
    Spectrum m_last{};
    // The number of the block m_last was computed from.
    std::uint64_t m_analysedCount = 0;
};

} // namespace vantor::engine
