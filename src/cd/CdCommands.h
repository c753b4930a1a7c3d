// The audio CD window's commands that reach the playlist and playback:
// stopping a CD track before the drives are listed, and replacing the
// playlist with the ticked tracks or appending them. UI thread only.
#pragma once

#include "cd/CdListing.h"
#include "playlist/PlaylistContext.h"

#include <vector>

namespace vantor {

// Before the window lists the drives: a CD track that is the current entry
// is stopped, so the drive is free.
void StopCdTrackBeforeListing(PlaylistContext& context);

// Command 2: the playlist becomes the ticked tracks, in list order, and the
// first is opened (and played when AutoPlay is on). `ticked` has one flag
// per row.
void PlayCdTracks(PlaylistContext& context, const std::vector<CdTrackRow>& rows,
                  const std::vector<bool>& ticked);

// Command 3: the ticked tracks are appended; an empty list opens its first
// entry, a running mix is kept going.
void AddCdTracks(PlaylistContext& context, const std::vector<CdTrackRow>& rows,
                 const std::vector<bool>& ticked);

} // namespace vantor
