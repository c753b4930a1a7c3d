#include "core/MediaTrackGainProbe.h"

#include "core/ReplayGainFactor.h"
#include "media/TrackReplayGain.h"
#include "playlist/MediaLayerProbe.h"

namespace vantor {

float MediaTrackGainProbe::GainOf(const PlaylistEntry& entry) {
    // Off needs no tags, so the files are not read for it.
    if (m_choice.mode == ReplayGainMode::Off)
        return 1.0f;
    return ReplayGainFactor(ReadTrackReplayGain(SongTrackOf(entry)), m_choice);
}

} // namespace vantor
