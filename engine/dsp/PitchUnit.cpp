#include "engine/dsp/PitchUnit.h"

#include <SoundTouch.h>

#include <algorithm>
#include <vector>

namespace vantor::engine {

namespace {
constexpr std::size_t kPrimeFrames = 1024;
constexpr int kPrimeBlocks = 64;
} // namespace

PitchUnit::PitchUnit(int rate)
    : SwitchedEffect(rate), m_touch(std::make_unique<soundtouch::SoundTouch>()) {
    m_touch->setSampleRate(static_cast<unsigned>(rate));
    m_touch->setChannels(2);
    Prime(kMaxPitch);
    Prime(kMinPitch);
    m_touch->setPitch(1.0);
    m_touch->clear();
}

PitchUnit::~PitchUnit() = default;

void PitchUnit::Prime(float pitch) {
    std::vector<float> block(2 * kPrimeFrames, 0.0f);
    m_touch->setPitch(pitch);
    for (int i = 0; i < kPrimeBlocks; ++i) {
        m_touch->putSamples(block.data(), kPrimeFrames);
        while (m_touch->receiveSamples(block.data(), kPrimeFrames) > 0) {
        }
    }
}

void PitchUnit::SetPitch(float pitch) {
    m_pitch.store(std::clamp(pitch, kMinPitch, kMaxPitch));
}

void PitchUnit::Reset() {
    m_touch->clear();
}

void PitchUnit::Wet(const float* in, float* out, std::size_t frames) {
    if (m_clearRequested.exchange(false)) {
        m_touch->clear();
    }
    float pitch = m_pitch.load(std::memory_order_relaxed);
    if (pitch != m_appliedPitch) {
        m_touch->setPitch(pitch);
        m_appliedPitch = pitch;
    }
    m_touch->putSamples(in, static_cast<unsigned>(frames));
    // Until SoundTouch has filled its window the shifted sound is silence.
    std::size_t got = m_touch->receiveSamples(out, static_cast<unsigned>(frames));
    std::fill(out + 2 * got, out + 2 * frames, 0.0f);
}

} // namespace vantor::engine
