// How many rows the playlist window shows and where its scroll thumb sits.
// Pure arithmetic over the playlist state and the skin geometry; the thumb
// is placed through the view. UI thread only.
#pragma once

#include "playlist/PlaylistState.h"
#include "playlist/PlaylistView.h"

#include <cstdint>

namespace vantor {

// VisibleRows = (list height ÷ row height, both rounded, integer division)
// − 1, never more than the last index.
void RecomputeVisibleRows(PlaylistState& state, const PlaylistLayout& layout);

// The thumb position for the current TopIndex; 0 when the list fits.
std::int32_t ScrollThumbPosition(const PlaylistState& state, const PlaylistLayout& layout);
void UpdateScrollThumb(const PlaylistState& state, PlaylistView& view);

// The user pressed or moved in the scroll field at `y` (pixels from the
// field's top): the thumb follows with its middle at the pointer, limited
// to the field, and TopIndex follows the thumb. False (nothing changed)
// when the whole list fits.
bool DragScrollThumb(PlaylistState& state, PlaylistView& view, std::int32_t y);

} // namespace vantor
