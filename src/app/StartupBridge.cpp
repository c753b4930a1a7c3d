#include "app/StartupBridge.h"

#include "app/Player.h"
#include "base/Paths.h"
#include "core/CommandLine.h"
#include "core/TrackControl.h"
#include "effects/EffectChain.h"
#include "effects/EqualizerFile.h"
#include "playlist/AddFiles.h"
#include "playlist/PlaylistFile.h"
#include "playlist/PlaylistScroll.h"
#include "playlist/TagReader.h"
#include "settings/ConfigFile.h"
#include "settings/ReplayGainFile.h"
#include "settings/WorkingSet.h"
#include "shell/TrayBehaviour.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>

#include <algorithm>
#include <cstdlib>

namespace vantor {

namespace {

QRect ScreenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// Centred positions for a first start, in twips.
DefaultWindowPositions CentredPositions(const QSize& main, const QSize& playlist) {
    const QRect area = ScreenArea();
    return {(area.width() - main.width()) / 2 * kTwipsPerPixel,
            (area.height() - main.height()) / 2 * kTwipsPerPixel,
            (area.width() - playlist.width()) / 2 * kTwipsPerPixel,
            (area.height() - playlist.height()) / 2 * kTwipsPerPixel};
}

// How far `window` must move to lie on the work area of the screen it is on,
// or of the primary screen when it is on none; where it is larger than the
// area its top-left corner stays inside.
QPoint MoveOntoWorkArea(const QRect& window) {
    const QScreen* screen = QGuiApplication::screenAt(window.center());
    const QRect area = screen != nullptr ? screen->availableGeometry() : ScreenArea();
    const int x = std::max(area.left(), std::min(window.left(), area.right() + 1 - window.width()));
    const int y = std::max(area.top(), std::min(window.top(), area.bottom() + 1 - window.height()));
    return QPoint(x, y) - window.topLeft();
}

} // namespace

bool StartupBridge::LoadSettings() {
    const QSize main = m_player.mainWindow.Widget().size();
    const QSize list = m_player.playlistWindowBridge.Widget().size();
    return vantor::LoadSettings(m_player.settings, m_player.appFolder, CentredPositions(main, list),
                                *this);
}

void StartupBridge::ApplyLoadedSettings(const Settings& settings, bool) {
    m_player.mainWindow.Widget().move(settings.MainWindowX / kTwipsPerPixel,
                                      settings.MainWindowY / kTwipsPerPixel);
    m_player.playlistWindowBridge.Widget().move(settings.PlayListWindowX / kTwipsPerPixel,
                                                settings.PlayListWindowY / kTwipsPerPixel);
    m_player.playlistMeasurer.SetFont(
        {m_player.skin.playListFontName, m_player.skin.playListFontSize, false, false});
    m_player.ApplyTimerIntervals();
    m_player.replayGain = LoadReplayGainFile(m_player.appFolder + std::string(kReplayGainFileName));
}

void StartupBridge::InitSoundSystem() {
    vantor::InitSoundSystem(m_player.settings, m_player.soundSystem, m_player.soundSetup,
                            {&OscilloscopeCapture::Callback, &m_player.capture}, m_player.messages,
                            *this);
    m_player.equalizer.Init(m_player.sound.FSOUND_GetOutputRate());
    // A missing or damaged file leaves the levels flat.
    const EqualizerRead stored =
        LoadEqualizerFile(m_player.appFolder + std::string(kEqualizerFileName));
    m_player.equalizerLevels = stored.levels.value_or(EqualizerLevels{});
    m_player.equalizer.Apply(m_player.settings.EnableEqualizer != 0, m_player.equalizerLevels);
}

void StartupBridge::ApplyEffectSwitches() {
    ApplyEffects(m_player.settings, m_player.effects);
}

void StartupBridge::ApplyPan() {
    vantor::ApplyPan(m_player.settings, m_player.sound);
}

void StartupBridge::ApplySoundControls() {
    vantor::ApplySoundControls(m_player.settings, m_player.soundSystem, m_player.messages);
}

void StartupBridge::ApplySkin() {
    const std::string stored = m_player.settings.SkinFilePath;
    const std::string absolute = ResolveStoredPath(stored, "");
    m_player.skinApplication.ApplySkin(IsAbsolutePath(NormaliseSeparators(stored)) &&
                                               FileExists(absolute)
                                           ? absolute
                                           : ResolveStoredPath(stored, m_player.skinRoot));
}

std::int32_t StartupBridge::SkinDockPosition() const {
    return m_player.skin.dockPosition;
}

void StartupBridge::CentreMainWindow() {
    QWidget& main = m_player.mainWindow.Widget();
    const QRect area = ScreenArea();
    main.move(area.left() + (area.width() - main.width()) / 2,
              area.top() + (area.height() - main.height()) / 2);
}

void StartupBridge::DockPlaylistWindow() {
    Settings& settings = m_player.settings;
    // A skin's "PlayListInitXY" may have linked it already.
    if (settings.PlayListLinkMode != 1) {
        const SkinPoint first = m_player.skin.linkPoints[0];
        settings.PlayListLinkMode = 1;
        settings.PlayListLinkX = first.x;
        settings.PlayListLinkY = first.IsSet() ? first.y : m_player.mainWindow.Widget().height();
        m_player.playlistWindowBridge.DrawLinkButton(true);
    }
    m_player.commands.PlacePlayListWindow();
}

void StartupBridge::KeepWindowsOnScreen() {
    QWidget& main = m_player.mainWindow.Widget();
    QWidget& list = m_player.playlistWindowBridge.Widget();
    if (m_player.settings.PlayListLinkMode != 1) {
        main.move(main.pos() + MoveOntoWorkArea(main.geometry()));
        list.move(list.pos() + MoveOntoWorkArea(list.geometry()));
        return;
    }
    // The linked playlist window follows the main window: they move as one.
    m_player.commands.PlacePlayListWindow();
    main.move(main.pos() + MoveOntoWorkArea(main.geometry().united(list.geometry())));
    m_player.commands.PlacePlayListWindow();
}

std::int32_t StartupBridge::LoadDefaultPlaylist() {
    PlaylistState& playlist = m_player.playlist;
    const std::int32_t count = vantor::LoadDefaultPlaylist(
        m_player.appFolder + std::string(kDefaultPlaylistFileName), playlist);
    // An empty list keeps the spare element that adding files fills.
    if (count == 0)
        playlist.ResetToSpare();
    return count;
}

void StartupBridge::ComputeVisibleRows() {
    RecomputeVisibleRows(m_player.playlist, m_player.playlistWindowBridge.Layout());
}

void StartupBridge::SetCurrentIndex(std::int32_t index) {
    m_player.player.currentIndex() = index;
}

void StartupBridge::ShowRestoredPlaylist() {
    DrawCurrentTrackNumbers(m_player.playbackContext, m_player.player.currentIndex());
    m_player.playlistWindowBridge.RedrawPlaylist();
    m_player.playback.OpenTrack(0);
    StartTagReader(m_player.playlistContext, 0);
    m_player.mainWindow.DrawSongInfo();
}

void StartupBridge::AddFiles(const std::vector<std::string>& files, bool openMode) {
    vantor::AddFiles(m_player.playlistContext, openMode ? 1 : 0, AddSource::CommandLine, files);
}

void StartupBridge::CreateToolTips() {
    m_player.mainWindow.SetUpToolTips();
    m_player.playlistWindowBridge.SetUpToolTips();
}

void StartupBridge::DestroyToolTips() {}

void StartupBridge::SetTopMost(PlayerWindow window, bool on) {
    vantor::SetTopMost(m_player.shell, window, on);
}

void StartupBridge::DrawPlaylist() {
    m_player.playlistWindowBridge.RedrawPlaylist();
}

void StartupBridge::ShowMainWindow(bool minimised) {
    m_player.Present();
    if (minimised)
        m_player.mainWindow.Widget().showMinimized();
    else
        m_player.mainWindow.Widget().show();
}

bool StartupBridge::MainWindowMinimised() const {
    return m_player.mainWindow.MainWindowMinimised();
}

bool StartupBridge::HideToTray() {
    return MinimiseToTray(m_player.settings, m_player.shell);
}

void StartupBridge::RemoveTrayIcon() {
    vantor::RemoveTrayIcon(m_player.shell);
}

void StartupBridge::ShowPlaylistWindow() {
    m_player.playlistWindowBridge.Widget().show();
    m_player.playlistWindowBridge.Widget().setFocus();
}

void StartupBridge::HidePlaylistWindow() {
    m_player.playlistWindowBridge.Widget().hide();
}

bool StartupBridge::PlaylistWindowVisible() const {
    return m_player.playlistWindowBridge.Widget().isVisible();
}

std::pair<std::int32_t, std::int32_t> StartupBridge::PlaylistWindowPosition() const {
    const QPoint at = m_player.playlistWindowBridge.Widget().pos();
    return {at.x() * kTwipsPerPixel, at.y() * kTwipsPerPixel};
}

void StartupBridge::SaveSettings() {
    const QPoint main = m_player.mainWindow.Widget().pos();
    m_player.settings.MainWindowX = main.x() * kTwipsPerPixel;
    m_player.settings.MainWindowY = main.y() * kTwipsPerPixel;
    vantor::SaveSettings(m_player.settings, m_player.appFolder, *this);
    SaveEqualizerFile(m_player.appFolder + std::string(kEqualizerFileName),
                      m_player.equalizerLevels);
    SaveReplayGainFile(m_player.appFolder + std::string(kReplayGainFileName), m_player.replayGain);
}

void StartProgramAgain() {
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {QStringLiteral("-r")});
}

void StartupBridge::Relaunch() {
    startAgain();
}

void StartupBridge::CloseTrack() {
    m_player.playback.CloseTrack();
}

void StartupBridge::ShutdownSoundSystem() {
    m_player.equalizer.Close();
    vantor::ShutdownSoundSystem(m_player.soundSystem, m_player.soundSetup, [] {});
}

void StartupBridge::ReapplyEffectChain(const Settings& settings) {
    ApplyEffects(settings, m_player.effects);
}

std::int32_t StartupBridge::CurrentSongIndexToSave() const {
    return SongIndexToSave(m_player.player, m_player.playlist);
}

bool StartupBridge::SaveDefaultPlaylist(const std::string& path) {
    return SavePlaylistFile(path, m_player.playlist);
}

void StartupBridge::EndProcessNow() {
    std::_Exit(1);
}

} // namespace vantor
