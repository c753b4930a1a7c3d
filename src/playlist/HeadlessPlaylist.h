// A playlist context for running the playlist operations without windows
// or sound (vantor-tool, benchmarks): nothing plays, nothing is drawn, no
// dialog is shown, titles stay as they are, and messages go to a stream.
// The struct owns every part; one thread at a time.
#pragma once

#include "playlist/PlaylistContext.h"

#include <ostream>

namespace vantor {

class HeadlessPlayback : public PlaybackControl {
public:
    std::int32_t ActiveSlot() const override { return 0; }
    std::int32_t EntryIndex(PlaybackSlotId slot) const override {
        return slot == PlaybackSlotId::A ? m_slotA : m_slotB;
    }
    void SetEntryIndex(PlaybackSlotId slot, std::int32_t index) override {
        (slot == PlaybackSlotId::A ? m_slotA : m_slotB) = index;
    }
    void OpenTrack(std::int32_t) override {}
    void OpenSlot(PlaybackSlotId) override {}
    void PlayTrack() override {}
    void StopTrack() override {}
    void CloseTrack() override {}
    void CloseSlot(std::int32_t) override {}
    void TogglePause() override {}
    void PlayCommand() override {}
    void NextTrack() override {}
    void PreviousTrack() override {}
    std::int32_t PickRandomIndex(std::int32_t) override { return 0; }

private:
    std::int32_t m_slotA = 0;
    std::int32_t m_slotB = 0;
};

class HeadlessPlaylistView : public PlaylistView {
public:
    PlaylistLayout Layout() const override { return {}; }
    void RedrawPlaylist() override {}
    void PlaceScrollThumb(std::int32_t) override {}
    void ShowTrackCount(std::int32_t) override {}
    void ShowCurrentTrack(std::int32_t) override {}
    void ClearTrackFields() override {}
    void ShowTimeText(const std::string&) override {}
    void ShowTotalTime(const std::string&) override {}
    void SetTagReaderInterval(std::int32_t) override {}
    void SetRepeatTimer(bool) override {}
    void ShowToolTip(const std::string&) override {}
    void ShowRowMenu() override {}
    void ShowMainMenuPopup() override {}
    void ShowFileInfo(const FileInfoText&) override {}
    void HideWindow() override {}
    void ShowAbout() override {}
    void ClearSongInfoText() override {}
    void DrawSongInfo() override {}
    void ResetSeekBar() override {}
    void ApplySkinFile(const std::string&) override {}
    void ApplySkinTarget(std::int32_t) override {}
    PixelRect WorkArea() const override { return {}; }
    PixelRect WindowRect() const override { return {}; }
    PixelPoint MainWindowPosition() const override { return {}; }
    void MoveWindow(PixelPoint) override {}
    void DrawLinkButton(bool) override {}
};

class HeadlessMedia : public MediaProbe {
public:
    std::string BuildSongText(const std::string&, PlaylistEntry& entry) override {
        return entry.Title;
    }
    FileInfoText BuildFileInfoText(const PlaylistEntry&) override { return {}; }
    std::optional<Fixed4> PlayLengthMs(const PlaylistEntry&) override { return std::nullopt; }
};

class StreamMessages : public MessageBoxes {
public:
    explicit StreamMessages(std::ostream& out) : m_out(out) {}
    void Show(const std::string& text, const std::string& title, MessageIcon) override {
        m_out << title << ": " << text << "\n";
    }

private:
    std::ostream& m_out;
};

class NoDialogs : public FileDialogs {
public:
    std::vector<std::string> OpenFiles(const std::string&, const std::string&, const std::string&,
                                       bool) override {
        return {};
    }
    std::string SaveFile(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::string BrowseForFolder(const std::string&, const std::string&) override { return {}; }
};

// Everything above, owned together, with the context borrowing it.
struct HeadlessPlaylist {
    explicit HeadlessPlaylist(std::ostream& messageStream) : messages(messageStream) {}

    PlaylistState state;
    Settings settings;
    HeadlessPlayback playback;
    HeadlessPlaylistView view;
    HeadlessMedia media;
    StreamMessages messages;
    NoDialogs dialogs;
    PlaylistContext context{state, settings, playback, view, media, messages, dialogs};
};

} // namespace vantor
