// Reading ".xspf" lists: each playlist/trackList/track's location (a URI:
// "file://" with percent-encoding, or relative to the list's folder), title
// and duration in milliseconds. A pure function of the file's bytes; any
// thread.
#pragma once

#include "playlist/ListedTracks.h"

#include <string_view>

namespace vantor {

// Hands the tracks to `take` in document order. A track takes its first
// location. Reading stops at the first place the XML is broken; the tracks
// before it stay. False when it stopped so.
bool ReadXspfText(std::string_view bytes, const TrackSink& take);

} // namespace vantor
