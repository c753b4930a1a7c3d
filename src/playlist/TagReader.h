// The playlist window's background tag reader: the titles and play times of
// the entries, read on a timer tick in portions that keep the window
// responsive, and the play-time texts of the list. Works on the caller's
// context; UI thread only.
#pragma once

#include "playlist/PlaylistContext.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace vantor {

// How long one tick may read: entries are filled in list order until this
// much time has passed (at least one per tick), which leaves the rest of a
// display frame to drawing and input.
struct TagReadBudget {
    using Clock = std::chrono::steady_clock;
    std::chrono::microseconds share{10000};
    std::function<Clock::time_point()> now = Clock::now;
};

// The list's short time text: FormatTime of the whole seconds with a
// leading "0" removed ("03:35" -> "3:35").
std::string ShortLengthText(Fixed4 lengthMs);

// The entry's LengthText: from LengthMs when known, else from the stream's
// length (stored in LengthMs), else "0:00".
std::string ReadLengthText(PlaylistEntry& entry, MediaProbe& media);

// TagCursor = first; the timer runs every GetTagInterval ms (50 below 1).
void StartTagReader(PlaylistContext& context, std::int32_t first);

// One tick: fills the entries from TagCursor on as the budget allows,
// redraws the list once when something was set and shows the total time.
// Returns the new total time text of the entries read so far, or nothing
// (empty) when the reader stopped.
std::string TagReaderTick(PlaylistContext& context, const TagReadBudget& budget = {});

// Shows the total time of the entries read so far in the time fields, as a
// tick does, and returns its text; empty (and nothing shown) for an empty list.
std::string ShowTagTotal(PlaylistContext& context);

} // namespace vantor
