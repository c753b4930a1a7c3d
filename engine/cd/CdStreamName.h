// Stream names that stand for a CD: "<drive>*?" asks for the drive's device
// information, "<drive>*!" for its tracks as sub-streams. Pure; any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantor::engine {

struct CdStreamName {
    enum class Kind { DeviceInfo, Tracks };
    std::string drive;
    Kind kind = Kind::Tracks;
};

// Nothing when the name is an ordinary file name.
std::optional<CdStreamName> ParseCdStreamName(std::string_view name);

} // namespace vantor::engine
