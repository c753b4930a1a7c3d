// What the effect and balance controls need from the windows and the
// settings around them: the skinned bars redrawn, the playback-rate
// controls applied, the settings saved. The application implements it;
// tests record. UI thread only.
#pragma once

namespace vantor {

class ControlsHost {
public:
    virtual ~ControlsHost() = default;
    // Redraws the balance bar in the skin's bar style, which applies the pan.
    virtual void RedrawBalanceBar() = 0;
    // Redraws the pitch bar from the stretch scale and applies it.
    virtual void RedrawPitchBar() = 0;
    // Applies the frequency, stretch and pitch settings to the sound.
    virtual void ApplySoundControls() = 0;
    // Writes the settings file; the effect chain follows the settings first.
    virtual void SaveSettings() = 0;
};

} // namespace vantor
