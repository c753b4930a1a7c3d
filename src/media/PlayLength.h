// The play time of a track as the sound library measures it: opened as a
// stream, or, for what only its music loader takes (modules, MIDI), as a
// song. Calls the sound library on the caller's thread; UI thread.
#pragma once

#include "base/VbNumber.h"
#include "media/TrackDescription.h"
#include "sound/SoundLibrary.h"

#include <optional>

namespace vantor {

// Milliseconds; nothing when neither opens, or a song's length is unknown.
// A ZIP member is opened as its byte range and never as a song.
std::optional<Fixed4> PlayLengthMs(SoundLibrary& sound, const SongTrack& track);

} // namespace vantor
