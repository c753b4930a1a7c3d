// Records what the playlist logic asks of its window, with a layout and
// window positions the test sets.
#pragma once

#include "playlist/PlaylistView.h"

#include <string>
#include <vector>

namespace vantor::test {

class FakePlaylistView : public PlaylistView {
public:
    PlaylistLayout Layout() const override { return layout; }
    void RedrawPlaylist() override { ++redraws; }
    void PlaceScrollThumb(std::int32_t at) override { thumb = at; }
    void ShowTrackCount(std::int32_t total) override { trackCount = total; }
    void ShowCurrentTrack(std::int32_t number) override { currentTrack = number; }
    void ClearTrackFields() override {
        trackCount = -1;
        currentTrack = -1;
        Record("ClearTrackFields");
    }
    void ShowTimeText(const std::string& text) override { timeText = text; }
    void ShowTotalTime(const std::string& text) override { totalTime = text; }
    void SetTagReaderInterval(std::int32_t milliseconds) override { tagInterval = milliseconds; }
    void SetRepeatTimer(bool running) override { repeatTimer = running; }
    void ShowToolTip(const std::string& text) override { toolTip = text; }
    void ShowRowMenu() override { Record("ShowRowMenu"); }
    void ShowMainMenuPopup() override { Record("ShowMainMenuPopup"); }
    void ShowFileInfo(const FileInfoText& info) override { Record("ShowFileInfo:" + info.Text); }
    void HideWindow() override { Record("HideWindow"); }
    void ShowAbout() override { Record("ShowAbout"); }
    void ClearSongInfoText() override { Record("ClearSongInfoText"); }
    void DrawSongInfo() override { Record("DrawSongInfo"); }
    void ResetSeekBar() override { Record("ResetSeekBar"); }
    void ApplySkinFile(const std::string& path) override { Record("ApplySkinFile:" + path); }
    void ApplySkinTarget(std::int32_t region) override {
        Record("ApplySkinTarget:" + std::to_string(region));
    }
    PixelRect WorkArea() const override { return workArea; }
    PixelRect WindowRect() const override {
        return {position.x, position.y, position.x + size.x, position.y + size.y};
    }
    PixelPoint MainWindowPosition() const override { return mainPosition; }
    void MoveWindow(PixelPoint topLeft) override { position = topLeft; }
    void DrawLinkButton(bool pressed) override {
        Record(pressed ? "DrawLinkButton:pressed" : "DrawLinkButton:face");
    }

    bool Called(const std::string& what) const {
        for (const auto& call : calls) {
            if (call == what)
                return true;
        }
        return false;
    }

    PlaylistLayout layout{16.0f, 200, 160, 100, 20};
    PixelRect workArea{0, 0, 1920, 1080};
    PixelPoint position;
    PixelPoint size{300, 400};
    PixelPoint mainPosition;
    int redraws = 0;
    std::int32_t thumb = -1;
    std::int32_t trackCount = -1;
    std::int32_t currentTrack = -1;
    std::int32_t tagInterval = -1;
    bool repeatTimer = false;
    std::string timeText;
    std::string totalTime;
    std::string toolTip;
    std::vector<std::string> calls;

private:
    void Record(std::string call) { calls.push_back(std::move(call)); }
};

} // namespace vantor::test
