// The machine's CD drives as drive letters: the drives libcdio finds
// (/dev/sr0 …) are "d:", "e:" … in the order it lists them, the naming the
// sound engine resolves stream names by. The list is taken once, when the
// CD window opens, so a drive plugged in since appears on the next opening.
// UI thread only.
#pragma once

#include "platform/DriveTypes.h"

#include <string>
#include <vector>

namespace vantor {

class MachineDriveTypes : public DriveTypes {
public:
    MachineDriveTypes();
    std::int32_t DriveType(const std::string& drive) const override;

private:
    std::vector<std::string> m_devices;
};

} // namespace vantor
