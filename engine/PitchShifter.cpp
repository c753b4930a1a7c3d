#include "engine/PitchShifter.h"

#include "engine/dsp/PitchUnit.h"

namespace vantor::engine {

namespace {
// After the effect units and before the player's capture unit (303).
constexpr std::int32_t kPitchPriority = 200;
constexpr float kVersion = 1.0f;
} // namespace

PitchShifter::PitchShifter(SoundLibrary& sound) : m_sound(sound) {}

PitchShifter::~PitchShifter() {
    CloseTonalis();
}

void PitchShifter::InitTonalis(int outputRate) {
    if (m_unit || outputRate <= 0) {
        return;
    }
    m_unit = std::make_unique<PitchUnit>(outputRate);
    m_handle = m_sound.FSOUND_DSP_Create(&PitchUnit::Process, kPitchPriority, m_unit.get());
    if (m_handle == 0) {
        m_unit.reset();
        return;
    }
    m_sound.FSOUND_DSP_SetActive(m_handle, true);
}

void PitchShifter::CloseTonalis() {
    if (m_handle != 0) {
        m_sound.FSOUND_DSP_Free(m_handle);
        m_handle = 0;
    }
    m_unit.reset();
}

// Tempo and rate stay at 1 as the player passes them; only the pitch moves.
void PitchShifter::TonalisStart(float, float, float pitch) {
    if (m_unit) {
        m_unit->SetPitch(pitch);
        m_unit->Switch(true);
    }
}

void PitchShifter::TonalisStop() {
    if (m_unit) {
        m_unit->Switch(false);
    }
}

void PitchShifter::ClearDspBuffer() {
    if (m_unit) {
        m_unit->RequestClear();
    }
}

float PitchShifter::Tonalis_GetVersion() {
    return kVersion;
}

} // namespace vantor::engine
