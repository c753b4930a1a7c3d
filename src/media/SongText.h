// The song-information line of the main window and the title of a playlist
// row, built from a user template with the placeholders "%1" to "%7".
// Returns plain values; UI thread (the readers it calls may reach the sound
// library through the context).
#pragma once

#include "media/TrackDescription.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantor {

enum class SongTextMode {
    // The sounding track for the main window: the line gets its length and
    // doubled ampersands, and the technical texts are set.
    MainWindow = 0,
    // A playlist entry; the result becomes the entry's Title.
    Playlist = 1,
};

struct SongText {
    // Mode 1: the entry's title. Mode 0: the line the main window scrolls.
    std::string Text;
    // The expanded template before the main window's changes.
    std::string SongTextPlain;
    // Mode 0: the entry's length text as used in the line (the caller keeps
    // it in the entry when it was empty).
    std::string LengthText;
    TrackDescription Description;
};

SongText BuildSongText(std::string_view songTemplate, const SongTrack& track, SongTextMode mode,
                       const SongTextContext& context);

// Replaces each placeholder of the template by its text in one pass over the
// template; inserted texts are never scanned again.
std::string ExpandSongTemplate(std::string_view songTemplate, const SongTrack& track,
                               const TrackDescription& description);

// The file name (a ZIP member's name) without its extension.
std::string NameWithoutExtension(const SongTrack& track);

// The play time of a track: the one the inspector found, else the entry's,
// else the stream's; nothing when none is known.
std::optional<Fixed4> ResolveLengthMs(const SongTrack& track, const TrackDescription& description,
                                      const SongTextContext& context);

// The entry's length text; when it has none, the play time found (shown
// as the list shows it: "3:05"), else the length reader's text.
std::string ResolveLengthText(const SongTrack& track, const TrackDescription& description,
                              const SongTextContext& context);

// Every "&" doubled, for text drawn with prefix processing.
std::string DoubleAmpersands(std::string_view text);

} // namespace vantor
