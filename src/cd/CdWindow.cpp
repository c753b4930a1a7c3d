#include "cd/CdWindow.h"

#include "base/Paths.h"
#include "cd/CdCommands.h"

#include <algorithm>

namespace vantor {

void CdWindow::Open() {
    StopCdTrackBeforeListing(m_playlist);
    m_lines = ListCdDrives(m_sound, m_drives, m_playlist.messages);
    ShowDrives(0);
}

void CdWindow::SelectDrive(std::size_t index) {
    m_selected = std::min(index, m_lines.empty() ? 0 : m_lines.size() - 1);
    ListTracks();
}

void CdWindow::ShowDrives(std::size_t selected) {
    m_host.ShowDrives(m_lines, selected);
    SelectDrive(selected);
}

std::string CdWindow::SelectedLine() const {
    return m_selected < m_lines.size() ? m_lines[m_selected] : std::string();
}

void CdWindow::ListTracks() {
    m_rows = ListCdTracks(m_sound, SelectedLine());
    m_host.ShowTracks(m_rows);
}

void CdWindow::Eject() {
    EjectCd(m_sound, SelectedLine());
}

void CdWindow::ListAgain() {
    ListTracks();
}

void CdWindow::OpenImage() {
    const auto files =
        m_playlist.dialogs.OpenFiles(std::string(kCdImageDialogTitle), std::string(kCdImageFilter),
                                     m_playlist.settings.RecentSongFileFolder, false);
    if (files.empty())
        return;
    const std::string& image = files.front();
    m_playlist.settings.RecentSongFileFolder = FolderOf(image);
    // The image is the drive there is; the no-device line gives way to it.
    if (m_lines.size() == 1 && m_lines.front() == kNoCdDevices)
        m_lines.clear();
    const auto known = std::find(m_lines.begin(), m_lines.end(), image);
    const auto index = static_cast<std::size_t>(known - m_lines.begin());
    if (known == m_lines.end())
        m_lines.push_back(image);
    ShowDrives(index);
}

void CdWindow::Play() {
    PlayCdTracks(m_playlist, m_rows, m_host.TrackTicks());
}

void CdWindow::Add() {
    AddCdTracks(m_playlist, m_rows, m_host.TrackTicks());
}

} // namespace vantor
