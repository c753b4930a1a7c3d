// Drive letters for the machine's CD drives: the drives libcdio lists
// (/dev/sr0 …) are "D:", "E:" … in its order, as drive letters came after
// the hard disks where the player grew up. Stream names and the CD window's
// drive list both go by this naming. The letter functions are pure; the
// drive types belong to the UI thread.
#pragma once

#include "platform/DriveTypes.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantor::engine {

// Whether `drive` is a drive letter ("e" or "e:") rather than a device or
// image path.
bool IsDriveLetter(std::string_view drive);
// The place in the machine's drive list a drive letter stands for: 0 for D,
// negative for the letters before it.
int DriveLetterIndex(std::string_view drive);

// The drive types as the CD window asks for them. The drive list is taken
// once, at construction, so a drive plugged in since the last one appears.
class CdDriveLetters : public DriveTypes {
public:
    CdDriveLetters();
    std::int32_t DriveType(const std::string& drive) const override;

private:
    std::vector<std::string> m_devices;
};

} // namespace vantor::engine
