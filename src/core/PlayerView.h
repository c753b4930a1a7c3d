// What the playback core asks of the windows when playback changes: the
// redraws of the seek bar, time text, track numbers, mode buttons and the
// playlist, and the main window's title. The skin and application layers
// implement it; tests record the requests. UI thread only.
#pragma once

#include "core/PlayerState.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vantor {

// The three play-mode buttons of the main window.
enum class ModeButton { Loop, Random, NonStop };

// Where the skin docks the main window to the window the user works in:
// which corner (0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right) and
// the offset in pixels.
struct DockPoint {
    std::int32_t position = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
};

class PlayerView {
public:
    virtual ~PlayerView() = default;

    // An "ADVANCE" seek bar's fill starts empty again (other bar types
    // ignore it).
    virtual void ClearSeekFill() = 0;
    // The seek bar at its start: a "NORMAL" bar's field restored from the
    // face, a "BAR" knob at 0 (an "ADVANCE" bar ignores it).
    virtual void DrawIdleSeekBar() = 0;
    // The seek bar at `fraction` (0..1) of its span, in the skin's seek type.
    virtual void DrawSeekBar(double fraction) = 0;
    // True while the user drags the seek bar; the tick then leaves it alone.
    virtual bool SeekBarDragging() const = 0;
    // "elapsed / total", also shown in the playlist window's time field.
    virtual void DrawTimeText(const std::string& text) = 0;
    // The current track number (1-based) and the number of entries.
    virtual void DrawTrackNumbers(std::int32_t current, std::int32_t total) = 0;
    virtual void RedrawPlaylist() = 0;
    // A track is about to start: the analyzer puts its peak markers to the
    // top when its settings ask for a reset.
    virtual void ResetAnalyzerPeaks() = 0;
    // Builds and draws the sounding track's song-information line.
    virtual void DrawSongInfo() = 0;
    // Copies `face` over the whole main window and redraws what lies on it
    // (bars, song information, text fields); the mode buttons follow
    // through DrawModeButton.
    virtual void ApplyFace(Face face) = 0;
    // A mode button from the pressed face when on, else from the face in use.
    virtual void DrawModeButton(ModeButton button, bool on) = 0;
    virtual void RepaintMainWindow() = 0;

    virtual bool MainWindowMinimised() const = 0;
    virtual std::string MainWindowTitle() const = 0;
    virtual void SetMainWindowTitle(const std::string& title) = 0;
    // The skin's dock point; none when the skin does not dock.
    virtual std::optional<DockPoint> SkinDockPoint() const = 0;
};

} // namespace vantor
