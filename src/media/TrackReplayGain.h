// The loudness values of one track, read by the tag reader its file type
// calls for: ID3v2 and APE tags of MPEG files, Vorbis comments, ASF
// attributes, and TagLib for the formats read through it. Returns plain
// values; any thread.
#pragma once

#include "media/ReplayGainTags.h"
#include "media/TrackDescription.h"

namespace vantor {

// Values the track does not carry stay empty; so do all of a CD track's.
ReplayGainTags ReadTrackReplayGain(const SongTrack& track);

} // namespace vantor
