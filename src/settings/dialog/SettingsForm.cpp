#include "settings/dialog/SettingsForm.h"

#include "settings/dialog/AudioOutputChoices.h"

namespace vantor {

namespace {

bool On(std::int32_t value) {
    return value != 0;
}

// Shows a field in its control.
struct FillControl {
    void operator()(bool& box, std::int32_t field) const { box = On(field); }
    void operator()(std::string& box, std::int32_t field) const { box = NumberBoxText(field); }
    template <class T>
    void operator()(T& control, const T& field) const {
        control = field;
    }
};

} // namespace

std::string NumberBoxText(std::int32_t value) {
    return std::to_string(value);
}

SettingsForm FormFromSettings(const Settings& settings, const AssociationTicks& associations) {
    SettingsForm form;
    ForEachPlainField(form, settings, FillControl{});

    form.outputIndex = OutputIndexOf(settings.OutputType);
    form.driverIndex = settings.DriverType;
    form.mixerIndex = MixerIndexOf(settings.MixerType);
    form.rateIndex = RateIndexOf(settings.OutputRate);
    form.globalFocus = On(settings.GlobalFocus);
    form.forceSoftwareMidi = On(settings.ForceSoftwareMidi);
    form.bufferLength = NumberBoxText(settings.BufferLength);

    form.analyzerPattern = settings.AnalyzerPattern;
    form.oscilloscopeWidth = NumberBoxText(settings.OscilloscopeDrawWidth);
    form.associations = associations;
    return form;
}

} // namespace vantor
