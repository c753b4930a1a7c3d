// Keeping the non-stop mix going when entries are added behind the one that
// sounds: the test whether the prepared slot must be given a new entry, and
// the preparing itself. UI thread only.
#pragma once

#include "playlist/PlaylistContext.h"

#include <cstdint>

namespace vantor {

enum class RandomForm { Used, NotUsed };

// With the mix on: in random mode (when the random form is used) fewer than
// two entries are left unplayed; otherwise the sounding entry is the last
// one before the add (`lastIndexBefore`).
bool ContinuationHolds(const PlaylistContext& context, std::int32_t lastIndexBefore,
                       RandomForm form);

// Releases the slot that is not sounding, gives it the next entry (a random
// unplayed one in random mode when the random form is used, else the one
// after the sounding entry) and opens it there.
void PrepareNextEntry(PlaylistContext& context, RandomForm form);

// Releases the slot that is not sounding and opens entry `index` in it.
void ReopenPreparedSlot(PlaybackControl& playback, std::int32_t index);

} // namespace vantor
