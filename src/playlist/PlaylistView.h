// The desktop side of the playlist window, and the few things of the other
// windows that playlist operations trigger (the song-information line, the
// skin, menus). The Qt playlist window implements it; tests record. Values
// are pixels. UI thread only.
#pragma once

#include "media/FileInfoText.h"

#include <cstdint>
#include <string>

namespace vantor {

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const PixelPoint&) const = default;
};

struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

// The skin geometry of the list that the window logic computes with.
struct PlaylistLayout {
    // `RowHeight`: the height of a text line in the playlist font.
    float rowHeight = 0.0f;
    // The list picture (the skin's playlist text field).
    std::int32_t listWidth = 0;
    std::int32_t listHeight = 0;
    // The skin's playlist scroll field and its thumb.
    std::int32_t scrollFieldHeight = 0;
    std::int32_t thumbHeight = 0;
};

class PlaylistView {
public:
    virtual ~PlaylistView() = default;

    virtual PlaylistLayout Layout() const = 0;

    // Draws the visible rows, the scroll thumb and the number fields again.
    virtual void RedrawPlaylist() = 0;
    virtual void PlaceScrollThumb(std::int32_t position) = 0;
    virtual void ShowTrackCount(std::int32_t total) = 0;
    virtual void ShowCurrentTrack(std::int32_t number) = 0;
    virtual void ClearTrackFields() = 0;
    virtual void ShowTimeText(const std::string& text) = 0;
    // The total play time of the entries read so far; empty clears it.
    virtual void ShowTotalTime(const std::string& text) = 0;
    // 0 stops the timer.
    virtual void SetTagReaderInterval(std::int32_t milliseconds) = 0;
    virtual void SetRepeatTimer(bool running) = 0;
    virtual void ShowToolTip(const std::string& text) = 0;
    // The window's own menu (delete, information) and the main window's
    // menu shown as a popup over the list.
    virtual void ShowRowMenu() = 0;
    virtual void ShowMainMenuPopup() = 0;
    virtual void ShowFileInfo(const FileInfoText& info) = 0;
    virtual void HideWindow() = 0;
    virtual void ShowAbout() = 0;

    // The song-information line of the main window: forget the text drawn
    // last, or build and draw it for the sounding track.
    virtual void ClearSongInfoText() = 0;
    virtual void DrawSongInfo() = 0;
    virtual void ResetSeekBar() = 0;
    // A dropped skin definition file; a change-skin region of the window.
    virtual void ApplySkinFile(const std::string& path) = 0;
    virtual void ApplySkinTarget(std::int32_t region) = 0;

    // Window placement for dragging and docking.
    virtual PixelRect WorkArea() const = 0;
    virtual PixelRect WindowRect() const = 0;
    virtual PixelPoint MainWindowPosition() const = 0;
    virtual void MoveWindow(PixelPoint topLeft) = 0;
    // Draws every region of the link button from the pressed face or from
    // the face in use.
    virtual void DrawLinkButton(bool pressed) = 0;
};

} // namespace vantor
