#include "engine/EffectRack.h"

#include "engine/dsp/EchoEffect.h"
#include "engine/dsp/LowPassEffect.h"
#include "engine/dsp/PreverbEffect.h"
#include "engine/dsp/ReverbEffect.h"
#include "engine/dsp/RobotEffect.h"

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
    int rate = m_sound.FSOUND_GetOutputRate();
    if (rate <= 0 || !m_units.empty()) {
        return;
    }
    m_preverb = std::make_unique<PreverbEffect>(rate);
    m_reverb = std::make_unique<ReverbEffect>(rate);
    m_echo = std::make_unique<EchoEffect>(rate);
    m_lowPass = std::make_unique<LowPassEffect>(rate);
    m_robot = std::make_unique<RobotEffect>(rate);
    Attach(*m_preverb, kPreverbPriority);
    Attach(*m_reverb, kReverbPriority);
    Attach(*m_echo, kEchoPriority);
    Attach(*m_lowPass, kLowPassPriority);
    Attach(*m_robot, kRobotPriority);
}

void EffectRack::Attach(SwitchedEffect& effect, std::int32_t priority) {
    DspUnitHandle unit = m_sound.FSOUND_DSP_Create(&SwitchedEffect::Process, priority, &effect);
    if (unit != 0) {
        m_sound.FSOUND_DSP_SetActive(unit, true);
        m_units.push_back(unit);
    }
}

void EffectRack::CloseDSP() {
    // Freeing a unit waits for the block in progress, so the effects can go.
    for (DspUnitHandle unit : m_units) {
        m_sound.FSOUND_DSP_Free(unit);
    }
    m_units.clear();
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
    if (m_echo) {
        m_echo->SetLevel(level);
    }
    Switch(m_echo.get(), true);
}

void EffectRack::StopEcho() {
    Switch(m_echo.get(), false);
}

void EffectRack::StartIIR(float cutoff, float resonance) {
    if (m_lowPass) {
        m_lowPass->SetParameters(cutoff, resonance);
    }
    Switch(m_lowPass.get(), true);
}

void EffectRack::StopIIR() {
    Switch(m_lowPass.get(), false);
}
void EffectRack::StartPreverb() {
    Switch(m_preverb.get(), true);
}
void EffectRack::StopPreverb() {
    Switch(m_preverb.get(), false);
}
void EffectRack::StartReverb() {
    Switch(m_reverb.get(), true);
}
void EffectRack::StopReverb() {
    Switch(m_reverb.get(), false);
}
void EffectRack::StartNoise() {
    Switch(m_robot.get(), true);
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
