#include "engine/EffectRack.h"

#include "engine/dsp/EchoEffect.h"
#include "engine/dsp/LowPassEffect.h"
#include "engine/dsp/PreverbEffect.h"
#include "engine/dsp/ReverbEffect.h"
#include "engine/dsp/RobotEffect.h"

#include <algorithm>

namespace vantor::engine {

namespace {
// Room first, then echo, filter and the robot colouring; all before the
// pitch unit, the player's capture unit (303) and the spectrum.
constexpr std::int32_t kPreverbPriority = 100;
constexpr std::int32_t kReverbPriority = 110;
constexpr std::int32_t kEchoPriority = 120;
constexpr std::int32_t kLowPassPriority = 130;
constexpr std::int32_t kRobotPriority = 140;
constexpr float kVersion = 1.0f;
} // namespace

EffectRack::EffectRack(SoundLibrary& sound) : m_sound(sound) {}

EffectRack::~EffectRack() {
    CloseDSP();
}

void EffectRack::InitDSP() {
    if (m_rate == 0) {
        m_rate = std::max(m_sound.FSOUND_GetOutputRate(), 0);
    }
}

template <typename Effect>
Effect* EffectRack::Made(std::unique_ptr<Effect>& slot, std::int32_t priority) {
    if (slot || m_rate == 0) {
        return slot.get();
    }
    auto effect = std::make_unique<Effect>(m_rate);
    DspUnitHandle unit =
        m_sound.FSOUND_DSP_Create(&SwitchedEffect::Process, priority, effect.get());
    if (unit == 0) {
        return nullptr;
    }
    m_sound.FSOUND_DSP_SetActive(unit, true);
    m_units.push_back(unit);
    slot = std::move(effect);
    return slot.get();
}

void EffectRack::CloseDSP() {
    // Freeing a unit waits for the block in progress, so the effects can go.
    for (DspUnitHandle unit : m_units) {
        m_sound.FSOUND_DSP_Free(unit);
    }
    m_units.clear();
    m_rate = 0;
    m_preverb.reset();
    m_reverb.reset();
    m_echo.reset();
    m_lowPass.reset();
    m_robot.reset();
}

void EffectRack::Switch(SwitchedEffect* effect, bool on) {
    if (effect != nullptr) {
        effect->Switch(on);
    }
}

void EffectRack::StartEcho(std::int32_t level) {
    if (EchoEffect* echo = Made(m_echo, kEchoPriority)) {
        echo->SetLevel(level);
        echo->Switch(true);
    }
}

void EffectRack::StopEcho() {
    Switch(m_echo.get(), false);
}

void EffectRack::StartIIR(float cutoff, float resonance) {
    if (LowPassEffect* lowPass = Made(m_lowPass, kLowPassPriority)) {
        lowPass->SetParameters(cutoff, resonance);
        lowPass->Switch(true);
    }
}

void EffectRack::StopIIR() {
    Switch(m_lowPass.get(), false);
}
void EffectRack::StartPreverb() {
    Switch(Made(m_preverb, kPreverbPriority), true);
}
void EffectRack::StopPreverb() {
    Switch(m_preverb.get(), false);
}
void EffectRack::StartReverb() {
    Switch(Made(m_reverb, kReverbPriority), true);
}
void EffectRack::StopReverb() {
    Switch(m_reverb.get(), false);
}
void EffectRack::StartNoise() {
    Switch(Made(m_robot, kRobotPriority), true);
}
void EffectRack::StopNoise() {
    Switch(m_robot.get(), false);
}

std::string EffectRack::About() {
    return "Echo, low-pass filter, reverb, pre-reverb and robot effects\r\nVersion 1.00";
}

float EffectRack::Echora_GetVersion() {
    return kVersion;
}

} // namespace vantor::engine
