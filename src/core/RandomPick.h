// The random play order and the choice of the entry that follows another.
// The marks it reads and clears are the entries' Played flags. UI thread
// only.
#pragma once

#include "core/PlaybackContext.h"

#include <cstdint>

namespace vantor {

// A random entry whose Played mark is clear; when every entry is marked the
// marks are cleared and a new round starts. `exclude` (-1 for none) is not
// chosen unless it is the only entry. 0 for an empty list; an `exclude`
// outside the list shows "GetFreeIndex Error" and gives 0.
std::int32_t PickRandomIndex(PlaybackContext& ctx, std::int32_t exclude);

// The entry after `index` in the play order: a random pick excluding it in
// random mode, otherwise the next index, wrapping to 0 after the last.
std::int32_t NextChoice(PlaybackContext& ctx, std::int32_t index);

// index + 1, or 0 when index is the last entry.
std::int32_t WrapNext(const PlaybackContext& ctx, std::int32_t index);

// True when every entry carries its Played mark.
bool AllPlayed(const PlaybackContext& ctx);

} // namespace vantor
