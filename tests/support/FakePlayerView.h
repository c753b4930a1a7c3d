// Records the redraws the playback core asks of the windows, and plays the
// window state (minimised, title, dragging, dock point) the tests set.
#pragma once

#include "core/PlayerView.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace vantor::test {

class FakePlayerView : public PlayerView {
public:
    void ClearSeekFill() override { Record("ClearSeekFill"); }
    void DrawIdleSeekBar() override { Record("DrawIdleSeekBar"); }
    void DrawSeekBar(double fraction) override {
        std::ostringstream text;
        text << "DrawSeekBar(" << fraction << ")";
        Record(text.str());
    }
    bool SeekBarDragging() const override { return dragging; }
    void DrawTimeText(const std::string& text) override {
        timeText = text;
        Record("DrawTimeText(" + text + ")");
    }
    void DrawTrackNumbers(std::int32_t current, std::int32_t total) override {
        Record("DrawTrackNumbers(" + std::to_string(current) + ", " + std::to_string(total) + ")");
    }
    void RedrawPlaylist() override { Record("RedrawPlaylist"); }
    void ResetAnalyzerPeaks() override { Record("ResetAnalyzerPeaks"); }
    void DrawSongInfo() override { Record("DrawSongInfo"); }
    void ApplyFace(Face face) override {
        Record(face == Face::Normal ? "ApplyFace(Normal)" : "ApplyFace(Inactive)");
    }
    void DrawModeButton(ModeButton button, bool on) override {
        static constexpr const char* kNames[] = {"Loop", "Random", "NonStop"};
        Record(std::string("DrawModeButton(") + kNames[static_cast<int>(button)] + ", " +
               (on ? "on" : "off") + ")");
    }
    void RepaintMainWindow() override { Record("RepaintMainWindow"); }
    bool MainWindowMinimised() const override { return minimised; }
    std::string MainWindowTitle() const override { return title; }
    void SetMainWindowTitle(const std::string& text) override {
        title = text;
        Record("SetMainWindowTitle(" + text + ")");
    }
    std::optional<DockPoint> SkinDockPoint() const override { return dock; }

    int CountOf(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
    bool Saw(const std::string& call) const { return CountOf(call) > 0; }

    bool dragging = false;
    bool minimised = false;
    std::string title = "Vantor";
    std::string timeText;
    std::optional<DockPoint> dock;
    std::vector<std::string> calls;

private:
    void Record(std::string call) { calls.push_back(std::move(call)); }
};

} // namespace vantor::test
