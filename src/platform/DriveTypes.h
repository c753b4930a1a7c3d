// The kinds of the system's drives, as the CD window asks about drive
// letters. The application implements it; tests script it. UI thread only.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

// The type value that marks a CD drive.
inline constexpr std::int32_t kDriveCdRom = 5;

class DriveTypes {
public:
    virtual ~DriveTypes() = default;
    // The type of `drive` ("d:"); kDriveCdRom for a CD drive.
    virtual std::int32_t DriveType(const std::string& drive) const = 0;
};

} // namespace vantor
