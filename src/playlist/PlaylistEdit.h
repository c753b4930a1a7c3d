// Deleting and moving entries, with the playback slots kept on the entries
// they hold. UI thread only.
#pragma once

#include "playlist/PlaylistContext.h"

#include <cstdint>

namespace vantor {

// Removes the entry at SelectedIndex; closes the track when it was the one
// sounding and prepares another entry when it was the mix's next one.
void DeleteSelected(PlaylistContext& context);

// Takes the entry at `from` out and puts it in at `to`; the entries between
// shift towards `from`. False (nothing moved) when either index is outside
// the list.
bool MoveEntry(PlaylistState& state, std::int32_t from, std::int32_t to);

// Keeps both slots on their entries after MoveEntry(from, to) and, with the
// non-stop mix on, prepares the entry after the sounding one again.
void AdjustIndicesAfterMove(PlaylistContext& context, std::int32_t from, std::int32_t to);

} // namespace vantor
