// One track of the playlist, copied by value when entries move. Plain data;
// owned by the PlaylistState that holds it. UI thread only.
#pragma once

#include "base/VbNumber.h"

#include <cstdint>
#include <string>

namespace vantor {

// The 16-bit boolean of the record: 0 or -1.
inline constexpr std::int16_t kFlagOn = -1;
inline constexpr std::int16_t kFlagOff = 0;

// Fields in record order. A new entry has every text empty, every number 0
// and both flags off; an ordinary file entry sets only Path.
struct PlaylistEntry {
    // Absolute path of the file; for a ZIP member the archive, for a CD
    // track the same text as CdDrive.
    std::string Path;
    // ZIP member only: the stored name after its last "/". An entry is a
    // member exactly when this is not empty.
    std::string MemberName;
    // The text shown in the list; may contain CR LF line breaks.
    std::string Title;
    // ZIP member only: offsets of the first and the last data byte.
    std::int32_t MemberStart = 0;
    std::int32_t MemberEnd = 0;
    // The play time as the list shows it ("3:35"); empty until fetched.
    std::string LengthText;
    // Play time in milliseconds; 0 while unknown.
    Fixed4 LengthMs;
    // Chosen in the current random round.
    std::int16_t Played = kFlagOff;
    std::int16_t IsCdTrack = kFlagOff;
    std::string CdDrive;
    std::int32_t CdTrack = 0;
    // Beyond the record: the title another program's playlist file gave
    // (M3U8, PLS, XSPF), shown in the row until the tag reader fills Title.
    std::string PendingTitle;

    bool IsZipMember() const { return !MemberName.empty(); }
    bool operator==(const PlaylistEntry&) const = default;
};

} // namespace vantor
