// The effect chain and the balance: the five effect switches sent to the
// effect library in their fixed order, and the pan of the mixer output.
// UI thread only.
#pragma once

#include "effects/ControlsHost.h"
#include "settings/Settings.h"
#include "sound/EffectLibrary.h"
#include "sound/SoundLibrary.h"

#include <cstdint>

namespace vantor {

// Sends every effect's state, on or off, in the order preverb, reverb,
// echo, low-pass, robot. Runs at start-up and before every settings save.
void ApplyEffects(const Settings& settings, EffectLibrary& effects);

// The pan the mixer output gets: PanPosition when the balance is on, else
// the centre.
std::int32_t EffectivePan(const Settings& settings);
void ApplyPan(const Settings& settings, SoundLibrary& sound);

// The balance menu: 0 left, 1 centre, anything else right; switches the
// balance on, redraws the bar (which applies it) and saves.
void SelectBalance(Settings& settings, ControlsHost& host, std::int32_t index);

} // namespace vantor
