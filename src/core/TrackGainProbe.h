// The loudness correction a stream starts with: the media layer reads the
// entry's tags and the user's choice turns them into a factor; tests give
// a constant. UI thread only.
#pragma once

#include "playlist/PlaylistEntry.h"

namespace vantor {

class TrackGainProbe {
public:
    virtual ~TrackGainProbe() = default;
    // The factor the entry's channel plays with (1 = as decoded).
    virtual float GainOf(const PlaylistEntry& entry) = 0;
};

} // namespace vantor
