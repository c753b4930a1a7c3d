// The TrackGainProbe of the running player: the entry's tags as the media
// layer reads them (a ZIP member's own bytes for a member), weighed by the
// choice the player keeps. Borrows the choice; UI thread only.
#pragma once

#include "core/TrackGainProbe.h"
#include "settings/ReplayGainFile.h"

namespace vantor {

class MediaTrackGainProbe : public TrackGainProbe {
public:
    explicit MediaTrackGainProbe(const ReplayGainChoice& choice) : m_choice(choice) {}
    float GainOf(const PlaylistEntry& entry) override;

private:
    const ReplayGainChoice& m_choice;
};

} // namespace vantor
