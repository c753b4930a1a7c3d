// The playlist window of the running player: the shaped Qt window showing
// the composed playlist surface, its events handed to the playlist window's
// logic, and the drawing that logic asks for. Borrows the Player.
// UI thread only.
#pragma once

#include "playlist/PlaylistView.h"
#include "ui/Form4.h"
#include "ui/SkinWidget.h"

#include <QPointer>

#include <optional>

namespace vantor {

class Player;

class PlaylistWindowBridge : public SkinWidgetListener, public PlaylistView {
public:
    explicit PlaylistWindowBridge(Player& player);

    SkinWidget& Widget() { return m_widget; }
    const SkinWidget& Widget() const { return m_widget; }
    void SetUpToolTips();

    // SkinWidgetListener
    void OnPointerPress(WindowButton button, int x, int y) override;
    void OnPointerMove(int x, int y, bool leftHeld) override;
    void OnPointerRelease(WindowButton button, int x, int y) override;
    void OnDoubleClick(WindowButton button, int x, int y) override;
    void OnWheel(int delta) override;
    void OnKey(int key, bool ctrl) override;
    void OnKeyRelease(int key, bool ctrl) override;
    void OnFilesDropped(const std::vector<std::string>& paths) override;
    void OnCloseRequested() override;
    void OnPictureWanted() override;

    // PlaylistView
    PlaylistLayout Layout() const override;
    void RedrawPlaylist() override;
    void PlaceScrollThumb(std::int32_t position) override;
    void ShowTrackCount(std::int32_t total) override;
    void ShowCurrentTrack(std::int32_t number) override;
    void ClearTrackFields() override;
    void ShowTimeText(const std::string& text) override;
    void ShowTotalTime(const std::string& text) override;
    void SetTagReaderInterval(std::int32_t milliseconds) override;
    void SetRepeatTimer(bool running) override;
    void ShowToolTip(const std::string& text) override;
    void ShowRowMenu() override;
    void ShowMainMenuPopup() override;
    void ShowFileInfo(const FileInfoText& info) override;
    void HideWindow() override;
    void ShowAbout() override;
    void ClearSongInfoText() override;
    void DrawSongInfo() override;
    void ResetSeekBar() override;
    void ApplySkinFile(const std::string& path) override;
    void ApplySkinTarget(std::int32_t region) override;
    PixelRect WorkArea() const override;
    PixelRect WindowRect() const override;
    PixelPoint MainWindowPosition() const override;
    void MoveWindow(PixelPoint topLeft) override;
    void DrawLinkButton(bool pressed) override;

private:
    // The button and region under (x, y).
    std::optional<std::pair<std::int32_t, std::int32_t>> ButtonAt(int x, int y) const;
    void CopyButton(std::int32_t button, bool pressed);
    void DrawField(int field, std::string text);
    PixelPoint Global(int x, int y) const;

    Player& m_player;
    SkinWidget m_widget;
    // Made at the first showing, owned by the window.
    QPointer<Form4> m_fileInfo;
    std::optional<std::pair<std::int32_t, std::int32_t>> m_pressedButton;
    bool m_listPressed = false;
    bool m_facePressed = false;
    // The left button went down in the scroll field: the thumb follows the
    // pointer in its pressed picture until the release.
    bool m_scrollPressed = false;
    std::int32_t m_thumbPosition = 0;
    // What the total-time field shows.
    std::string m_totalTime;
};

} // namespace vantor
