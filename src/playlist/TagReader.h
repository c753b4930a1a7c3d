// The playlist window's background tag reader: one entry's title and play
// time per timer tick, so the window stays responsive, and the play-time
// texts of the list. Works on the caller's context; UI thread only.
#pragma once

#include "playlist/PlaylistContext.h"

#include <cstdint>
#include <string>

namespace vantor {

// The entry's LengthText: from LengthMs when known, else from the stream's
// length (stored in LengthMs), else "0:00".
std::string ReadLengthText(PlaylistEntry& entry, MediaProbe& media);

// TagCursor = first; the timer runs every GetTagInterval ms (50 below 1).
void StartTagReader(PlaylistContext& context, std::int32_t first);

// One tick. Returns the new total time text of the entries read so far,
// or nothing (empty) when the reader stopped.
std::string TagReaderTick(PlaylistContext& context);

} // namespace vantor
