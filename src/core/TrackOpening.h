// Opening playlist entries into the playback slots and releasing them again.
// The handles belong to the slots until they are released here. UI thread
// only.
#pragma once

#include "core/PlaybackContext.h"

#include <cstdint>

namespace vantor {

// The pan separation tracker modules of the two oldest formats get.
inline constexpr float kModulePanSeparation = 0.15f;

// Opens slot.entryIndex into `slot`, releasing what the slot held first.
// On failure a message box tells why and the slot stays empty.
void OpenSlot(PlaybackContext& ctx, PlaybackSlot& slot);

// Opens the entry (or entries) due to play next: slot A's entry, or in the
// non-stop mix the slot that waits. redrawFlag 0 also clears an "ADVANCE"
// seek bar's fill; 1 leaves the seek bar alone.
void OpenTrack(PlaybackContext& ctx, std::int32_t redrawFlag);

// Stops and releases one slot; its entry index stays.
void ReleaseSlot(PlaybackContext& ctx, PlaybackSlot& slot);
// Releases slot A when n is 1, else slot B.
void CloseSlot(PlaybackContext& ctx, std::int32_t n);
// Releases the slot that is not sounding.
void CloseInactiveSlot(PlaybackContext& ctx);
// Releases both slots and leaves the mix (activeSlot 0).
void CloseTrack(PlaybackContext& ctx);

} // namespace vantor
