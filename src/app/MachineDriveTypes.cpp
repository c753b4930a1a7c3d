#include "app/MachineDriveTypes.h"

#include "engine/cd/CdDevice.h"

#include <cctype>

namespace vantor {

namespace {

// Any other drive letter is of no kind the CD window asks about.
constexpr std::int32_t kDriveNoRootDir = 1;

} // namespace

MachineDriveTypes::MachineDriveTypes() : m_devices(engine::CdDevice::ListDrives()) {}

std::int32_t MachineDriveTypes::DriveType(const std::string& drive) const {
    if (drive.size() != 2 || drive[1] != ':')
        return kDriveNoRootDir;
    const int index = std::tolower(static_cast<unsigned char>(drive[0])) - 'd';
    return index >= 0 && static_cast<std::size_t>(index) < m_devices.size() ? kDriveCdRom
                                                                            : kDriveNoRootDir;
}

} // namespace vantor
