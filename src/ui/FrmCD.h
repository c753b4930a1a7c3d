// The audio CD window: the drive list, the track list with tick boxes, and
// two rows of commands (eject, list again, open an image; tick all, untick
// all, play, add, close). Shown modally. UI thread only.
#pragma once

#include "cd/CdWindow.h"

#include <QDialog>

class QComboBox;
class QGridLayout;
class QTreeWidget;

namespace vantor {

class FrmCD : public QDialog, public CdWindowHost {
public:
    FrmCD(SoundLibrary& sound, const DriveTypes& drives, PlaylistContext& playlist,
          QWidget* parent = nullptr);

    // Lists the drives and shows the window until the user closes it.
    void ShowModal();

    // CdWindowHost
    void ShowDrives(const std::vector<std::string>& lines, std::size_t selected) override;
    void ShowTracks(const std::vector<CdTrackRow>& rows) override;
    void TickAllTracks(bool ticked) override;
    std::vector<bool> TrackTicks() const override;
    void CloseWindow() override;

private:
    template <typename Command>
    void AddCommand(QGridLayout& row, int column, const char* name, const QString& caption,
                    Command command);

    CdWindow m_window;
    QComboBox* m_drives;
    QTreeWidget* m_tracks;
};

} // namespace vantor
