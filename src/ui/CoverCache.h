// Cover pictures as files other programs can open, for MPRIS's
// "mpris:artUrl": each picture is written once into the cache folder, named
// by a hash of its bytes, and found there again after; only the pictures
// offered most recently are kept. UI thread.
#pragma once

#include <QString>

namespace vantor {

struct CoverArt;

// $XDG_CACHE_HOME/vantor/covers/, or ~/.cache/vantor/covers/ without it,
// with a trailing '/'.
QString CoverCacheFolder();

// A file:// URL of the picture: the picture file itself when it lies beside
// the track, else its copy in `cacheFolder`. Empty when there is no picture,
// its bytes are none Qt recognises, or the copy cannot be written.
QString CoverArtUrl(const CoverArt& cover, const QString& cacheFolder);

} // namespace vantor
