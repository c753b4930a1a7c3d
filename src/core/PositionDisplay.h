// What the tick shows of the sounding track: the seek bar position, the
// "elapsed / total" time text and the minimised window's title, or the idle
// display when nothing plays. UI thread only.
#pragma once

#include "core/PlaybackContext.h"

#include <cstdint>
#include <string>

namespace vantor {

// The idle display: "00:00 / 00:00", the seek bar at its start, and the
// minimised title of the track that is open.
void ShowIdlePosition(PlaybackContext& ctx);
// Seek bar, time text and minimised title of the sounding track.
void ShowPosition(PlaybackContext& ctx);

// "Title (mm:ss) - Vantor", the title of the minimised main window.
std::string MinimisedTitle(const std::string& titleText, const std::string& lengthText);

// The played share of a track, 0 while its length is unknown.
double PlayedFraction(std::int64_t played, std::int64_t length);

// "elapsed / total" from two times in milliseconds, made again only when one
// of its whole seconds differs from those `memo` was made for.
const std::string& TimeText(TimeTextMemo& memo, std::int64_t elapsedMs, std::int64_t totalMs);

} // namespace vantor
