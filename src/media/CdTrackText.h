// The CD-Text of a CD track (an image's TITLE and PERFORMER lines count as
// such), read through the sound library's tag fields of a CD stream. UI
// thread (it opens the drive or image).
#pragma once

#include "sound/SoundLibrary.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

// Opened with this after the drive, a CD stream has the tracks as sub-streams.
inline constexpr std::string_view kCdTracksSuffix = "*!";

// Empty fields when the disc has no CD-Text for the track.
struct CdTrackText {
    std::string title;
    std::string performer;
};

// The CD-Text of the sub-stream a CD stream has selected.
CdTrackText StreamCdText(SoundLibrary& sound, StreamHandle stream);

// The CD-Text of track `index` (from 0) of a drive ("E:") or image.
CdTrackText ReadCdTrackText(SoundLibrary& sound, const std::string& drive, std::int32_t index);

} // namespace vantor
