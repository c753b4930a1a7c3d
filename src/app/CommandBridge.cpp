#include "app/CommandBridge.h"

#include "app/Player.h"
#include "base/Paths.h"
#include "base/ShownText.h"
#include "core/AboutText.h"
#include "core/TrackControl.h"
#include "effects/EffectChain.h"
#include "engine/LibraryCredits.h"
#include "engine/cd/CdDriveLetters.h"
#include "media/TaggedFormat.h"
#include "playlist/AddFiles.h"
#include "playlist/TagReader.h"
#include "settings/WorkingSet.h"
#include "skin/SkinToolTips.h"
#include "skin/WindowShape.h"
#include "ui/FrmCD.h"
#include "ui/QtShapedWindow.h"

namespace vantor {
namespace {

AboutContent CollectAboutContent(Player& player) {
    const PixwellApi* pixwell = player.pixwell.Api();
    const LibraryVersions versions{
        player.sound.FSOUND_GetVersion(), player.effects.Echora_GetVersion(),
        player.pitch.Tonalis_GetVersion(),
        pixwell != nullptr ? std::optional<float>(pixwell->version()) : std::nullopt};
    std::vector<LibraryCredit> libraries{{"Qt", qVersion(), "LGPL-3.0"}};
    for (LibraryCredit& library : engine::EngineLibraryCredits())
        libraries.push_back(std::move(library));
    libraries.push_back(TagLibCredit());
    return {kProgramName, kProgramVersion, LibraryVersionLines(versions), StaffList(libraries)};
}

} // namespace

void CommandBridge::RunCommand(const CommandRequest& request) {
    CommandContext context{m_player.playbackContext, *this, m_player.shell};
    RunMainCommand(context, request);
    m_player.Present();
}

void CommandBridge::RunMenuItem(const std::string& name, std::int32_t index) {
    if (const auto request = CommandForMenuItem(name, index))
        RunCommand(*request);
}

void CommandBridge::RunKey(char key, bool ctrl) {
    if (const auto request = CommandForKey(key, ctrl))
        RunCommand(*request);
}

void CommandBridge::AddFilesFromDialog(std::int32_t mode) {
    AddFiles(m_player.playlistContext, mode, AddSource::Dialog);
}

void CommandBridge::AddFolderFromPicker(std::int32_t mode) {
    const std::string folder = m_player.dialogs.BrowseForFolder(
        VANTOR_TEXT("フォルダの選択"), m_player.settings.RecentSongFileFolder);
    if (!folder.empty())
        AddFolder(m_player.playlistContext, folder, m_player.settings.SearchSubFolder == 1, mode);
}

void CommandBridge::ShowCdWindow() {
    // The drives are looked for anew each time, so a drive plugged in since
    // the last opening is listed.
    const engine::CdDriveLetters drives;
    FrmCD window(m_player.sound, drives, m_player.playlistContext, &m_player.mainWindow.Widget());
    window.ShowModal();
}

void CommandBridge::ShowSettingsDialog(std::int32_t page) {
    m_player.settingsWindow.Show(page);
}

void CommandBridge::ShowSkinFileDialog() {
    const auto files = m_player.dialogs.OpenFiles(VANTOR_TEXT("Skinファイルを開く"),
                                                  VANTOR_TEXT("Skin File") " (*.dvk)|*.dvk|",
                                                  m_player.settings.RecentSkinFileFolder, false);
    if (files.empty())
        return;
    m_player.settings.RecentSkinFileFolder = FolderOf(files.front());
    m_player.skinApplication.ChangeSkin(files.front());
}

void CommandBridge::ShowAbout() {
    if (m_about == nullptr)
        m_about = new Form5(CollectAboutContent(m_player), &m_player.mainWindow.Widget());
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void CommandBridge::ExitPlayer(std::int32_t mode) {
    m_player.Exit(mode);
}

void CommandBridge::UnloadMainWindow() {
    m_player.Exit(0);
}

void CommandBridge::RestartTagReader() {
    StartTagReader(m_player.playlistContext, 0);
}

void CommandBridge::RedrawVolumeBar() {
    // A volume chosen outright ends a turn of the dial towards another one.
    m_player.volumeTimer.stop();
    m_player.bars.RedrawAndApply(BarKind::Volume);
}

void CommandBridge::SelectAnalyzerStyle(std::int32_t index) {
    m_player.visuals.SelectAnalyzerStyle(index);
}

void CommandBridge::SelectOscilloscope() {
    m_player.visuals.SelectOscilloscope();
}

void CommandBridge::DrawLinkButton(bool pressed) {
    m_player.playlistWindowBridge.DrawLinkButton(pressed);
}

void CommandBridge::RedrawBalanceBar() {
    m_player.bars.RedrawAndApply(BarKind::Pan);
}

void CommandBridge::RedrawPitchBar() {
    m_player.bars.RedrawAndApply(BarKind::Pitch);
}

void CommandBridge::ApplySoundControls() {
    m_player.startupBridge.ApplySoundControls();
}

void CommandBridge::SaveSettings() {
    m_player.startupBridge.SaveSettings();
}

void CommandBridge::StopTickTimer() {
    m_player.tickTimer.stop();
}

void CommandBridge::StartTickTimer() {
    m_player.tickTimer.start();
}

void CommandBridge::ShapeWindows(const gfx::Surface& mainFace, const gfx::Surface& playListFace) {
    QtShapedWindow main(m_player.mainWindow.Widget());
    QtShapedWindow list(m_player.playlistWindowBridge.Widget());
    CreateWindowShape(main, std::make_shared<gfx::Surface>(mainFace),
                      m_player.mainWindow.opaqueBounds, m_player.pixwell, m_player.messages);
    gfx::Rect listBounds;
    CreateWindowShape(list, std::make_shared<gfx::Surface>(playListFace), listBounds,
                      m_player.pixwell, m_player.messages);
    // A window the skin leaves hidden shows its picture only when it shows.
    for (SkinWidget* widget :
         {&m_player.mainWindow.Widget(), &m_player.playlistWindowBridge.Widget()})
        widget->ReleasePicture();
}

void CommandBridge::SetUpSkinToolTips() {
    m_player.mainWindow.SetUpToolTips();
    m_player.playlistWindowBridge.SetUpToolTips();
}

void CommandBridge::PlacePlayListWindow() {
    const QPoint main = m_player.mainWindow.Widget().pos();
    m_player.playlistWindowBridge.Widget().move(main.x() + m_player.settings.PlayListLinkX,
                                                main.y() + m_player.settings.PlayListLinkY);
}

void CommandBridge::PrepareVisuals() {
    m_player.visuals.PrepareAnalyzer(m_player.pictures);
    m_player.texts.DrawTimeText("00:00 / 00:00");
    m_player.playlistMeasurer.SetFont(
        {m_player.skin.playListFontName, m_player.skin.playListFontSize, false, false});
    if (m_player.player.SoundingSlot().Kind() == TrackKind::None) {
        m_player.visuals.SongInfo().DrawIdleText();
    } else {
        // The line is the same as before the switch, but it must be drawn
        // again in the new skin's font and colour.
        m_player.visuals.SongInfo().Forget();
        m_player.mainWindow.DrawSongInfo();
    }
}

void CommandBridge::DrawPlayList() {
    m_player.playlistWindowBridge.RedrawPlaylist();
    // The new face has no numbers on it yet.
    if (m_player.playlist.HasEntries == 1)
        DrawCurrentTrackNumbers(m_player.playbackContext, m_player.player.SoundingIndex());
}

void CommandBridge::SkinChanged() {
    TrimWorkingSet(m_player.settings);
    QWidget& main = m_player.mainWindow.Widget();
    main.show();
    main.raise();
    main.activateWindow();
    if (m_player.settings.PlayListVisible == 1) {
        m_player.playlistWindowBridge.Widget().show();
        m_player.playlistWindowBridge.Widget().raise();
    }
    SaveSettings();
}

void CommandBridge::FinishApplication() {
    m_player.mainWindow.Widget().setWindowTitle(QStringLiteral("Vantor"));
    // The new skin starts on its normal face; the next tick puts on the one
    // the focus asks for.
    m_player.player.FaceInUse = Face::None;
    m_player.Present();
}

void CommandBridge::ExitPlayer() {
    m_player.Exit(1);
}

} // namespace vantor
