// The audio CD window's behaviour, apart from the widgets that show it: the
// drive list (with any CD image the user opened as one more drive), the
// tracks of the chosen drive, and the two command rows. The window that
// draws it is its host. UI thread only.
#pragma once

#include "base/ShownText.h"
#include "cd/CdListing.h"
#include "platform/DriveTypes.h"
#include "playlist/PlaylistContext.h"
#include "sound/SoundLibrary.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vantor {

// What the window shows and what the user ticked.
class CdWindowHost {
public:
    virtual ~CdWindowHost() = default;
    // The drive list, with line `selected` chosen.
    virtual void ShowDrives(const std::vector<std::string>& lines, std::size_t selected) = 0;
    // One row per track, caption and time, none ticked.
    virtual void ShowTracks(const std::vector<CdTrackRow>& rows) = 0;
    virtual void TickAllTracks(bool ticked) = 0;
    // One flag per shown row.
    virtual std::vector<bool> TrackTicks() const = 0;
    virtual void CloseWindow() = 0;
};

// The file dialog offering CD images.
inline constexpr std::string_view kCdImageDialogTitle = VANTOR_TEXT("CDイメージを開く");
inline constexpr std::string_view kCdImageFilter =
    VANTOR_TEXT("CD Image") " (*.CUE;*.TOC;*.NRG)|*.CUE;*.TOC;*.NRG|";

class CdWindow {
public:
    CdWindow(SoundLibrary& sound, const DriveTypes& drives, PlaylistContext& playlist,
             CdWindowHost& host)
        : m_sound(sound), m_drives(drives), m_playlist(playlist), m_host(host) {}

    // Frees the drive of a sounding CD track, lists the drives and the
    // tracks of the first.
    void Open();
    // The user chose line `index` of the drive list: its tracks are listed.
    void SelectDrive(std::size_t index);

    // First command row.
    void Eject();
    void ListAgain();
    // Asks for a CD image and lists it as one more drive.
    void OpenImage();

    // Second command row.
    void TickAll() { m_host.TickAllTracks(true); }
    void UntickAll() { m_host.TickAllTracks(false); }
    void Play();
    void Add();
    void Close() { m_host.CloseWindow(); }

private:
    std::string SelectedLine() const;
    // Shows the drive list anew with line `selected` chosen.
    void ShowDrives(std::size_t selected);
    void ListTracks();

    SoundLibrary& m_sound;
    const DriveTypes& m_drives;
    PlaylistContext& m_playlist;
    CdWindowHost& m_host;
    std::vector<std::string> m_lines;
    std::size_t m_selected = 0;
    std::vector<CdTrackRow> m_rows;
};

} // namespace vantor
