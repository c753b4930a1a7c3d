// The play-mode switches of the main window: loop, random and the non-stop
// mix, with what the random and mix switches do to a running mix. UI
// thread only.
#pragma once

#include "core/CommandHost.h"
#include "core/PlaybackContext.h"

namespace vantor {

void ToggleLoop(PlaybackContext& ctx, CommandHost& host);
// With the mix running, the waiting slot is prepared again by the new order.
void ToggleRandom(PlaybackContext& ctx, CommandHost& host);
// Turning the mix off keeps the sounding track playing as slot A; turning
// it on prepares the next entry in slot B.
void ToggleNonStop(PlaybackContext& ctx, CommandHost& host);

} // namespace vantor
