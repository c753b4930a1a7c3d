#include "app/SettingsBridge.h"

#include "app/Player.h"
#include "core/ModeToggles.h"
#include "playlist/TagReader.h"
#include "settings/WorkingSet.h"
#include "shell/TrayBehaviour.h"
#include "ui/SkinBrowserPage.h"
#include "ui/settings/SettingsDialog.h"

namespace vantor {

namespace {

constexpr std::string_view kDefaultDevice = "Default device";

// Whether any of `fields` differs between the two records.
template <typename... Fields>
bool Differ(const Settings& a, const Settings& b, Fields... fields) {
    return ((a.*fields != b.*fields) || ...);
}

} // namespace

SettingsBridge::SettingsBridge(Player& player) : m_player(player) {}

SettingsBridge::~SettingsBridge() = default;

void SettingsBridge::Show(int page) {
    if (!m_window) {
        m_window = std::make_unique<SettingsDialog>(SettingsDialogServices{
            m_player.settings, *this, m_player.commands, *this, m_player.sound, m_player.messages,
            m_player.dialogs, &m_player.fileAssociations, m_player.appFolder});
        m_window->SetSkinBrowserPage(new SkinBrowserPage(m_player.skinBrowser));
    }
    m_window->Open(page);
}

// The running sound system lists the devices of its own output only;
// another output offers its default device until the player restarts on it.
std::vector<std::string> SettingsBridge::DriverNames(std::int32_t outputType) {
    if (outputType != m_player.settings.OutputType)
        return {std::string(kDefaultDevice)};
    std::vector<std::string> names;
    const std::int32_t count = m_player.sound.FSOUND_GetNumDrivers();
    for (std::int32_t i = 0; i < count; ++i)
        names.push_back(m_player.sound.FSOUND_GetDriverName(i));
    return names;
}

void SettingsBridge::SetStreamBufferSize(std::int32_t milliseconds) {
    m_player.sound.FSOUND_Stream_SetBufferSize(milliseconds);
}

void SettingsBridge::ApplyChangedSettings(const Settings& before) {
    const Settings& now = m_player.settings;
    ApplyPlayModes(before);
    if (now.AlwaysOnTop != before.AlwaysOnTop)
        ApplyAlwaysOnTop(now, m_player.shell);
    m_player.ApplyTimerIntervals();
    if (Differ(now, before, &Settings::AnalyzerPattern, &Settings::AnalyzerPatternFile,
               &Settings::OscilloscopeColor, &Settings::OscilloscopeDrawWidth,
               &Settings::IgnoreSkinOscilloConfig))
        m_player.visuals.PrepareAnalyzer(m_player.pictures);
    if (Differ(now, before, &Settings::SongInfoFontName, &Settings::SongInfoFontSize,
               &Settings::SongInfoFontBold, &Settings::SongInfoFontItalic,
               &Settings::SongInfoFontColor, &Settings::SongInfoStyle,
               &Settings::IgnoreSkinFontConfig)) {
        m_player.visuals.SongInfo().Forget();
        m_player.mainWindow.DrawSongInfo();
    }
    ApplyPlaylist(before);
    if (m_previewLevels) {
        m_player.equalizerLevels = *m_previewLevels;
        m_previewLevels.reset();
    }
    m_player.equalizer.Apply(now.EnableEqualizer != 0, m_player.equalizerLevels);
    // The skin browser lists the folder it was made for.
    if (now.SkinFileFolder != before.SkinFileFolder && m_window)
        m_window->SetSkinBrowserPage(new SkinBrowserPage(m_player.skinBrowser));
    m_player.Present();
}

// The mode switches go through the same toggles as the menu, which also
// take a running non-stop mix along.
void SettingsBridge::ApplyPlayModes(const Settings& before) {
    Settings& now = m_player.settings;
    const std::array<std::pair<std::int32_t Settings::*, void (*)(PlaybackContext&, CommandHost&)>,
                     3>
        modes{{{&Settings::PlayLoopMode, &ToggleLoop},
               {&Settings::PlayRandomMode, &ToggleRandom},
               {&Settings::NonStopMegaMix, &ToggleNonStop}}};
    for (const auto& [field, toggle] : modes) {
        if (now.*field == before.*field)
            continue;
        now.*field = before.*field;
        toggle(m_player.playbackContext, m_player.commands);
    }
}

void SettingsBridge::ApplyPlaylist(const Settings& before) {
    const Settings& now = m_player.settings;
    const bool newTitles = now.PlayListStyle != before.PlayListStyle;
    if (newTitles) {
        // The tag reader builds every title again in the new form.
        for (PlaylistEntry& entry : m_player.playlist.Playlist)
            entry.Title.clear();
    }
    if (newTitles || now.GetTagInterval != before.GetTagInterval)
        StartTagReader(m_player.playlistContext, newTitles ? 0 : m_player.playlist.TagCursor);
    m_player.playlistWindowBridge.RedrawPlaylist();
}

ReplayGainChoice SettingsBridge::ReplayGainNow() const {
    return m_player.replayGain;
}

void SettingsBridge::SetReplayGain(const ReplayGainChoice& choice) {
    m_player.replayGain = choice;
}

void SettingsBridge::SaveSettings() {
    m_player.startupBridge.SaveSettings();
}

void SettingsBridge::Restart() {
    m_player.startup.RestartPending = 1;
    m_player.Exit(0);
}

EqualizerLevels SettingsBridge::EqualizerLevelsNow() const {
    return m_player.equalizerLevels;
}

void SettingsBridge::DriveEqualizer(bool on, const EqualizerLevels& levels) {
    m_previewLevels = levels;
    m_player.equalizer.Apply(on, levels);
}

void SettingsBridge::EndEqualizerPreview() {
    m_previewLevels.reset();
    m_player.equalizer.Apply(m_player.settings.EnableEqualizer != 0, m_player.equalizerLevels);
}

void SettingsBridge::TrimWorkingSet() {
    vantor::TrimWorkingSet(m_player.settings);
}

} // namespace vantor
