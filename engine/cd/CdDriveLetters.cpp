#include "engine/cd/CdDriveLetters.h"

#include "engine/cd/CdDevice.h"

#include <cctype>

namespace vantor::engine {

namespace {

// What any letter that is no CD drive reports.
constexpr std::int32_t kDriveNoRootDir = 1;

} // namespace

bool IsDriveLetter(std::string_view drive) {
    return (drive.size() == 1 || (drive.size() == 2 && drive[1] == ':')) &&
           std::isalpha(static_cast<unsigned char>(drive[0]));
}

int DriveLetterIndex(std::string_view drive) {
    return std::toupper(static_cast<unsigned char>(drive[0])) - 'D';
}

CdDriveLetters::CdDriveLetters() : m_devices(CdDevice::ListDrives()) {}

std::int32_t CdDriveLetters::DriveType(const std::string& drive) const {
    if (!IsDriveLetter(drive))
        return kDriveNoRootDir;
    const int index = DriveLetterIndex(drive);
    return index >= 0 && static_cast<std::size_t>(index) < m_devices.size() ? kDriveCdRom
                                                                            : kDriveNoRootDir;
}

} // namespace vantor::engine
