// The effect library on the engine: each effect is a DSP unit of the sound
// library it is given, made when it is first switched on after InitDSP (an
// effect never used holds none of its delay lines) and freed by CloseDSP.
// UI thread only; the units run on the mixing thread.
#pragma once

#include "sound/EffectLibrary.h"
#include "sound/SoundLibrary.h"

#include <memory>
#include <vector>

namespace vantor::engine {

class EchoEffect;
class LowPassEffect;
class PreverbEffect;
class ReverbEffect;
class RobotEffect;
class SwitchedEffect;

class EffectRack : public EffectLibrary {
public:
    explicit EffectRack(SoundLibrary& sound);
    ~EffectRack() override;

    void InitDSP() override;
    void CloseDSP() override;
    void StartEcho(std::int32_t level) override;
    void StopEcho() override;
    void StartIIR(float cutoff, float resonance) override;
    void StopIIR() override;
    void StartPreverb() override;
    void StopPreverb() override;
    void StartReverb() override;
    void StopReverb() override;
    void StartNoise() override;
    void StopNoise() override;
    std::string About() override;
    float Echora_GetVersion() override;

private:
    // The effect in `slot`, made and attached at `priority` if it is not yet;
    // null before InitDSP.
    template <typename Effect>
    Effect* Made(std::unique_ptr<Effect>& slot, std::int32_t priority);
    static void Switch(SwitchedEffect* effect, bool on);

    SoundLibrary& m_sound;
    // The output rate the effects are made for; 0 outside InitDSP..CloseDSP.
    int m_rate = 0;
    std::unique_ptr<PreverbEffect> m_preverb;
    std::unique_ptr<ReverbEffect> m_reverb;
    std::unique_ptr<EchoEffect> m_echo;
    std::unique_ptr<LowPassEffect> m_lowPass;
    std::unique_ptr<RobotEffect> m_robot;
    std::vector<DspUnitHandle> m_units;
};

} // namespace vantor::engine
