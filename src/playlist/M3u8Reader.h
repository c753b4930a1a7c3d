// Reading ".m3u8" lists: M3U lines in UTF-8 whatever the locale, with the
// "#EXTINF:" length and title of the track the next location line names.
// A pure function of the file's bytes; any thread.
#pragma once

#include "playlist/ListedTracks.h"

#include <string_view>

namespace vantor {

// Hands the tracks to `take` in the order the list names them. Bytes that
// are not UTF-8 in a title become U+FFFD; locations keep their bytes, which
// are the file names on the disk.
void ReadM3u8Text(std::string_view bytes, const TrackSink& take);

} // namespace vantor
