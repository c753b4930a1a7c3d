#include "settings/dialog/SettingsDialogLogic.h"

#include "base/VbNumber.h"
#include "settings/dialog/AudioOutputChoices.h"
#include "shell/AssociationList.h"

#include <limits>
#include <stdexcept>

namespace vantor {

namespace {

// A box takes the number its text begins with (empty text gives 0). A
// number that does not fit the field is a run-time error of the handler.
std::int32_t NumberIn(const std::string& text) {
    const std::int64_t value = RoundHalfEven(Val(text));
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw std::out_of_range("number box out of range");
    return static_cast<std::int32_t>(value);
}

std::int32_t Tick(bool ticked) {
    return ticked ? 1 : 0;
}

// Takes a control's value into its field.
struct TakeControl {
    void operator()(bool box, std::int32_t& field) const { field = Tick(box); }
    void operator()(const std::string& box, std::int32_t& field) const { field = NumberIn(box); }
    template <class T>
    void operator()(const T& control, T& field) const {
        field = control;
    }
};

// Stores `value` and reports whether it differed.
bool Change(std::int32_t& field, std::int32_t value) {
    const bool changed = field != value;
    field = value;
    return changed;
}

} // namespace

SettingsDialogLogic::SettingsDialogLogic(Settings& settings, SettingsDialogHost& host,
                                         MessageBoxes& messages, FileAssociations* associations)
    : m_settings(settings), m_host(host), m_messages(messages), m_associations(associations) {}

SettingsForm SettingsDialogLogic::Open() const {
    const AssociationTicks ticks =
        m_associations != nullptr ? CurrentAssociations(*m_associations) : AssociationTicks{};
    SettingsForm form = FormFromSettings(m_settings, ticks);
    form.replayGain = m_host.ReplayGainNow();
    return form;
}

bool SettingsDialogLogic::Press(DialogButton button, const SettingsForm& form) {
    try {
        switch (button) {
        case DialogButton::Ok:
            return Apply(form);
        case DialogButton::Cancel:
            return true;
        case DialogButton::Apply:
            return Apply(form) && m_restartMarked;
        }
    } catch (const std::exception&) {
        m_messages.Show(std::string(kConfigSetError), "Vantor", MessageIcon::Critical);
    }
    return false;
}

void SettingsDialogLogic::Close() {
    if (m_restartMarked)
        m_host.Restart();
    m_host.TrimWorkingSet();
}

bool SettingsDialogLogic::Apply(const SettingsForm& form) {
    const std::int32_t width = NumberIn(form.oscilloscopeWidth);
    if (width < 1) {
        Refuse(kOscilloscopeWidthMessage);
        return false;
    }
    // Fields a refused apply took stay changed, but only a completed apply
    // makes them take effect, so it compares with the settings before both.
    const Settings before = m_takenSince.value_or(m_settings);
    m_takenSince = before;
    m_settings.OscilloscopeDrawWidth = width;
    TakePageFields(form);
    TakeAudioOutput(form);

    const std::int32_t buffer = NumberIn(form.bufferLength);
    if (buffer <= 50) {
        Refuse(kBufferLengthMessage);
        return false;
    }
    m_takenSince.reset();
    m_settings.BufferLength = buffer;
    m_host.SetStreamBufferSize(buffer);

    if (m_associations != nullptr)
        ApplyAssociations(*m_associations, form.associations);
    m_host.SetReplayGain(form.replayGain);
    m_host.ApplyChangedSettings(before);
    m_host.SaveSettings();
    return true;
}

void SettingsDialogLogic::Refuse(std::string_view message) {
    m_messages.Show(std::string(message), std::string(kSettingsErrorTitle),
                    MessageIcon::Exclamation);
}

void SettingsDialogLogic::TakePageFields(const SettingsForm& form) {
    ForEachPlainField(form, m_settings, TakeControl{});
    if (form.analyzerPattern >= 1)
        m_settings.AnalyzerPattern = form.analyzerPattern;
}

// An output list without a selection leaves its value as it was.
void SettingsDialogLogic::TakeAudioOutput(const SettingsForm& form) {
    Settings& s = m_settings;
    bool changed = false;
    if (form.outputIndex >= 0)
        changed = Change(s.OutputType, form.outputIndex) || changed;
    if (form.driverIndex >= 0)
        changed = Change(s.DriverType, form.driverIndex) || changed;
    if (form.mixerIndex >= 0)
        changed = Change(s.MixerType, form.mixerIndex + kMixerTypeOffset) || changed;
    if (form.rateIndex >= 0 && static_cast<std::size_t>(form.rateIndex) < kOutputRates.size())
        changed =
            Change(s.OutputRate, kOutputRates[static_cast<std::size_t>(form.rateIndex)]) || changed;
    changed = Change(s.ForceSoftwareMidi, Tick(form.forceSoftwareMidi)) || changed;
    changed = Change(s.GlobalFocus, Tick(form.globalFocus)) || changed;
    if (changed)
        m_restartMarked = true;
}

} // namespace vantor
