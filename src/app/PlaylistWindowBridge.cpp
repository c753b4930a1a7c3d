#include "app/PlaylistWindowBridge.h"

#include "app/AreaToolTips.h"
#include "app/Player.h"
#include "app/PopupMenus.h"
#include "core/MainMenu.h"
#include "gfx/Blit.h"
#include "playlist/PlaylistScroll.h"
#include "skin/PlayListRows.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QToolTip>

#include <cmath>

namespace vantor {

namespace {

PointerButton ToPointerButton(WindowButton button) {
    return button == WindowButton::Right ? PointerButton::Right : PointerButton::Left;
}

bool Inside(const SkinRect& rect, int x, int y) {
    return x >= rect.left && x <= rect.right && y >= rect.top && y <= rect.bottom;
}

} // namespace

PlaylistWindowBridge::PlaylistWindowBridge(Player& player) : m_player(player), m_widget(*this) {
    m_widget.setWindowTitle(QStringLiteral("Vantor - PlayList"));
}

void PlaylistWindowBridge::SetUpToolTips() {
    m_widget.SetToolTips(AreaToolTips(m_player.skin, PlayerWindow::Playlist));
}

PixelPoint PlaylistWindowBridge::Global(int x, int y) const {
    const QPoint global = m_widget.mapToGlobal(QPoint(x, y));
    return {global.x(), global.y()};
}

std::optional<std::pair<std::int32_t, std::int32_t>> PlaylistWindowBridge::ButtonAt(int x,
                                                                                    int y) const {
    const auto& buttons = m_player.skin.playListButtons;
    for (std::size_t button = 0; button < buttons.size(); ++button) {
        for (std::int32_t region = 0; region <= buttons[button].regionCount && region < 3;
             ++region) {
            if (Inside(buttons[button].regions[static_cast<std::size_t>(region)].rect, x, y))
                return std::pair{static_cast<std::int32_t>(button), region};
        }
    }
    return std::nullopt;
}

void PlaylistWindowBridge::CopyButton(std::int32_t button, bool pressed) {
    const SkinButton& regions = m_player.skin.playListButtons[static_cast<std::size_t>(button)];
    const gfx::Surface& source =
        pressed ? m_player.surfaces.playListPressedFace : m_player.surfaces.playListFace;
    for (std::int32_t i = 0; i <= regions.regionCount && i < 3; ++i) {
        const gfx::Rect rect = ToGfx(regions.regions[static_cast<std::size_t>(i)].rect);
        gfx::Blit(m_player.surfaces.playListWindow, {rect.left, rect.top}, source, rect);
    }
}

void PlaylistWindowBridge::OnPointerPress(WindowButton button, int x, int y) {
    const SkinRect& list = m_player.skin.playListTextRect;
    if (Inside(list, x, y)) {
        m_listPressed = true;
        m_player.playlistWindow.OnListPress(y - list.top, ToPointerButton(button));
    } else if (Inside(m_player.skin.playListScrollField.rect, x, y)) {
        if (button == WindowButton::Left) {
            m_scrollPressed = true;
            PlaceScrollThumb(m_thumbPosition);
            m_player.playlistWindow.OnScrollField(y - m_player.skin.playListScrollField.rect.top);
        }
    } else if (const auto hit = ButtonAt(x, y); hit && button == WindowButton::Left) {
        m_pressedButton = hit;
        CopyButton(hit->first, true);
        m_player.playlistWindow.OnButtonPress(hit->first);
    } else if (button == WindowButton::Left) {
        m_facePressed = true;
        m_player.playlistWindow.OnFacePress(Global(x, y));
    } else {
        ShowMainMenuPopup();
    }
    m_player.Present();
}

void PlaylistWindowBridge::OnPointerMove(int x, int y, bool leftHeld) {
    if (!leftHeld)
        return;
    if (m_listPressed) {
        m_player.playlistWindow.OnListDrag(y - m_player.skin.playListTextRect.top);
    } else if (m_scrollPressed) {
        // The thumb keeps following a pointer that strays beside the field.
        m_player.playlistWindow.OnScrollField(y - m_player.skin.playListScrollField.rect.top);
    } else if (m_facePressed) {
        std::array<PixelPoint, 4> links{};
        for (std::size_t i = 0; i < links.size(); ++i)
            links[i] = {m_player.skin.linkPoints[i].x, m_player.skin.linkPoints[i].y};
        m_player.playlistWindow.OnFaceDrag(Global(x, y), links);
    }
    m_player.Present();
}

void PlaylistWindowBridge::OnPointerRelease(WindowButton button, int x, int y) {
    if (m_listPressed) {
        m_listPressed = false;
        m_player.playlistWindow.OnListRelease(ToPointerButton(button));
    }
    m_facePressed = false;
    if (m_scrollPressed) {
        m_scrollPressed = false;
        PlaceScrollThumb(m_thumbPosition);
    }
    if (m_pressedButton) {
        const auto pressed = *m_pressedButton;
        m_pressedButton.reset();
        CopyButton(pressed.first, false);
        if (ButtonAt(x, y) == pressed)
            m_player.playlistWindow.OnButtonRelease(pressed.first, pressed.second);
    }
    m_player.Present();
}

void PlaylistWindowBridge::OnDoubleClick(WindowButton button, int x, int y) {
    if (button == WindowButton::Left && Inside(m_player.skin.playListTextRect, x, y))
        m_player.playlistWindow.OnListDoubleClick();
    m_player.Present();
}

void PlaylistWindowBridge::OnWheel(int delta) {
    PlaylistState& state = m_player.playlist;
    const std::int32_t step = m_player.settings.WheelScrollValue * (delta < 0 ? 1 : -1);
    const std::int32_t lastTop = std::max(0, state.LastIndex() - state.VisibleRows);
    state.TopIndex = std::clamp(state.TopIndex + step, 0, lastTop);
    RedrawPlaylist();
    m_player.Present();
}

void PlaylistWindowBridge::OnKey(int key, bool) {
    switch (key) {
    case Qt::Key_Up:
        m_player.playlistWindow.OnKeyUp();
        break;
    case Qt::Key_Down:
        m_player.playlistWindow.OnKeyDown();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_player.playlistWindow.OnEnter();
        break;
    case Qt::Key_Delete:
        m_player.playlistWindow.OnMenuDelete();
        break;
    default:
        return;
    }
    m_player.Present();
}

void PlaylistWindowBridge::OnKeyRelease(int key, bool ctrl) {
    // The shortcuts are the main window's; they act once a key is let go.
    m_player.mainWindow.OnKeyRelease(key, ctrl);
}

void PlaylistWindowBridge::OnFilesDropped(const std::vector<std::string>& paths) {
    m_player.playlistWindow.OnDrop(paths);
    m_player.Present();
}

void PlaylistWindowBridge::OnCloseRequested() {
    m_player.playlistWindow.Close();
}

void PlaylistWindowBridge::OnPictureWanted() {
    m_widget.ShowSurface(m_player.surfaces.playListWindow);
}

PlaylistLayout PlaylistWindowBridge::Layout() const {
    const SkinRect& list = m_player.skin.playListTextRect;
    const SkinRect& scroll = m_player.skin.playListScrollField.rect;
    const auto& knob = m_player.skin.playListScrollKnob;
    const int rowHeight =
        m_player.surfaces.playListItemHeight > 0 ? m_player.surfaces.playListItemHeight : 12;
    return {static_cast<float>(rowHeight), list.right - list.left, list.bottom - list.top,
            scroll.bottom - scroll.top, knob ? knob->Height() : 0};
}

void PlaylistWindowBridge::RedrawPlaylist() {
    PlaylistState& state = m_player.playlist;
    RecomputeVisibleRows(state, Layout());
    std::vector<PlayListRow> rows;
    const auto texts = m_player.playlistWindow.Rows();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::int32_t index = state.TopIndex + static_cast<std::int32_t>(i);
        rows.push_back({texts[i].prefix, texts[i].title, texts[i].time,
                        index == state.SelectedIndex, index == m_player.player.SoundingIndex()});
    }
    DrawPlayListRows(m_player.skin, m_player.surfaces, m_player.painter, rows, Layout().rowHeight);
    UpdateScrollThumb(state, *this);
    // The total time is read only now and then; a new face must not lose it.
    DrawField(static_cast<int>(TextField::PlayListTotalPlayTime), m_totalTime);
}

void PlaylistWindowBridge::PlaceScrollThumb(std::int32_t position) {
    m_thumbPosition = position;
    const SkinRect& field = m_player.skin.playListScrollField.rect;
    const auto& knob = m_scrollPressed && m_player.skin.playListScrollKnobPressed
                           ? m_player.skin.playListScrollKnobPressed
                           : m_player.skin.playListScrollKnob;
    if (!knob || field.right <= field.left)
        return;
    const gfx::Rect area{field.left, field.top, field.right, field.bottom};
    gfx::Blit(m_player.surfaces.playListWindow, {area.left, area.top},
              m_player.surfaces.playListFace, area);
    gfx::TransparentBlit(m_player.surfaces.playListWindow, {field.left, field.top + position},
                         *knob, knob->Bounds(), gfx::kMagenta);
}

void PlaylistWindowBridge::DrawField(int field, std::string text) {
    m_player.texts.DrawPlayListText(static_cast<TextField>(field), text);
}

void PlaylistWindowBridge::ShowTrackCount(std::int32_t total) {
    DrawField(static_cast<int>(TextField::PlayListTotalTrackNumber), std::to_string(total));
}

void PlaylistWindowBridge::ShowCurrentTrack(std::int32_t number) {
    DrawField(static_cast<int>(TextField::PlayListCurrentTrackNumber), std::to_string(number));
}

void PlaylistWindowBridge::ClearTrackFields() {
    DrawField(static_cast<int>(TextField::PlayListTotalTrackNumber), "");
    DrawField(static_cast<int>(TextField::PlayListCurrentTrackNumber), "");
}

void PlaylistWindowBridge::ShowTimeText(const std::string& text) {
    DrawField(static_cast<int>(TextField::PlayListTime), text);
}

void PlaylistWindowBridge::ShowTotalTime(const std::string& text) {
    m_totalTime = text;
    DrawField(static_cast<int>(TextField::PlayListTotalPlayTime), text);
}

void PlaylistWindowBridge::SetTagReaderInterval(std::int32_t milliseconds) {
    if (milliseconds <= 0)
        m_player.tagReaderTimer.stop();
    else
        m_player.tagReaderTimer.start(milliseconds);
}

void PlaylistWindowBridge::SetRepeatTimer(bool running) {
    if (running)
        m_player.repeatTimer.start();
    else
        m_player.repeatTimer.stop();
}

void PlaylistWindowBridge::ShowToolTip(const std::string& text) {
    QToolTip::showText(QCursor::pos(), QString::fromStdString(text), &m_widget);
}

void PlaylistWindowBridge::ShowRowMenu() {
    QMenu menu;
    QObject::connect(menu.addAction(qtTrId("削除")), &QAction::triggered,
                     [this] { m_player.playlistWindow.OnMenuDelete(); });
    QObject::connect(menu.addAction(qtTrId("ファイル情報")), &QAction::triggered,
                     [this] { m_player.playlistWindow.OnMenuInformation(); });
    menu.exec(QCursor::pos());
    m_player.Present();
}

void PlaylistWindowBridge::ShowMainMenuPopup() {
    ShowMainPopup(m_player, QCursor::pos());
}

void PlaylistWindowBridge::ShowFileInfo(const FileInfoText& info) {
    if (m_fileInfo == nullptr)
        m_fileInfo = new Form4(&m_widget);
    m_fileInfo->ShowInfo(info);
}

void PlaylistWindowBridge::HideWindow() {
    m_widget.hide();
}

void PlaylistWindowBridge::ShowAbout() {
    m_player.commands.ShowAbout();
}

void PlaylistWindowBridge::ClearSongInfoText() {
    m_player.visuals.SongInfo().Forget();
}

void PlaylistWindowBridge::DrawSongInfo() {
    m_player.mainWindow.DrawSongInfo();
}

void PlaylistWindowBridge::ResetSeekBar() {
    m_player.mainWindow.DrawIdleSeekBar();
}

void PlaylistWindowBridge::ApplySkinFile(const std::string& path) {
    m_player.skinApplication.ChangeSkin(path);
}

void PlaylistWindowBridge::ApplySkinTarget(std::int32_t region) {
    // Each region of the button names the skin target it switches to.
    const SkinButton& button = m_player.skin.playListButtons[kButtonChangeSkin];
    m_player.skinApplication.ChangeSkin(button.regions[static_cast<std::size_t>(region)].target,
                                        true);
}

PixelRect PlaylistWindowBridge::WorkArea() const {
    const ScreenRect area = m_player.mainWindow.WorkArea();
    return {area.left, area.top, area.right, area.bottom};
}

PixelRect PlaylistWindowBridge::WindowRect() const {
    const QRect frame = m_widget.frameGeometry();
    return {frame.left(), frame.top(), frame.right() + 1, frame.bottom() + 1};
}

PixelPoint PlaylistWindowBridge::MainWindowPosition() const {
    const ScreenPoint at = m_player.mainWindow.MainWindowPosition();
    return {at.x, at.y};
}

void PlaylistWindowBridge::MoveWindow(PixelPoint topLeft) {
    m_widget.move(topLeft.x, topLeft.y);
}

void PlaylistWindowBridge::DrawLinkButton(bool pressed) {
    CopyButton(kPlayListLinkButton, pressed);
}

} // namespace vantor
