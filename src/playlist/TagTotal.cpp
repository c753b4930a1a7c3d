#include "playlist/TagTotal.h"

#include <algorithm>

namespace vantor {

namespace {

Fixed4 LengthAt(const PlaylistState& state, std::int32_t index) {
    return state.Playlist[static_cast<std::size_t>(index)].LengthMs;
}

} // namespace

void PlaceTagCursor(PlaylistState& state, std::int32_t cursor) {
    state.TagCursor = cursor;
    Fixed4 sum;
    const auto end = std::min(cursor, state.EntryCount());
    for (std::int32_t i = 0; i < end; ++i)
        sum = sum + LengthAt(state, i);
    state.LengthBeforeTagCursor = sum;
}

void PassTagCursor(PlaylistState& state) {
    state.LengthBeforeTagCursor = state.LengthBeforeTagCursor + LengthAt(state, state.TagCursor);
    ++state.TagCursor;
}

void KeepTagTotalOnErase(PlaylistState& state, std::int32_t index) {
    if (index >= state.TagCursor)
        return;
    state.LengthBeforeTagCursor = state.LengthBeforeTagCursor - LengthAt(state, index);
    --state.TagCursor;
}

void KeepTagTotalOnMove(PlaylistState& state, std::int32_t from, std::int32_t to) {
    const auto cursor = state.TagCursor;
    auto& total = state.LengthBeforeTagCursor;
    if (from < cursor && to >= cursor) {
        // The moved entry leaves the stretch and the one at the cursor
        // shifts back into it.
        total = total - LengthAt(state, from) + LengthAt(state, cursor);
    } else if (from >= cursor && to < cursor) {
        // The moved entry comes in and pushes the last one of the stretch
        // out to the cursor.
        total = total + LengthAt(state, from) - LengthAt(state, cursor - 1);
    }
}

} // namespace vantor
