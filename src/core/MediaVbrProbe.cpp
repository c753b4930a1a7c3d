#include "core/MediaVbrProbe.h"

#include "media/TrackFileReader.h"

namespace vantor {

bool MediaVbrProbe::IsVbr(const PlaylistEntry& entry) {
    // An ordinary entry's zero offsets give the length that means "whole file".
    const std::int64_t length = static_cast<std::int64_t>(entry.MemberEnd) - entry.MemberStart + 1;
    InspectOptions options;
    options.mpegAccurate = m_settings.MpegAccurate != 0;
    return InspectFile(entry.Path, entry.MemberStart, length, options).Format.IsVbr == -1;
}

} // namespace vantor
