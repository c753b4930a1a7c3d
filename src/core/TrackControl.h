// Starting, stopping, pausing and stepping through the playlist: the
// operations behind the play buttons and the tick's track changes. UI
// thread only.
#pragma once

#include "core/PlaybackContext.h"

namespace vantor {

// Starts slot A.
void PlayTrack(PlaybackContext& ctx);
// Starts the slot the mix has made the sounding one (slot A when activeSlot
// is 1, else slot B).
void PlayActiveSlot(PlaybackContext& ctx);
// Stops the sound of both slots; the handles stay open.
void StopPlayback(PlaybackContext& ctx);
// The Stop command.
void StopTrack(PlaybackContext& ctx);
// Pauses or resumes the sounding slot.
void TogglePause(PlaybackContext& ctx);
// The Play command: resumes a paused track, else starts the current entry
// from its beginning.
void PlayCommand(PlaybackContext& ctx);
// The Next and Previous commands; they keep playing only if something played.
void NextTrack(PlaybackContext& ctx);
void PreviousTrack(PlaybackContext& ctx);

// Whether neither slot makes a sound: each is stopped or paused. Nothing the
// playback tick shows can then change until the user does something.
bool NothingSounds(PlaybackContext& ctx);

// Shows the current track number and the entry count.
void DrawCurrentTrackNumbers(PlaybackContext& ctx, std::int32_t index);

} // namespace vantor
