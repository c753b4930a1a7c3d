#include "engine/cd/CdStreamName.h"

namespace vantor::engine {

std::optional<CdStreamName> ParseCdStreamName(std::string_view name) {
    if (name.size() < 3 || name[name.size() - 2] != '*')
        return std::nullopt;
    const char marker = name.back();
    if (marker != '?' && marker != '!')
        return std::nullopt;
    return CdStreamName{std::string(name.substr(0, name.size() - 2)),
                        marker == '?' ? CdStreamName::Kind::DeviceInfo
                                      : CdStreamName::Kind::Tracks};
}

} // namespace vantor::engine
