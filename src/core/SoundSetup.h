// Brings the sound library, the player's capture unit and the two effect
// libraries up once at start-up, applies the playback-rate controls, and
// takes everything down again. The Player owns the libraries and the state;
// these functions only borrow them. UI thread only.
#pragma once

#include "platform/MessageBoxes.h"
#include "platform/ProcessControl.h"
#include "settings/Settings.h"
#include "sound/EffectLibrary.h"
#include "sound/PitchLibrary.h"
#include "sound/SoundLibrary.h"

#include <cstdint>
#include <functional>

namespace vantor {

struct SoundSystem {
    SoundLibrary& sound;
    EffectLibrary& effects;
    PitchLibrary& pitch;
};

struct SoundSetupState {
    // The player's capture unit; 0 when not created.
    DspUnitHandle CaptureUnit = 0;
};

// The capture unit's callback (the oscilloscope's) and the value it receives.
struct CaptureHook {
    DspCallback callback = nullptr;
    void* userValue = nullptr;
};

// The library's output constant for Settings.OutputType 0, 1, 2; any other
// index lets the library choose its output (-1).
std::int32_t OutputForType(std::int32_t outputType);

// Ends the process through `process` when the library cannot be initialised.
void InitSoundSystem(Settings& settings, SoundSystem& system, SoundSetupState& state,
                     const CaptureHook& capture, MessageBoxes& messages, ProcessControl& process);

void ApplySystemFrequency(const Settings& settings, SoundLibrary& sound);

void ApplySoundControls(const Settings& settings, SoundSystem& system, MessageBoxes& messages);

// `closeTrack` stops and closes the current track first.
void ShutdownSoundSystem(SoundSystem& system, SoundSetupState& state,
                         const std::function<void()>& closeTrack);

} // namespace vantor
