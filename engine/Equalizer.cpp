#include "engine/Equalizer.h"

#include "engine/dsp/EqualizerUnit.h"

namespace vantor::engine {

namespace {
// After the effect units (100-140), before the pitch unit (200): the limiter
// sees the sound as the effects left it.
constexpr std::int32_t kEqualizerPriority = 150;
} // namespace

Equalizer::Equalizer(SoundLibrary& sound) : m_sound(sound) {}

Equalizer::~Equalizer() {
    Close();
}

void Equalizer::Init(int outputRate) {
    if (m_unit || outputRate <= 0) {
        return;
    }
    m_unit = std::make_unique<EqualizerUnit>(outputRate);
    m_handle = m_sound.FSOUND_DSP_Create(&EqualizerUnit::Process, kEqualizerPriority, m_unit.get());
    if (m_handle == 0) {
        m_unit.reset();
        return;
    }
    m_sound.FSOUND_DSP_SetActive(m_handle, true);
}

void Equalizer::Close() {
    // Freeing the unit waits for the block in progress.
    if (m_handle != 0) {
        m_sound.FSOUND_DSP_Free(m_handle);
        m_handle = 0;
    }
    m_unit.reset();
}

void Equalizer::Apply(bool on, const EqualizerLevels& levels) {
    if (!m_unit) {
        return;
    }
    bool audible = on && !levels.IsFlat();
    if (audible) {
        m_unit->SetLevels(levels);
    }
    m_unit->Switch(audible);
}

} // namespace vantor::engine
