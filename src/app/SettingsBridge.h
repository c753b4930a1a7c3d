// The settings window of the running player: opens it on a page and
// carries out what applying it asks of the player (SettingsDialogHost).
// Borrows the Player; the window is made at its first opening. UI thread.
#pragma once

#include "effects/EqualizerHost.h"
#include "settings/dialog/SettingsDialogHost.h"

#include <memory>
#include <optional>

class QWidget;

namespace vantor {

class Player;
class SettingsDialog;

class SettingsBridge : public SettingsDialogHost, public EqualizerHost {
public:
    explicit SettingsBridge(Player& player);
    ~SettingsBridge() override;

    // Shows the window on `page` (0..12).
    void Show(int page);
    // The window, or null before it was first opened.
    SettingsDialog* Window() const { return m_window.get(); }

    // SettingsDialogHost
    std::vector<std::string> DriverNames(std::int32_t outputType) override;
    void SetStreamBufferSize(std::int32_t milliseconds) override;
    void ApplyChangedSettings(const Settings& before) override;
    ReplayGainChoice ReplayGainNow() const override;
    void SetReplayGain(const ReplayGainChoice& choice) override;
    void SaveSettings() override;
    void Restart() override;
    void TrimWorkingSet() override;

    // EqualizerHost
    EqualizerLevels EqualizerLevelsNow() const override;
    void DriveEqualizer(bool on, const EqualizerLevels& levels) override;
    void EndEqualizerPreview() override;

private:
    void ApplyPlayModes(const Settings& before);
    void ApplyPlaylist(const Settings& before);

    Player& m_player;
    std::unique_ptr<SettingsDialog> m_window;
    // The levels the page drives, until the window applies or closes.
    std::optional<EqualizerLevels> m_previewLevels;
};

} // namespace vantor
