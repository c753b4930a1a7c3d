#include "effects/EffectControls.h"

#include "base/ShownText.h"
#include "effects/EffectChain.h"
#include "effects/EqualizerFile.h"

namespace vantor {

namespace {

std::int32_t& SwitchOf(Settings& settings, RateControl control) {
    switch (control) {
    case RateControl::Pitch:
        return settings.PitchEnable;
    case RateControl::Frequency:
        return settings.FrequencyEnable;
    case RateControl::SoundStretch:
        break;
    }
    return settings.SoundStretchEnable;
}

float& ScaleOf(Settings& settings, RateControl control) {
    switch (control) {
    case RateControl::Pitch:
        return settings.PitchScale;
    case RateControl::Frequency:
        return settings.FrequencyScale;
    case RateControl::SoundStretch:
        break;
    }
    return settings.SoundStretchScale;
}

} // namespace

std::string ScaleLabel(std::int32_t value) {
    return "Scale : " + std::to_string(value) + "%";
}

std::string BalanceLabel(std::int32_t position) {
    if (position == 128)
        return "Balance : Center";
    if (position < 128)
        return "Balance : Left" + std::to_string(128 - position);
    return "Balance : Right" + std::to_string(position - 128);
}

void SetRateSwitch(Settings& settings, ControlsHost& host, RateControl control, bool ticked) {
    SwitchOf(settings, control) = ticked ? 1 : 0;
    host.ApplySoundControls();
}

void SetBalanceSwitch(Settings& settings, ControlsHost& host, SoundLibrary& sound, bool ticked) {
    settings.PanEnable = ticked ? 1 : 0;
    ApplyPan(settings, sound);
    host.ApplySoundControls();
}

std::string MoveRateSlider(Settings& settings, ControlsHost& host, RateControl control,
                           std::int32_t value) {
    ScaleOf(settings, control) = static_cast<float>(value) / 100.0f;
    host.RedrawPitchBar();
    host.ApplySoundControls();
    return ScaleLabel(value);
}

std::string MoveBalanceSlider(Settings& settings, ControlsHost& host, std::int32_t position) {
    settings.PanPosition = position;
    host.RedrawBalanceBar();
    return BalanceLabel(position);
}

void ApplyEffectSwitches(Settings& settings, ControlsHost& host,
                         const std::array<bool, kEffectCount>& ticked) {
    for (std::size_t i = 0; i < ticked.size(); ++i)
        settings.EffectEnabled[i] = ticked[i] ? 1 : 0;
    host.SaveSettings();
}

void MoveEffectSlider(Settings& settings, EffectSlider slider, std::int32_t value) {
    switch (slider) {
    case EffectSlider::CutOff:
        settings.CutOffLevel = value;
        break;
    case EffectSlider::Resonance:
        settings.ResonanceLevel = value;
        break;
    case EffectSlider::Echo:
        settings.EchoLevel = value;
        break;
    }
}

std::optional<EqualizerLevels> OpenEqualizerPreset(FileDialogs& dialogs, MessageBoxes& messages) {
    const std::vector<std::string> chosen = dialogs.OpenFiles(
        std::string(kEqualizerOpenTitle), std::string(kEqualizerFilter), "", false);
    if (chosen.empty())
        return std::nullopt;
    EqualizerRead read = LoadEqualizerFile(chosen.front());
    if (!read.levels)
        messages.Show(chosen.front() + "\r\n" + read.error, std::string(kEqualizerOpenTitle),
                      MessageIcon::Exclamation);
    return read.levels;
}

void SaveEqualizerPreset(FileDialogs& dialogs, MessageBoxes& messages,
                         const EqualizerLevels& levels) {
    const std::string path =
        dialogs.SaveFile(std::string(kEqualizerSaveTitle), std::string(kEqualizerFilter), "");
    if (!path.empty() && !SaveEqualizerFile(path, levels))
        messages.Show(path + "\r\n" + VANTOR_TEXT("The preset could not be written."),
                      std::string(kEqualizerSaveTitle), MessageIcon::Exclamation);
}

} // namespace vantor
