#include "engine/dsp/PitchUnit.h"

#include <SoundTouch.h>

#include <algorithm>
#include <vector>

namespace vantor::engine {

namespace {
constexpr std::size_t kPrimeFrames = 1024;
constexpr int kPrimeBlocks = 96;
} // namespace

// No shifter yet: priming one costs as much as a good part of the player's
// start, and the first SetPitch, which comes before the unit is switched
// on, brings one.
PitchUnit::PitchUnit(int rate) : SwitchedEffect(rate) {}

PitchUnit::~PitchUnit() {
    delete m_pending.exchange(nullptr);
    DeleteRetiredShifters();
}

// Runs a shifter over silence so its buffers reach their working size here
// rather than on the mixing thread.
std::unique_ptr<soundtouch::SoundTouch> PitchUnit::MakeShifter(float pitch) const {
    auto touch = std::make_unique<soundtouch::SoundTouch>();
    touch->setSampleRate(static_cast<unsigned>(Rate()));
    touch->setChannels(2);
    touch->setPitch(pitch);
    std::vector<float> block(2 * kPrimeFrames, 0.0f);
    // The same pattern as Wet: one block in, at most one block out, so the
    // backlog grows as it will in use.
    for (int i = 0; i < kPrimeBlocks; ++i) {
        touch->putSamples(block.data(), kPrimeFrames);
        touch->receiveSamples(block.data(), kPrimeFrames);
    }
    touch->clear();
    return touch;
}

void PitchUnit::SetPitch(float pitch) {
    DeleteRetiredShifters();
    auto fresh = MakeShifter(std::clamp(pitch, kMinPitch, kMaxPitch));
    delete m_pending.exchange(fresh.release(), std::memory_order_acq_rel);
}

void PitchUnit::DeleteRetiredShifters() {
    for (auto& slot : m_retired) {
        delete slot.exchange(nullptr, std::memory_order_acq_rel);
    }
}

void PitchUnit::TakePendingShifter() {
    for (auto& slot : m_retired) {
        soundtouch::SoundTouch* empty = nullptr;
        if (slot.load(std::memory_order_relaxed) == nullptr) {
            soundtouch::SoundTouch* next = m_pending.exchange(nullptr, std::memory_order_acq_rel);
            if (next == nullptr) {
                return;
            }
            // Only this thread fills slots, so the slot is still empty.
            slot.compare_exchange_strong(empty, m_touch.release(), std::memory_order_acq_rel);
            m_touch.reset(next);
            return;
        }
    }
    // Every slot waits for the UI thread: keep the current shifter a block longer.
}

void PitchUnit::Reset() {
    if (m_touch) {
        m_touch->clear();
    }
}

void PitchUnit::Wet(const float* in, float* out, std::size_t frames) {
    TakePendingShifter();
    if (!m_touch) {
        // Switched on before any pitch was set: nothing to shift by.
        std::copy(in, in + 2 * frames, out);
        return;
    }
    if (m_clearRequested.exchange(false)) {
        m_touch->clear();
    }
    m_touch->putSamples(in, static_cast<unsigned>(frames));
    // Until the shifter has filled its window, the dry sound stands in.
    std::size_t got = m_touch->receiveSamples(out, static_cast<unsigned>(frames));
    std::copy(in + 2 * got, in + 2 * frames, out + 2 * got);
}

} // namespace vantor::engine
