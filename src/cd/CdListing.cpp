#include "cd/CdListing.h"

#include "base/StringUtil.h"
#include "base/TimeText.h"
#include "media/CdTrackText.h"

#include <optional>

namespace vantor {

namespace {

// Stream names that ask the sound library about a drive.
constexpr std::string_view kDeviceInfoSuffix = "*?";

// The device name is the second line of the drive's information text.
std::optional<std::string> DeviceName(SoundLibrary& sound, const std::string& drive) {
    const StreamHandle stream =
        sound.FSOUND_Stream_Open(drive + std::string(kDeviceInfoSuffix), 0, 0, 0);
    std::string info;
    const bool found = stream != 0 && sound.FSOUND_Stream_FindTagField(stream, kTagFieldLibrary,
                                                                       "CD_DEVICE_INFO", info);
    if (stream != 0)
        sound.FSOUND_Stream_Close(stream);
    // The text ends at its first NUL.
    info = info.substr(0, info.find('\0'));
    const std::size_t lineBreak = info.find("\r\n");
    if (!found || lineBreak == std::string::npos)
        return std::nullopt;
    const std::size_t start = lineBreak + 2;
    return info.substr(start, info.find("\r\n", start) - start);
}

PlaylistEntry TrackEntry(const std::string& drive, std::int32_t index, std::int32_t lengthMs,
                         const std::string& lengthText) {
    PlaylistEntry entry;
    entry.IsCdTrack = kFlagOn;
    entry.CdDrive = drive;
    entry.Path = drive;
    entry.CdTrack = index;
    entry.LengthMs = Fixed4::FromInteger(lengthMs);
    entry.LengthText = lengthText;
    return entry;
}

bool IsLetterDrive(std::string_view drive) {
    return drive.size() == 2 && drive[1] == ':';
}

} // namespace

std::string CdDriveOfLine(std::string_view driveLine) {
    if (driveLine.size() < 2 || driveLine == kNoCdDevices)
        return {};
    // A drive line is the drive, a blank and the device name.
    if (driveLine[1] == ':' && (driveLine.size() == 2 || driveLine[2] == ' '))
        return std::string(driveLine.substr(0, 2));
    return std::string(driveLine);
}

std::vector<std::string> ListCdDrives(SoundLibrary& sound, const DriveTypes& drives,
                                      MessageBoxes& messages) {
    std::vector<std::string> lines;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const std::string drive = std::string(1, letter) + ":";
        if (drives.DriveType(drive) != kDriveCdRom)
            continue;
        const auto name = DeviceName(sound, drive);
        if (!name) {
            messages.Show(std::string(kCdFailure), "Vantor", MessageIcon::None);
            return lines;
        }
        lines.push_back(AsciiUpper(drive) + " " + *name);
    }
    if (lines.empty())
        lines.emplace_back(kNoCdDevices);
    return lines;
}

std::vector<CdTrackRow> ListCdTracks(SoundLibrary& sound, std::string_view driveLine) {
    std::vector<CdTrackRow> rows;
    const std::string drive = CdDriveOfLine(driveLine);
    if (drive.empty())
        return rows;
    const StreamHandle stream =
        sound.FSOUND_Stream_Open(drive + std::string(kCdTracksSuffix), 0, 0, 0);
    if (stream == 0)
        return rows;
    const std::int32_t count = sound.FSOUND_Stream_GetNumSubStreams(stream);
    for (std::int32_t k = 1; k <= count; ++k) {
        sound.FSOUND_Stream_SetSubStream(stream, k - 1);
        const std::int32_t lengthMs = sound.FSOUND_Stream_GetLengthMs(stream);
        const std::string time = FormatTime(MillisecondsToSeconds(lengthMs));
        rows.push_back({"Track" + std::to_string(k), time, StreamCdText(sound, stream).title,
                        TrackEntry(drive, k - 1, lengthMs, ListLengthText(lengthMs))});
    }
    sound.FSOUND_Stream_Close(stream);
    return rows;
}

void EjectCd(SoundLibrary& sound, std::string_view driveLine) {
    const std::string drive = CdDriveOfLine(driveLine);
    if (IsLetterDrive(drive))
        sound.FSOUND_CD_Eject(drive[0]);
}

} // namespace vantor
