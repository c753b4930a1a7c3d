#include "core/SoundSetup.h"

#include "base/ShownText.h"
#include "base/VbNumber.h"
#include "core/SoundErrorText.h"
#include "core/SoundFailure.h"

#include <cmath>
#include <limits>
#include <optional>

namespace vantor {

namespace {

constexpr std::int32_t kSoftwareChannels = 128;
constexpr std::int32_t kCapturePriority = 303;
constexpr std::int32_t kLibraryChoosesOutput = -1;
constexpr const char* kInitFailedText = VANTOR_TEXT("サウンド出力の初期化に失敗しました");
constexpr const char* kControlErrorText = VANTOR_TEXT("Error : SetSoundControl");

// The switches count as on only when exactly 1, as the settings store them.
bool On(std::int32_t flag) {
    return flag == 1;
}

// A value the player's arithmetic can hold as a 32-bit integer, or nothing
// where its run-time would have stopped with an overflow.
std::optional<std::int32_t> ToInt32(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    std::int64_t rounded = RoundHalfEven(value);
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

std::optional<std::int32_t> SystemFrequency(const Settings& settings) {
    double rate = settings.OutputRate;
    if (On(settings.FrequencyEnable)) {
        rate *= static_cast<double>(settings.FrequencyScale);
    }
    if (On(settings.SoundStretchEnable)) {
        rate *= static_cast<double>(settings.SoundStretchScale);
    }
    return ToInt32(rate);
}

void ShowControlError(MessageBoxes& messages) {
    messages.Show(kControlErrorText, kDefaultMessageTitle, MessageIcon::None);
}

} // namespace

std::int32_t OutputForType(std::int32_t outputType) {
    switch (outputType) {
    case 0:
        return FSOUND_OUTPUT_WINMM;
    case 1:
        return FSOUND_OUTPUT_DSOUND;
    case 2:
        return FSOUND_OUTPUT_ASIO;
    default:
        return kLibraryChoosesOutput;
    }
}

void InitSoundSystem(Settings& settings, SoundSystem& system, SoundSetupState& state,
                     const CaptureHook& capture, MessageBoxes& messages, ProcessControl& process) {
    SoundLibrary& sound = system.sound;
    sound.FSOUND_SetOutput(OutputForType(settings.OutputType));
    sound.FSOUND_SetDriver(settings.DriverType);
    sound.FSOUND_SetMixer(settings.MixerType);
    sound.FSOUND_Stream_SetBufferSize(settings.BufferLength);
    std::uint32_t flags = 0;
    if (settings.ForceSoftwareMidi != 0) {
        flags |= FSOUND_INIT_USEDEFAULTMIDISYNTH;
    }
    if (settings.GlobalFocus != 0) {
        flags |= FSOUND_INIT_GLOBALFOCUS;
    }
    if (!sound.FSOUND_Init(settings.OutputRate, kSoftwareChannels, flags)) {
        std::string text =
            std::string(kInitFailedText) + "\r\n" + SoundErrorText(sound.FSOUND_GetError());
        messages.Show(text, kDefaultMessageTitle, MessageIcon::None);
        process.EndProcessNow();
        return;
    }
    settings.MixerType = sound.FSOUND_GetMixer();
    system.effects.InitDSP();
    state.CaptureUnit =
        sound.FSOUND_DSP_Create(capture.callback, kCapturePriority, capture.userValue);
    if (!sound.FSOUND_DSP_GetActive(state.CaptureUnit)) {
        sound.FSOUND_DSP_SetActive(state.CaptureUnit, true);
    }
    system.pitch.InitTonalis(settings.OutputRate);
    ApplySoundControls(settings, system, messages);
}

void ApplySystemFrequency(const Settings& settings, SoundLibrary& sound) {
    if (std::optional<std::int32_t> rate = SystemFrequency(settings)) {
        sound.FSOUND_SetFrequency(FSOUND_SYSTEMCHANNEL, *rate);
    }
}

void ApplySoundControls(const Settings& settings, SoundSystem& system, MessageBoxes& messages) {
    if (!SystemFrequency(settings)) {
        ShowControlError(messages); // the rate overflowed before anything was set
        return;
    }
    ApplySystemFrequency(settings, system.sound);
    double factor = 1.0;
    if (On(settings.SoundStretchEnable)) {
        double f = On(settings.FrequencyEnable)
                       ? static_cast<double>(system.sound.FSOUND_GetFrequency(FSOUND_SYSTEMCHANNEL))
                       : static_cast<double>(settings.OutputRate);
        double divisor = static_cast<double>(settings.SoundStretchScale) * f;
        if (divisor == 0.0) {
            ShowControlError(messages);
            return;
        }
        factor *= settings.OutputRate / divisor;
    }
    if (On(settings.PitchEnable)) {
        factor *= static_cast<double>(settings.PitchScale);
    }
    if (!std::isfinite(factor) || std::fabs(factor) > std::numeric_limits<float>::max()) {
        ShowControlError(messages);
        return;
    }
    bool shifting = On(settings.SoundStretchEnable) || On(settings.PitchEnable);
    if (!shifting || factor == 1.0) {
        system.pitch.TonalisStop();
    } else {
        system.pitch.TonalisStart(1.0f, 1.0f, static_cast<float>(factor));
    }
}

void ShutdownSoundSystem(SoundSystem& system, SoundSetupState& state,
                         const std::function<void()>& closeTrack) {
    if (closeTrack) {
        closeTrack();
    }
    system.effects.CloseDSP();
    system.pitch.CloseTonalis();
    if (state.CaptureUnit != 0) {
        system.sound.FSOUND_DSP_Free(state.CaptureUnit);
        state.CaptureUnit = 0;
    }
    system.sound.FSOUND_Close();
}

} // namespace vantor
