// The effect library: echo, resonant low-pass, reverb, pre-reverb and noise
// working on the sound library's output by themselves. Start on a running
// effect and Stop on a stopped one are harmless. UI thread only.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

class EffectLibrary {
public:
    virtual ~EffectLibrary() = default;

    // After the sound library was initialised / before it is closed.
    virtual void InitDSP() = 0;
    virtual void CloseDSP() = 0;

    // `level` is the echo setting; larger values give a longer delay.
    virtual void StartEcho(std::int32_t level) = 0;
    virtual void StopEcho() = 0;
    // Low-pass with its cut-off and resonance settings.
    virtual void StartIIR(float cutoff, float resonance) = 0;
    virtual void StopIIR() = 0;
    virtual void StartPreverb() = 0;
    virtual void StopPreverb() = 0;
    virtual void StartReverb() = 0;
    virtual void StopReverb() = 0;
    virtual void StartNoise() = 0;
    virtual void StopNoise() = 0;

    // The library's about text (UTF-8); the caller shows it.
    virtual std::string About() = 0;
    virtual float Echora_GetVersion() = 0;
};

} // namespace vantor
