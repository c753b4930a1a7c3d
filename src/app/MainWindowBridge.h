// The main window of the running player: the shaped Qt window that shows
// the composed main surface, its pointer, key and drop events handed to the
// skin's pointer logic and the commands, and the views the playback core
// and the visualisation ask of it. Borrows the Player. UI thread only.
#pragma once

#include "core/PlayerView.h"
#include "media/TrackDescription.h"
#include "platform/DesktopWindows.h"
#include "skin/MainPointerPeers.h"
#include "ui/SkinWidget.h"
#include "visual/AnalyzerSource.h"
#include "visual/Oscilloscope.h"

namespace vantor {

class Player;

class MainWindowBridge : public SkinWidgetListener,
                         public MainPointerPeers,
                         public DesktopWindows,
                         public PlayerView,
                         public AnalyzerSource,
                         public OscilloscopeInput {
public:
    explicit MainWindowBridge(Player& player);

    SkinWidget& Widget() { return m_widget; }
    const SkinWidget& Widget() const { return m_widget; }
    void SetUpToolTips();
    // The volume animation's timer: the knob one frame nearer its target,
    // drawn and heard; the timer stops at the target.
    void StepVolumeAnimation();

    // The opaque part of the window's shape, set when the skin shapes it.
    gfx::Rect opaqueBounds{0, 0, 1, 1};

    // SkinWidgetListener
    void OnPointerPress(WindowButton button, int x, int y) override;
    void OnPointerMove(int x, int y, bool leftHeld) override;
    void OnPointerRelease(WindowButton button, int x, int y) override;
    void OnKeyRelease(int key, bool ctrl) override;
    void OnFilesDropped(const std::vector<std::string>& paths) override;
    void OnActivationChanged(bool active) override;
    void OnMinimisedChanged(bool minimised) override;
    void OnCloseRequested() override;
    void OnPictureWanted() override;

    // MainPointerPeers
    void ShowContextMenu(std::int32_t x, std::int32_t y) override;
    void RunButtonCommand(MainButton button, std::int32_t target) override;
    void NextAnalyzerStyle() override;
    void StartVolumeAnimation(std::int32_t targetFrame) override;
    ScreenPoint MainWindowPosition() const override;
    ScreenRect WorkArea() const override;
    ScreenRect OpaqueBounds() const override;
    void MoveMainWindow(ScreenPoint to) override;
    void MovePlayListWindowBy(std::int32_t dx, std::int32_t dy) override;

    // DesktopWindows
    bool MainWindowIsForeground() const override;
    ForegroundWindow Foreground() const override;
    void MoveMainWindow(std::int32_t x, std::int32_t y) override;

    // PlayerView
    void ClearSeekFill() override;
    void DrawIdleSeekBar() override;
    void DrawSeekBar(double fraction) override;
    bool SeekBarDragging() const override;
    void DrawTimeText(const std::string& text) override;
    void DrawTrackNumbers(std::int32_t current, std::int32_t total) override;
    void RedrawPlaylist() override;
    void ResetAnalyzerPeaks() override;
    void DrawSongInfo() override;
    void ApplyFace(Face face) override;
    void DrawModeButton(ModeButton button, bool on) override;
    void RepaintMainWindow() override;
    bool MainWindowMinimised() const override;
    std::string MainWindowTitle() const override;
    void SetMainWindowTitle(const std::string& title) override;
    std::optional<DockPoint> SkinDockPoint() const override;

    // AnalyzerSource
    bool IsLive() override;
    bool IsAnyPaused() override;
    Spectrum FetchSpectrum() override;

    // OscilloscopeInput
    std::int32_t ChannelsPlaying() override;
    std::int32_t BufferLength() override;
    std::int32_t BufferLengthTotal() override;
    void SetBlockCount(std::int32_t count) override;
    std::size_t CopySoundingBlock(std::span<float> out) override;

private:
    ScreenPoint ScreenPosition(int x, int y) const;
    void TakePlaylistAlong(bool minimised);
    // Copies every region of `button` from `source` onto the window surface.
    void CopyButton(MainButton button, const gfx::Surface& source);
    const gfx::Surface& FaceInUse() const;
    // The format, bit-rate, sample-rate and mode fields and the stereo and
    // mono areas, from m_technical.
    void DrawTechnicalTexts();

    Player& m_player;
    SkinWidget m_widget;
    // The described track's texts and whether it is stereo, kept for drawing
    // them again on a new face.
    SongTechnicalTexts m_technical;
};

} // namespace vantor
