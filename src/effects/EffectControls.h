// The settings dialog's effect, rate, balance and equaliser controls as
// operations on the settings: what each switch and slider stores, the
// labels the sliders show, and what is applied or redrawn after. The
// dialog calls these; UI thread only.
#pragma once

#include "base/ShownText.h"
#include "effects/ControlsHost.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "settings/Settings.h"
#include "sound/EqualizerLevels.h"
#include "sound/SoundLibrary.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

enum class RateControl { Pitch, Frequency, SoundStretch };
enum class EffectSlider { CutOff, Resonance, Echo };

// "Scale : 125%".
std::string ScaleLabel(std::int32_t value);
// "Balance : Center" at 128, else "Balance : Left" or "Balance : Right"
// followed by the distance from the centre.
std::string BalanceLabel(std::int32_t position);

// A rate switch stores its tick and the rate controls are applied again.
void SetRateSwitch(Settings& settings, ControlsHost& host, RateControl control, bool ticked);
// The balance switch stores its tick, sends the pan, then applies the rate
// controls as every switch of the row does.
void SetBalanceSwitch(Settings& settings, ControlsHost& host, SoundLibrary& sound, bool ticked);
// A rate slider at `value` percent; returns its new label.
std::string MoveRateSlider(Settings& settings, ControlsHost& host, RateControl control,
                           std::int32_t value);
// The balance slider at `position`; returns its new label.
std::string MoveBalanceSlider(Settings& settings, ControlsHost& host, std::int32_t position);

// The effect page applied: each tick box (by EffectIndex) is stored as 0 or
// 1 and the settings are saved, which sends the chain to the library.
void ApplyEffectSwitches(Settings& settings, ControlsHost& host,
                         const std::array<bool, kEffectCount>& ticked);
// A level slider stores its value at once; the sound follows at the next save.
void MoveEffectSlider(Settings& settings, EffectSlider slider, std::int32_t value);

inline constexpr std::string_view kEqualizerFilter =
    VANTOR_TEXT("EqualizerConfigFile") " (*.dvc)|*.dvc|";
inline constexpr std::string_view kEqualizerOpenTitle =
    VANTOR_TEXT("イコライザーコンフィグファイルを開く");
inline constexpr std::string_view kEqualizerSaveTitle =
    VANTOR_TEXT("イコライザーコンフィグファイルを保存する");

// The equaliser's "open" command: the levels of the preset chosen in the
// open dialog; nullopt when the dialog was cancelled or the file refused
// (the reason is shown, and nothing changes).
std::optional<EqualizerLevels> OpenEqualizerPreset(FileDialogs& dialogs, MessageBoxes& messages);
// The "save" command: writes `levels` to the file chosen in the save dialog.
void SaveEqualizerPreset(FileDialogs& dialogs, MessageBoxes& messages,
                         const EqualizerLevels& levels);

} // namespace vantor
