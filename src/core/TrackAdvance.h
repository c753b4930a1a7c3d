// The end of a track and the move to the next one by the loop, random and
// non-stop modes: step three of the playback tick. UI thread only.
#pragma once

#include "core/PlaybackContext.h"

namespace vantor {

// Detects the end of the sounding track (or, in the non-stop mix, the point
// GapLength ms before it) and moves on. Called once per tick while
// something plays.
void AdvanceTracks(PlaybackContext& ctx);

// Whether the non-stop mix stops after the track change from the sounding
// entry `soundingIndex`: never with loop on; without random after the last
// entry; with random once every entry was played.
bool MixStopAfter(const PlaybackContext& ctx, std::int32_t soundingIndex);

} // namespace vantor
