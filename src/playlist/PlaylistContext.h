// Everything the playlist operations work on, passed by reference: the
// playlist itself, the settings, the playback core, the window and the
// media layer. The Player owns every part; a context only borrows them.
// UI thread only.
#pragma once

#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "playlist/MediaProbe.h"
#include "playlist/PlaybackControl.h"
#include "playlist/PlaylistState.h"
#include "playlist/PlaylistView.h"
#include "settings/Settings.h"

namespace vantor {

struct PlaylistContext {
    PlaylistState& state;
    Settings& settings;
    PlaybackControl& playback;
    PlaylistView& view;
    MediaProbe& media;
    MessageBoxes& messages;
    FileDialogs& dialogs;
};

} // namespace vantor
