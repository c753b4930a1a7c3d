// The state and services every playback operation works with, gathered by
// reference so the operations stay free functions that tests can drive with
// fakes. The Player owns everything referred to. UI thread only.
#pragma once

#include "core/PlayerState.h"
#include "core/PlayerView.h"
#include "core/RandomSource.h"
#include "core/TrackGainProbe.h"
#include "core/VbrProbe.h"
#include "platform/MessageBoxes.h"
#include "playlist/PlaylistState.h"
#include "settings/Settings.h"
#include "sound/PitchLibrary.h"
#include "sound/SoundLibrary.h"

namespace vantor {

struct PlaybackContext {
    PlayerState& player;
    PlaylistState& playlist;
    Settings& settings;
    SoundLibrary& sound;
    PitchLibrary& pitch;
    MessageBoxes& messages;
    PlayerView& view;
    RandomSource& random;
    VbrProbe& vbr;
    TrackGainProbe& gain;

    PlaylistEntry* Entry(std::int32_t index) {
        if (index < 0 || index >= playlist.EntryCount())
            return nullptr;
        return &playlist.Playlist[static_cast<std::size_t>(index)];
    }
    std::int32_t LastIndex() const { return playlist.LastIndex(); }
    bool HasEntries() const { return playlist.HasEntries == 1; }
};

} // namespace vantor
