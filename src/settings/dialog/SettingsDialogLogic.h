// The settings window without its controls: filling the form when it
// opens, the three buttons with the apply steps and their two checks, the
// restart an audio-output change asks for, and closing. UI thread only.
#pragma once

#include "base/ShownText.h"
#include "platform/FileAssociations.h"
#include "platform/MessageBoxes.h"
#include "settings/Settings.h"
#include "settings/dialog/SettingsDialogHost.h"
#include "settings/dialog/SettingsForm.h"

#include <optional>
#include <string_view>

namespace vantor {

enum class DialogButton { Ok = 0, Cancel = 1, Apply = 2 };

inline constexpr std::string_view kSettingsErrorTitle = VANTOR_TEXT("設定エラー");
inline constexpr std::string_view kOscilloscopeWidthMessage =
    VANTOR_TEXT("オシロスコープの描画幅は1未満に設定できません。");
inline constexpr std::string_view kBufferLengthMessage =
    VANTOR_TEXT("バッファーサイズは50ms以下は設定できません。");
inline constexpr std::string_view kConfigSetError = VANTOR_TEXT("Error : ConfigSet");

class SettingsDialogLogic {
public:
    // `associations` may be null where the desktop offers no file-type
    // database; the association list then shows nothing ticked and
    // applying leaves it alone.
    SettingsDialogLogic(Settings& settings, SettingsDialogHost& host, MessageBoxes& messages,
                        FileAssociations* associations);

    // The form as the window shows it when it opens.
    SettingsForm Open() const;
    // A press on button 0 (OK), 1 (Cancel) or 2 (Apply) with the controls
    // holding `form`; true when the window closes now.
    bool Press(DialogButton button, const SettingsForm& form);
    // The window closes: the marked restart, then the working set trimmed.
    void Close();

    bool RestartMarked() const { return m_restartMarked; }

private:
    // The apply steps in order; false when a check refused a value.
    bool Apply(const SettingsForm& form);
    void TakePageFields(const SettingsForm& form);
    void TakeAudioOutput(const SettingsForm& form);
    void Refuse(std::string_view message);

    Settings& m_settings;
    SettingsDialogHost& m_host;
    MessageBoxes& m_messages;
    FileAssociations* m_associations;
    bool m_restartMarked = false;
    // The settings before the first of the applies that were refused after
    // taking fields; empty when the last apply completed.
    std::optional<Settings> m_takenSince;
};

} // namespace vantor
