// The end of a track and the move to the next one by the loop, random and
// non-stop modes: step three of the playback tick. UI thread only.
#pragma once

#include "core/PlaybackContext.h"

#include <cstdint>
#include <optional>

namespace vantor {

// Detects the end of the sounding track (or, in the non-stop mix, the point
// GapLength ms before it) and moves on. Called once per tick while
// something plays.
void AdvanceTracks(PlaybackContext& ctx);

// How long, in the sounding stream's milliseconds, until AdvanceTracks moves
// on: until the stream's end, or GapLength ms before it while the non-stop
// mix waits for its overlap. None while no stream plays, or when a module
// plays, whose end is not known in advance.
std::optional<std::int32_t> MsUntilTrackTurn(PlaybackContext& ctx);

// Whether the non-stop mix stops after the track change from the sounding
// entry `soundingIndex`: never with loop on; without random after the last
// entry; with random once every entry was played.
bool MixStopAfter(const PlaybackContext& ctx, std::int32_t soundingIndex);

} // namespace vantor
