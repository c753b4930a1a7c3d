// The multi-line information text of one track (the playlist window's
// information command), with the heading and artist shown above it.
// Returns plain values; UI thread.
#pragma once

#include "base/ShownText.h"
#include "media/CoverArt.h"
#include "media/TrackDescription.h"

#include <string>

namespace vantor {

struct FileInfoText {
    std::string Heading;
    std::string Artist;
    // "Label : value" lines joined by CR LF.
    std::string Text;
    // Shown beside the text when the track has one.
    CoverArt Cover{};
};

inline constexpr const char* kFileInfoErrorText =
    VANTOR_TEXT("Errorにより、情報取得に失敗しました。");

FileInfoText BuildFileInfoText(const SongTrack& track, const SongTextContext& context);

// The emphasis names of an MPEG header: "None", "50/15ms", "Reserved", "CCITT j.17".
std::string EmphasisName(std::int32_t emphasis);

} // namespace vantor
