#include "app/MainWindowBridge.h"

#include "app/AreaToolTips.h"
#include "app/Player.h"
#include "app/PopupMenus.h"
#include "app/StartupBridge.h"
#include "base/VbNumber.h"
#include "core/MainCommands.h"
#include "gfx/Blit.h"
#include "media/SongText.h"
#include "playlist/AddFiles.h"
#include "playlist/MediaLayerProbe.h"
#include "shell/TrayBehaviour.h"
#include "skin/SkinToolTips.h"
#include "skin/SongModeLamps.h"

#include <QApplication>
#include <QScreen>

namespace vantor {

namespace {

PointerButton ToPointerButton(WindowButton button) {
    return button == WindowButton::Right ? PointerButton::Right : PointerButton::Left;
}

MainButton ModeButtonOf(ModeButton button) {
    switch (button) {
    case ModeButton::Loop:
        return MainButton::Loop;
    case ModeButton::Random:
        return MainButton::Random;
    case ModeButton::NonStop:
        break;
    }
    return MainButton::NonStopMegaMix;
}

// The command each skin button stands for, where it is one of the menu's.
std::optional<MainCommand> CommandOfButton(MainButton button) {
    switch (button) {
    case MainButton::Stop:
        return MainCommand::Stop;
    case MainButton::Pause:
        return MainCommand::Pause;
    case MainButton::NextSong:
        return MainCommand::Next;
    case MainButton::PreviousSong:
        return MainCommand::Previous;
    case MainButton::Play:
        return MainCommand::Play;
    case MainButton::Open:
        return MainCommand::FileNew;
    case MainButton::PlayList:
        return MainCommand::PlayListWindow;
    case MainButton::About:
        return MainCommand::About;
    case MainButton::Config:
        return MainCommand::Config;
    case MainButton::Loop:
        return MainCommand::Loop;
    case MainButton::Random:
        return MainCommand::Random;
    case MainButton::NonStopMegaMix:
        return MainCommand::NonStop;
    default:
        return std::nullopt;
    }
}

} // namespace

MainWindowBridge::MainWindowBridge(Player& player) : m_player(player), m_widget(*this) {
    m_widget.setWindowTitle(QStringLiteral("Vantor"));
}

void MainWindowBridge::SetUpToolTips() {
    m_widget.SetToolTips(AreaToolTips(m_player.skin, PlayerWindow::Main));
}

ScreenPoint MainWindowBridge::ScreenPosition(int x, int y) const {
    const QPoint global = m_widget.mapToGlobal(QPoint(x, y));
    return {global.x(), global.y()};
}

void MainWindowBridge::OnPointerPress(WindowButton button, int x, int y) {
    if (button != WindowButton::Left && button != WindowButton::Right)
        return;
    m_player.pointer.Press(ToPointerButton(button), x, y, ScreenPosition(x, y));
    m_player.Present();
}

void MainWindowBridge::OnPointerMove(int x, int y, bool leftHeld) {
    if (!leftHeld)
        return;
    m_player.pointer.Move(x, y, ScreenPosition(x, y));
    m_player.Present();
}

void MainWindowBridge::OnPointerRelease(WindowButton button, int x, int y) {
    if (button != WindowButton::Left)
        return;
    m_player.pointer.Release(x, y);
    m_player.Present();
}

void MainWindowBridge::OnKeyRelease(int key, bool ctrl) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        m_player.commands.RunKey(static_cast<char>('A' + (key - Qt::Key_A)), ctrl);
}

void MainWindowBridge::OnFilesDropped(const std::vector<std::string>& paths) {
    AddFiles(m_player.playlistContext, 1, AddSource::Drop, paths);
    m_player.Present();
}

void MainWindowBridge::OnActivationChanged(bool) {
    // The tick puts on the face the focus asks for.
    m_player.Wake();
}

void MainWindowBridge::OnMinimisedChanged(bool minimised) {
    // The tick shows the title a minimised window carries.
    m_player.Wake();
    if (m_player.startup.WindowStateTracking != 1)
        return;
    m_player.settings.MainWindowVisible = minimised ? 0 : 1;
    if (minimised && m_player.settings.ShowInSystemTask == 1 &&
        MinimiseToTray(m_player.settings, m_player.shell)) {
        m_player.startup.PlayListWasVisible = m_player.settings.PlayListVisible != 0 ? -1 : 0;
        return;
    }
    TakePlaylistAlong(minimised);
}

// The playlist has no task-bar button of its own: it goes away with the
// minimised main window and comes back with it, unless it was hidden before.
void MainWindowBridge::TakePlaylistAlong(bool minimised) {
    SkinWidget& list = m_player.playlistWindowBridge.Widget();
    if (minimised) {
        m_player.startup.PlayListWasVisible = list.isVisible() ? -1 : 0;
        list.hide();
    } else if (m_player.startup.PlayListWasVisible != 0) {
        list.show();
    }
}

void MainWindowBridge::OnCloseRequested() {
    if (m_player.startup.StartupDone == 1)
        m_player.Exit(0);
}

void MainWindowBridge::OnPictureWanted() {
    m_widget.ShowSurface(m_player.surfaces.mainWindow);
}

void MainWindowBridge::ShowContextMenu(std::int32_t x, std::int32_t y) {
    ShowMainWindowPopup(m_player, QPoint(x, y), m_widget.mapToGlobal(QPoint(x, y)));
}

void MainWindowBridge::RunButtonCommand(MainButton button, std::int32_t target) {
    if (button == MainButton::Close) {
        m_player.Exit(0);
        return;
    }
    if (button == MainButton::Minimize) {
        MinimiseMainWindow(m_player.settings, m_player.shell);
        return;
    }
    if (button == MainButton::ChangeSkin) {
        m_player.skinApplication.ChangeSkin(target, false);
        m_player.Present();
        return;
    }
    if (const auto command = CommandOfButton(button)) {
        CommandContext context{m_player.playbackContext, m_player.commands, m_player.shell};
        RunMainCommand(context, {*command, 0});
        m_player.Present();
    }
}

void MainWindowBridge::NextAnalyzerStyle() {
    m_player.visuals.NextAnalyzerStyle();
    m_player.commands.SaveSettings();
}

void MainWindowBridge::StartVolumeAnimation(std::int32_t targetFrame) {
    vantor::StartVolumeAnimation(m_player.volumeAnimation, targetFrame);
    m_player.volumeTimer.start(m_player.settings.VolumeAnimationWait);
}

void MainWindowBridge::StepVolumeAnimation() {
    const std::int32_t lastFrame = m_player.bars.LastFrame(BarKind::Volume);
    if (lastFrame <= 0) {
        // The skin changed under the turning knob.
        m_player.volumeTimer.stop();
        return;
    }
    const VolumeAnimationStep step = vantor::StepVolumeAnimation(
        m_player.volumeAnimation, m_player.settings.MasterVolume, lastFrame);
    m_player.settings.MasterVolume = step.volume;
    m_player.bars.RedrawAndApply(BarKind::Volume);
    if (!step.keepRunning)
        m_player.volumeTimer.stop();
}

ScreenPoint MainWindowBridge::MainWindowPosition() const {
    return {m_widget.pos().x(), m_widget.pos().y()};
}

ScreenRect MainWindowBridge::WorkArea() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return {area.left(), area.top(), area.right() + 1, area.bottom() + 1};
}

ScreenRect MainWindowBridge::OpaqueBounds() const {
    return {opaqueBounds.left, opaqueBounds.top, opaqueBounds.right, opaqueBounds.bottom};
}

void MainWindowBridge::MoveMainWindow(ScreenPoint to) {
    MoveMainWindow(to.x, to.y);
}

void MainWindowBridge::MovePlayListWindowBy(std::int32_t dx, std::int32_t dy) {
    QWidget& list = m_player.playlistWindowBridge.Widget();
    list.move(list.pos() + QPoint(dx, dy));
}

bool MainWindowBridge::MainWindowIsForeground() const {
    // The tick asks this every time. For a top-level window of its own kind
    // it is the same question isActiveWindow() answers, without the style
    // lookups that one makes for tool windows sharing their activation.
    return QApplication::activeWindow() == &m_widget;
}

// Other programs' windows are out of reach of a desktop client here, so
// only the player's own windows are ever reported.
ForegroundWindow MainWindowBridge::Foreground() const {
    ForegroundWindow foreground;
    const QWidget* active = QApplication::activeWindow();
    if (active == nullptr)
        return foreground;
    foreground.exists = true;
    foreground.isPlayerWindow = true;
    const QRect frame = active->frameGeometry();
    foreground.rect = {frame.left(), frame.top(), frame.right() + 1, frame.bottom() + 1};
    foreground.title = active->windowTitle().toStdString();
    return foreground;
}

void MainWindowBridge::MoveMainWindow(std::int32_t x, std::int32_t y) {
    m_widget.move(x, y);
    m_player.settings.MainWindowX = x * kTwipsPerPixel;
    m_player.settings.MainWindowY = y * kTwipsPerPixel;
}

void MainWindowBridge::ClearSeekFill() {
    m_player.surfaces.seekMask.threshold = 0;
}

void MainWindowBridge::DrawIdleSeekBar() {
    m_player.bars.ShowSeekValue(0);
}

void MainWindowBridge::DrawSeekBar(double fraction) {
    m_player.bars.ShowSeekValue(static_cast<std::int32_t>(RoundHalfEven(fraction * 255.0)));
}

bool MainWindowBridge::SeekBarDragging() const {
    return m_player.pointer.ActiveBar() == BarKind::Seek;
}

void MainWindowBridge::DrawTimeText(const std::string& text) {
    // The same text goes to the playlist's time field with it.
    m_player.texts.DrawTimeText(text);
}

void MainWindowBridge::DrawTrackNumbers(std::int32_t current, std::int32_t total) {
    m_player.playlistWindowBridge.ShowCurrentTrack(current);
    m_player.playlistWindowBridge.ShowTrackCount(total);
}

void MainWindowBridge::RedrawPlaylist() {
    m_player.playlistWindowBridge.RedrawPlaylist();
}

void MainWindowBridge::ResetAnalyzerPeaks() {}

void MainWindowBridge::DrawSongInfo() {
    const PlaylistEntry* entry = m_player.playbackContext.Entry(m_player.player.SoundingIndex());
    if (entry == nullptr) {
        m_technical = {};
        DrawTechnicalTexts();
        m_player.visuals.SongInfo().DrawIdleText();
        return;
    }
    const SongText text = BuildSongText(m_player.settings.SongInfoStyle, SongTrackOf(*entry),
                                        SongTextMode::MainWindow, m_player.songTexts);
    m_player.player.TitleText = text.Description.Title.empty()
                                    ? NameWithoutExtension(SongTrackOf(*entry))
                                    : text.Description.Title;
    // A file that failed to open has no format, rate or channels to show,
    // whatever its name or its first bytes suggest.
    const bool opened = m_player.player.SoundingSlot().Kind() != TrackKind::None;
    m_technical = opened ? text.Description.Technical : SongTechnicalTexts{};
    DrawTechnicalTexts();
    m_player.visuals.SongInfo().DrawSongInfo(text.Text);
}

void MainWindowBridge::DrawTechnicalTexts() {
    m_player.texts.DrawInfoText(TextField::SongFormat, m_technical.SongFormatText);
    m_player.texts.DrawInfoText(TextField::SongKbps, m_technical.SongBitrateText);
    m_player.texts.DrawInfoText(TextField::SongKhz, m_technical.SongSampleRateText);
    m_player.texts.DrawInfoText(TextField::SongMode, m_technical.SongChannelText);
    DrawSongModeLamps(m_player.skin, m_player.surfaces, FaceInUse(), m_technical.SongIsStereo);
}

const gfx::Surface& MainWindowBridge::FaceInUse() const {
    return m_player.surfaces.FaceShown();
}

void MainWindowBridge::ApplyFace(Face face) {
    m_player.surfaces.inactiveFaceShown = face == Face::Inactive;
    const gfx::Surface& shown = FaceInUse();
    // Everything that lies on the face is drawn again on the new one.
    gfx::Blit(m_player.surfaces.mainWindow, {0, 0}, shown, shown.Bounds());
    DrawTechnicalTexts();
    m_player.visuals.SongInfo().Redraw();
    for (const BarKind bar : {BarKind::Volume, BarKind::Seek, BarKind::Pan, BarKind::Pitch})
        m_player.bars.Redraw(bar);
}

void MainWindowBridge::CopyButton(MainButton button, const gfx::Surface& source) {
    const SkinButton& regions = m_player.skin.Main(button);
    for (std::int32_t i = 0; i <= regions.regionCount && i < 3; ++i) {
        const gfx::Rect rect = ToGfx(regions.regions[static_cast<std::size_t>(i)].rect);
        gfx::Blit(m_player.surfaces.mainWindow, {rect.left, rect.top}, source, rect);
    }
}

void MainWindowBridge::DrawModeButton(ModeButton button, bool on) {
    CopyButton(ModeButtonOf(button), on ? m_player.surfaces.pressedFace : FaceInUse());
}

void MainWindowBridge::RepaintMainWindow() {
    m_player.PresentSoon();
}

bool MainWindowBridge::MainWindowMinimised() const {
    return m_widget.isMinimized();
}

std::string MainWindowBridge::MainWindowTitle() const {
    return m_widget.windowTitle().toStdString();
}

void MainWindowBridge::SetMainWindowTitle(const std::string& title) {
    m_widget.setWindowTitle(QString::fromStdString(title));
}

std::optional<DockPoint> MainWindowBridge::SkinDockPoint() const {
    if (m_player.skin.dockPosition == -1)
        return std::nullopt;
    return DockPoint{m_player.skin.dockPosition, m_player.skin.dockPositionXY.x,
                     m_player.skin.dockPositionXY.y};
}

bool MainWindowBridge::IsLive() {
    return m_player.player.AnyPlaying();
}

bool MainWindowBridge::IsAnyPaused() {
    SoundLibrary& sound = m_player.sound;
    for (const PlaybackSlot* slot : {&m_player.player.slotA, &m_player.player.slotB}) {
        if (slot->musicHandle != 0 && sound.FMUSIC_GetPaused(slot->musicHandle))
            return true;
        if (slot->streamHandle != 0 && slot->HasChannel() && sound.FSOUND_GetPaused(slot->channel))
            return true;
    }
    return false;
}

Spectrum MainWindowBridge::FetchSpectrum() {
    return vantor::FetchSpectrum(m_player.sound);
}

std::int32_t MainWindowBridge::ChannelsPlaying() {
    return m_player.sound.FSOUND_GetChannelsPlaying();
}

std::int32_t MainWindowBridge::BufferLength() {
    return m_player.sound.FSOUND_DSP_GetBufferLength();
}

std::int32_t MainWindowBridge::BufferLengthTotal() {
    return m_player.sound.FSOUND_DSP_GetBufferLengthTotal();
}

void MainWindowBridge::SetBlockCount(std::int32_t count) {
    m_player.capture.SetBlockCount(count);
}

std::size_t MainWindowBridge::CopySoundingBlock(std::span<float> out) {
    return m_player.capture.CopySounding(out);
}

} // namespace vantor
