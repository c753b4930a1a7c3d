// The total play time the tag reader shows: the lengths of the entries
// before its cursor (PlaylistState::LengthBeforeTagCursor). The reader adds
// each entry it passes; the edits that take entries out of that stretch or
// bring them in correct it in place, so it never has to be summed per tick.
// UI thread only.
#pragma once

#include "playlist/PlaylistState.h"

#include <cstdint>

namespace vantor {

// Sets TagCursor and counts the total before it anew: once per start of the
// reader, when a whole stretch of the list may have changed.
void PlaceTagCursor(PlaylistState& state, std::int32_t cursor);

// The reader has filled the entry at TagCursor: it joins the total.
void PassTagCursor(PlaylistState& state);

// Call before the entry at `index` leaves the list; the cursor steps back
// with the entries after it.
void KeepTagTotalOnErase(PlaylistState& state, std::int32_t index);

// Call before the entry at `from` is moved to `to` (a rotation of the
// entries between them).
void KeepTagTotalOnMove(PlaylistState& state, std::int32_t from, std::int32_t to);

} // namespace vantor
