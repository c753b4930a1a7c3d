#include "playlist/AddFiles.h"

#include "base/ShownText.h"
#include "playlist/PlayableExtensions.h"
#include "playlist/PlaylistEdit.h"
#include "playlist/PlaylistFile.h"
#include "playlist/PlaylistScroll.h"
#include "playlist/PlaylistWindow.h"

namespace vantor {

namespace {

constexpr std::string_view kLoadTitle = VANTOR_TEXT("PlayListを開く");
// clang-format off
constexpr std::string_view kLoadFilter =
    VANTOR_TEXT("PlayListFile") " (*.DVL;*.M3U;*.M3U8;*.PLS;*.XSPF)|*.DVL;*.M3U;*.M3U8;*.PLS;*.XSPF|";
constexpr std::string_view kSaveTitle = VANTOR_TEXT("PlayListを保存する");
constexpr std::string_view kSaveFilter =
    VANTOR_TEXT("PlayListFile") " (*.M3U)|*.M3U|" VANTOR_TEXT("DorvanPlayListFile") " (*.DVL)|*.DVL|";
// clang-format on
constexpr std::string_view kNothingLoadedText =
    VANTOR_TEXT("このファイルからは曲を読み込めませんでした。");

// Whether `path` is a playlist file with at least one entry that resolves.
bool ReadsEntries(const std::string& path) {
    if (!IsPlaylistExtension(MatchPlayableExtension(path)))
        return false;
    PlaylistState scratch;
    scratch.ResetToSpare();
    LoadPlaylistFile(path, scratch);
    return scratch.HasEntries == 1;
}

} // namespace

void PlaylistWindow::OnButtonPress(std::int32_t button) {
    if (button != kButtonUp && button != kButtonDown)
        return;
    m_state.repeatStep = button == kButtonUp ? -1 : +1;
    // A click moves the selection by one entry at once; the timer repeats
    // the move while the button stays held.
    OnRepeatTick();
    if (m_state.repeatStep != 0)
        m_context.view.SetRepeatTimer(true);
}

void PlaylistWindow::OnButtonRelease(std::int32_t button, std::int32_t region) {
    auto& playback = m_context.playback;
    const auto selected = m_context.state.SelectedIndex;
    switch (button) {
    case kButtonClose:
        Close();
        break;
    case kButtonAddTrack:
        AddFiles(m_context, kAddMode, AddSource::Dialog);
        break;
    case kButtonDeleteTrack:
        DeleteSelectedEntry();
        break;
    case kButtonClear:
        ClearList();
        break;
    case kButtonLoad:
        LoadPlaylist();
        break;
    case kButtonSave:
        SavePlaylist();
        break;
    case kButtonUp:
    case kButtonDown:
        m_state.repeatStep = 0;
        m_context.view.SetRepeatTimer(false);
        break;
    case kButtonMoveUp:
        if (m_context.state.HasEntries == 1 && selected > 0)
            MoveSelectedEntry(selected - 1);
        break;
    case kButtonMoveDown:
        if (m_context.state.HasEntries == 1 && selected < m_context.state.LastIndex())
            MoveSelectedEntry(selected + 1);
        break;
    case kButtonLink:
        ToggleLink();
        break;
    case kButtonStop:
        playback.StopTrack();
        break;
    case kButtonPause:
        playback.TogglePause();
        break;
    case kButtonNext:
        playback.NextTrack();
        break;
    case kButtonPrevious:
        playback.PreviousTrack();
        break;
    case kButtonPlay:
        playback.PlayCommand();
        break;
    case kButtonOpen:
        AddFiles(m_context, kOpenMode, AddSource::Dialog);
        m_context.view.RedrawPlaylist();
        break;
    case kButtonAbout:
        m_context.view.ShowAbout();
        break;
    case kButtonChangeSkin:
        m_context.view.ApplySkinTarget(region);
        break;
    default:
        break;
    }
}

void PlaylistWindow::Close() {
    m_context.settings.PlayListVisible = 0;
    m_context.view.HideWindow();
}

void PlaylistWindow::ClearList() {
    auto& state = m_context.state;
    auto& view = m_context.view;
    // Nothing can resume the tracks of a list that is gone: they are
    // released, and the main window shows that nothing is loaded.
    m_context.playback.StopTrack();
    m_context.playback.CloseTrack();
    state.Playlist.clear();
    state.HasEntries = 0;
    state.SelectedIndex = 0;
    state.TopIndex = 0;
    RecomputeVisibleRows(state, view.Layout());
    view.ResetSeekBar();
    view.DrawSongInfo();
    view.ShowTimeText("00:00 / 00:00");
    view.ClearTrackFields();
    m_state.TotalTimeText.clear();
    view.ShowTotalTime("");
    view.PlaceScrollThumb(0);
    view.RedrawPlaylist();
}

// The chosen playlist replaces the list; its first entry is opened, never
// started. A file that gives no entry leaves the list alone and says so.
void PlaylistWindow::LoadPlaylist() {
    auto& settings = m_context.settings;
    const auto chosen = m_context.dialogs.OpenFiles(
        std::string(kLoadTitle), std::string(kLoadFilter), settings.RecentSongFileFolder, false);
    if (chosen.empty())
        return;
    if (!ReadsEntries(chosen.front())) {
        m_context.messages.Show(chosen.front() + "\r\n" + std::string(kNothingLoadedText), "Vantor",
                                MessageIcon::Exclamation);
        return;
    }
    const auto autoPlay = settings.AutoPlay;
    settings.AutoPlay = 0;
    AddFiles(m_context, kOpenMode, AddSource::CommandLine, {chosen.front()});
    settings.AutoPlay = autoPlay;
}

void PlaylistWindow::SavePlaylist() {
    const auto path = m_context.dialogs.SaveFile(std::string(kSaveTitle), std::string(kSaveFilter),
                                                 m_context.settings.RecentSongFileFolder);
    if (path.empty())
        return;
    // A save that fails leaves the previous file whole; the user must know
    // the list was not written.
    if (!SavePlaylistFile(path, m_context.state))
        m_context.messages.Show(VANTOR_TEXT("Error : SavePlaylistFile"), "Vantor",
                                MessageIcon::Critical);
}

void PlaylistWindow::ToggleLink() {
    auto& settings = m_context.settings;
    const auto window = m_context.view.WindowRect();
    const auto main = m_context.view.MainWindowPosition();
    settings.PlayListLinkMode = settings.PlayListLinkMode == 1 ? 0 : 1;
    settings.PlayListLinkX = window.left - main.x;
    settings.PlayListLinkY = window.top - main.y;
    m_context.view.DrawLinkButton(settings.PlayListLinkMode == 1);
}

} // namespace vantor
