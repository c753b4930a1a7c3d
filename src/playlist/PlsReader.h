// Reading ".pls" lists: the "[playlist]" section's FileN, TitleN and LengthN
// keys. A pure function of the file's bytes; any thread.
#pragma once

#include "playlist/ListedTracks.h"

#include <string_view>

namespace vantor {

// Hands the tracks to `take` in the order of their numbers N.
// NumberOfEntries is not trusted: lists whose count is wrong are common,
// and every FileN counts. Text that is not UTF-8 is read in the locale's
// code page, as M3U is.
void ReadPlsText(std::string_view bytes, const TrackSink& take);

} // namespace vantor
