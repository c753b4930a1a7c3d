// Turns a track's loudness values and the user's choice into the factor its
// channel plays with. Pure function; any thread.
#pragma once

#include "media/ReplayGainTags.h"
#include "settings/ReplayGainFile.h"

namespace vantor {

// Off, or a track without the gain the mode asks for, plays as decoded (1).
// Album mode takes the track gain where the album has none. The pre-amp is
// added to the tagged gain, and the result is lowered where the peak the
// gain belongs to would be driven beyond full scale.
float ReplayGainFactor(const ReplayGainTags& tags, const ReplayGainChoice& choice);

} // namespace vantor
