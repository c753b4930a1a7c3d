// The tracks a playlist file of another program names (M3U8, PLS, XSPF), as
// its reader found them, and their addition to the list: each location that
// names an existing file becomes an entry carrying the file's title and
// length until the tag reader reads its own. Pure data and one function over
// the caller's state; UI thread (or any thread that owns the state).
#pragma once

#include "playlist/PlaylistState.h"

#include "playlist/LocationResolver.h"

#include <functional>
#include <string>

namespace vantor {

enum class LocationForm {
    // A file path (absolute or relative to the list's folder) or a "file:"
    // URI, as M3U8 and PLS lists write them.
    PathOrFileUri,
    // A URI reference, as XSPF writes every location: percent-encoded, a
    // relative one taken against the list's folder.
    UriReference,
};

struct ListedTrack {
    std::string location;
    LocationForm form = LocationForm::PathOrFileUri;
    // UTF-8; empty when the list gave none.
    std::string title;
    // 0 when the list gave no usable length.
    double lengthMs = 0;
};

// The local path a location names, or empty when it names none (another
// scheme, such as a web address, or an empty text). Relative paths stay
// relative.
std::string LocalPathOfLocation(const std::string& location, LocationForm form);

// Where a reader hands each track it finds, in the list's order. Readers
// hand them over one by one so that a huge list never exists twice.
using TrackSink = std::function<void(ListedTrack&&)>;

// Appends an entry for every track whose location names an existing file,
// through the spare element of `playlist`; a track whose file is missing is
// skipped, as a plain M3U list skips it.
class ListedTrackAppender {
public:
    ListedTrackAppender(const std::string& folder, PlaylistState& playlist);
    void operator()(ListedTrack&& track);

private:
    std::string m_folder;
    PlaylistState& m_playlist;
    LocationResolver m_resolver;
};

} // namespace vantor
