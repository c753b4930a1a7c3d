#include "playlist/PlaylistScroll.h"

#include "base/VbNumber.h"

#include <algorithm>

namespace vantor {

void RecomputeVisibleRows(PlaylistState& state, const PlaylistLayout& layout) {
    const auto rows = IntDiv(layout.listHeight, layout.rowHeight) - 1;
    state.VisibleRows = static_cast<std::int32_t>(std::min<std::int64_t>(rows, state.LastIndex()));
}

std::int32_t ScrollThumbPosition(const PlaylistState& state, const PlaylistLayout& layout) {
    const std::int64_t hidden = std::int64_t{state.EntryCount()} - 1 - state.VisibleRows;
    if (hidden <= 0)
        return 0;
    const double travel = layout.scrollFieldHeight - layout.thumbHeight;
    return static_cast<std::int32_t>(
        RoundHalfEven(static_cast<double>(state.TopIndex) / static_cast<double>(hidden) * travel));
}

void UpdateScrollThumb(const PlaylistState& state, PlaylistView& view) {
    view.PlaceScrollThumb(ScrollThumbPosition(state, view.Layout()));
}

bool DragScrollThumb(PlaylistState& state, PlaylistView& view, std::int32_t y) {
    const std::int32_t hidden = state.LastIndex() - state.VisibleRows;
    if (hidden < 1)
        return false;
    const auto layout = view.Layout();
    const std::int32_t travel = std::max(layout.scrollFieldHeight - layout.thumbHeight, 0);
    const std::int32_t thumb = std::clamp(y - layout.thumbHeight / 2, 0, travel);
    view.PlaceScrollThumb(thumb);
    state.TopIndex = travel == 0
                         ? 0
                         : static_cast<std::int32_t>(RoundHalfEven(
                               static_cast<double>(thumb) / travel * static_cast<double>(hidden)));
    view.RedrawPlaylist();
    return true;
}

} // namespace vantor
