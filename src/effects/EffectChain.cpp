#include "effects/EffectChain.h"

namespace vantor {

namespace {

inline constexpr std::int32_t kPanCentre = 128;

bool On(const Settings& settings, EffectIndex effect) {
    return settings.EffectEnabled[static_cast<std::size_t>(effect)] != 0;
}

} // namespace

void ApplyEffects(const Settings& settings, EffectLibrary& effects) {
    if (On(settings, kEffectPreverb))
        effects.StartPreverb();
    else
        effects.StopPreverb();
    if (On(settings, kEffectReverb))
        effects.StartReverb();
    else
        effects.StopReverb();
    if (On(settings, kEffectEcho))
        effects.StartEcho(settings.EchoLevel);
    else
        effects.StopEcho();
    if (On(settings, kEffectLowPass))
        effects.StartIIR(static_cast<float>(settings.CutOffLevel),
                         static_cast<float>(settings.ResonanceLevel));
    else
        effects.StopIIR();
    if (On(settings, kEffectRobot))
        effects.StartNoise();
    else
        effects.StopNoise();
}

std::int32_t EffectivePan(const Settings& settings) {
    return settings.PanEnable != 0 ? settings.PanPosition : kPanCentre;
}

void ApplyPan(const Settings& settings, SoundLibrary& sound) {
    sound.FSOUND_SetPan(FSOUND_SYSTEMCHANNEL, EffectivePan(settings));
}

void SelectBalance(Settings& settings, ControlsHost& host, std::int32_t index) {
    settings.PanPosition = index == 0 ? 0 : index == 1 ? kPanCentre : 255;
    settings.PanEnable = 1;
    host.RedrawBalanceBar();
    host.SaveSettings();
}

} // namespace vantor
