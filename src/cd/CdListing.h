// The audio CD window's logic: the CD drives with their device names, the
// tracks of one drive as playlist entries, and ejecting. The window shows
// what these return. UI thread only.
#pragma once

#include "base/ShownText.h"
#include "platform/DriveTypes.h"
#include "platform/MessageBoxes.h"
#include "playlist/PlaylistEntry.h"
#include "sound/SoundLibrary.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantor {

inline constexpr std::string_view kNoCdDevices = VANTOR_TEXT("No CD\\DVD devices found!");
// The message of any failure while listing or ejecting.
inline constexpr std::string_view kCdFailure = VANTOR_TEXT("どっかーん");

// One row of the track list and the entry it stands for.
struct CdTrackRow {
    std::string caption;
    std::string lengthText;
    // The track's CD-Text title, empty when the disc has none.
    std::string title;
    PlaylistEntry entry;
};

// The drive a line of the drive list stands for: "E:" for "E: device
// name", the whole line for a CD image (its path), nothing for the
// no-device line.
std::string CdDriveOfLine(std::string_view driveLine);

// One line per CD drive, "E: device name", or the single no-device line.
std::vector<std::string> ListCdDrives(SoundLibrary& sound, const DriveTypes& drives,
                                      MessageBoxes& messages);

// The tracks of the drive or image named by `driveLine`; none for the
// no-device line, a drive without a readable medium or an unreadable image.
std::vector<CdTrackRow> ListCdTracks(SoundLibrary& sound, std::string_view driveLine);

// Ejects the medium of the drive named by `driveLine`; an image has none.
void EjectCd(SoundLibrary& sound, std::string_view driveLine);

} // namespace vantor
