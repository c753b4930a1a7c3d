// The texts of the playlist window's rows: number prefix, title (or the
// file name while the title is unknown) shortened with "..." to the space
// left, and play time; and which colour role each row takes. Measuring goes
// through the caller's TextMeasurer. UI thread only.
#pragma once

#include "platform/TextMeasurer.h"
#include "playlist/PlaybackControl.h"
#include "playlist/PlaylistState.h"
#include "settings/Settings.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// " 7. " for entry 7, "12. " for entry 12, so the full stops line up.
std::string NumberPrefix(std::int32_t number);

// What a row shows while the entry has no Title: the title the playlist file
// gave (PendingTitle), else the file name as the disk spells it, without
// ".IT"/".XM" or its last four characters.
std::string FallbackTitle(const PlaylistEntry& entry);

// `text` when it fits in `width` pixels; otherwise its longest head that
// fits with "..." after it, followed by "...".
std::string FitText(std::string_view text, std::int32_t width, const TextMeasurer& measurer);

struct RowText {
    std::string prefix;
    std::string title;
    // Drawn at the right edge of the row.
    std::string time;
    bool operator==(const RowText&) const = default;
};

RowText BuildRowText(const PlaylistEntry& entry, std::int32_t index, const Settings& settings,
                     std::int32_t rowWidth, const TextMeasurer& measurer);

// Rows 0 to VisibleRows, for entries TopIndex onwards that exist.
std::vector<RowText> VisibleRowTexts(const PlaylistState& state, const Settings& settings,
                                     std::int32_t rowWidth, const TextMeasurer& measurer);

enum class RowRole { Normal, Selected, Playing };

// The selected row wins over the playing entry.
RowRole RowRoleOf(std::int32_t index, const PlaylistState& state, const PlaybackControl& playback);

} // namespace vantor
