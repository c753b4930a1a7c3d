#include "playlist/PlaylistWindow.h"

#include "base/VbNumber.h"
#include "playlist/AddFiles.h"
#include "playlist/PlaylistEdit.h"
#include "playlist/PlaylistScroll.h"
#include "playlist/TagReader.h"
#include "playlist/WindowDocking.h"

#include <algorithm>

namespace vantor {

std::vector<RowText> PlaylistWindow::Rows() const {
    return VisibleRowTexts(m_context.state, m_context.settings, m_context.view.Layout().listWidth,
                           m_measurer);
}

std::int32_t PlaylistWindow::EntryAt(std::int32_t y) const {
    const auto row = IntDiv(y, m_context.view.Layout().rowHeight);
    const auto index = row + m_context.state.TopIndex;
    return index >= 0 && index <= m_context.state.LastIndex() ? static_cast<std::int32_t>(index)
                                                              : -1;
}

void PlaylistWindow::OnListPress(std::int32_t y, PointerButton button) {
    m_state.rowMenuOpened = false;
    const auto index = EntryAt(y);
    if (index < 0)
        return;
    m_context.state.SelectedIndex = index;
    m_context.view.RedrawPlaylist();
    if (button == PointerButton::Left) {
        m_state.DragArmed = true;
    } else {
        m_state.rowMenuOpened = true;
        m_context.view.ShowRowMenu();
    }
}

void PlaylistWindow::OnListRelease(PointerButton button) {
    const auto& state = m_context.state;
    if (state.SelectedIndex >= 0 && state.SelectedIndex <= state.LastIndex())
        m_context.view.ShowToolTip(
            state.Playlist[static_cast<std::size_t>(state.SelectedIndex)].Title);
    if (button == PointerButton::Right && !m_state.rowMenuOpened)
        m_context.view.ShowMainMenuPopup();
    m_state.rowMenuOpened = false;
}

void PlaylistWindow::OnListDoubleClick() {
    const bool armed = m_state.DragArmed;
    m_state.DragArmed = false;
    if (!armed || m_context.state.HasEntries == 0)
        return;
    m_context.playback.StopTrack();
    OpenAndPlaySelected();
}

// Enter and double click: the selected entry becomes the current one and plays.
void PlaylistWindow::OpenAndPlaySelected() {
    auto& playback = m_context.playback;
    const auto selected = m_context.state.SelectedIndex;
    playback.CloseTrack();
    SetCurrentIndex(playback, selected);
    m_context.view.RedrawPlaylist();
    m_context.view.ShowCurrentTrack(selected + 1);
    playback.OpenTrack(0);
    playback.PlayTrack();
}

void PlaylistWindow::OnListDrag(std::int32_t y) {
    const auto& state = m_context.state;
    if (!m_state.DragArmed || state.HasEntries == 0)
        return;
    const auto row = IntDiv(y, m_context.view.Layout().rowHeight) + state.TopIndex;
    const auto target =
        static_cast<std::int32_t>(std::clamp<std::int64_t>(row, 0, state.LastIndex()));
    if (target != state.SelectedIndex)
        MoveSelectedEntry(target);
}

void PlaylistWindow::MoveSelectedEntry(std::int32_t to) {
    auto& state = m_context.state;
    const auto from = state.SelectedIndex;
    if (!MoveEntry(state, from, to))
        return;
    AdjustIndicesAfterMove(m_context, from, to);
    state.SelectedIndex = to;
    m_context.view.RedrawPlaylist();
    ShowReadTotal();
    m_context.view.ShowToolTip(state.Playlist[static_cast<std::size_t>(to)].Title);
}

void PlaylistWindow::OnScrollField(std::int32_t y) {
    DragScrollThumb(m_context.state, m_context.view, y);
}

void PlaylistWindow::OnKeyDown() {
    MoveSelection(+1);
}
void PlaylistWindow::OnKeyUp() {
    MoveSelection(-1);
}

void PlaylistWindow::MoveSelection(std::int32_t step) {
    auto& state = m_context.state;
    if (state.HasEntries == 0)
        return;
    const auto last = state.LastIndex();
    const auto bottom = [&] { return state.TopIndex + state.VisibleRows; };
    if (step > 0) {
        if (state.SelectedIndex > bottom())
            state.SelectedIndex = state.TopIndex - 1;
        state.SelectedIndex = std::min(state.SelectedIndex + 1, last);
        if (state.SelectedIndex > bottom()) {
            state.TopIndex = std::min(state.TopIndex + 1, last - state.VisibleRows);
            UpdateScrollThumb(state, m_context.view);
        }
        state.SelectedIndex = std::max(state.SelectedIndex, state.TopIndex);
    } else {
        if (state.SelectedIndex < state.TopIndex)
            state.SelectedIndex = bottom() + 1;
        state.SelectedIndex = std::max(state.SelectedIndex - 1, 0);
        if (state.SelectedIndex < state.TopIndex) {
            state.TopIndex = std::max(state.TopIndex - 1, 0);
            UpdateScrollThumb(state, m_context.view);
        }
        state.SelectedIndex = std::min(state.SelectedIndex, bottom());
    }
    m_context.view.RedrawPlaylist();
}

void PlaylistWindow::OnEnter() {
    if (m_context.state.HasEntries == 0)
        return;
    OpenAndPlaySelected();
}

void PlaylistWindow::OnRepeatTick() {
    const auto& state = m_context.state;
    const bool atEnd = m_state.repeatStep < 0 ? state.SelectedIndex <= 0
                                              : state.SelectedIndex >= state.LastIndex();
    if (m_state.repeatStep == 0 || atEnd) {
        m_state.repeatStep = 0;
        m_context.view.SetRepeatTimer(false);
        return;
    }
    MoveSelection(m_state.repeatStep);
}

void PlaylistWindow::OnTagReaderTick(const TagReadBudget& budget) {
    auto total = TagReaderTick(m_context, budget);
    if (!total.empty())
        m_state.TotalTimeText = std::move(total);
}

void PlaylistWindow::OnDrop(const std::vector<std::string>& files) {
    // The add itself keeps the non-stop mix going when the sounding entry
    // was the last one.
    AddFiles(m_context, kAddMode, AddSource::Drop, files);
}

void PlaylistWindow::OnMenuDelete() {
    DeleteSelectedEntry();
}

void PlaylistWindow::DeleteSelectedEntry() {
    DeleteSelected(m_context);
    ShowReadTotal();
}

// A deletion or a move changes which entries lie before the tag reader's
// cursor. The fields show their total at once: a reader that has finished
// has no next tick to do it.
void PlaylistWindow::ShowReadTotal() {
    m_state.TotalTimeText = ShowTagTotal(m_context);
}

void PlaylistWindow::OnMenuInformation() {
    const auto& state = m_context.state;
    if (state.SelectedIndex < 0 || state.SelectedIndex > state.LastIndex())
        return;
    const auto& entry = state.Playlist[static_cast<std::size_t>(state.SelectedIndex)];
    m_context.view.ShowFileInfo(m_context.media.BuildFileInfoText(entry));
    m_context.view.RedrawPlaylist();
}

void PlaylistWindow::OnFacePress(PixelPoint pointer) {
    const auto window = m_context.view.WindowRect();
    m_state.pressOffset = {pointer.x - window.left, pointer.y - window.top};
    m_state.faceMoved = false;
}

void PlaylistWindow::OnFaceDrag(PixelPoint pointer, const std::array<PixelPoint, 4>& linkPoints) {
    auto& settings = m_context.settings;
    auto& view = m_context.view;
    if (!m_state.faceMoved) {
        m_state.faceMoved = true;
        if (settings.PlayListLinkMode == 1) {
            settings.PlayListLinkMode = 0;
            view.DrawLinkButton(false);
        }
    }
    const auto window = view.WindowRect();
    const PixelPoint size{window.right - window.left, window.bottom - window.top};
    auto corner =
        SnapToWorkArea({pointer.x - m_state.pressOffset.x, pointer.y - m_state.pressOffset.y}, size,
                       view.WorkArea());
    const auto main = view.MainWindowPosition();
    if (const auto point = FindDockPoint(corner, main, linkPoints)) {
        corner = {main.x + point->x, main.y + point->y};
        settings.PlayListLinkMode = 1;
        settings.PlayListLinkX = point->x;
        settings.PlayListLinkY = point->y;
        view.DrawLinkButton(true);
    }
    view.MoveWindow(corner);
}

} // namespace vantor
