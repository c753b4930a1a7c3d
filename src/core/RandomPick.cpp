#include "core/RandomPick.h"

#include "base/ShownText.h"

#include <algorithm>
#include <cmath>

namespace vantor {

namespace {

// The first unmarked entry from `start` upwards, else from `start` downwards.
std::int32_t FindUnplayed(const std::vector<PlaylistEntry>& entries, std::int32_t count,
                          std::int32_t start) {
    for (std::int32_t i = start; i < count; ++i) {
        if (entries[static_cast<std::size_t>(i)].Played == kFlagOff)
            return i;
    }
    for (std::int32_t i = start; i >= 0; --i) {
        if (entries[static_cast<std::size_t>(i)].Played == kFlagOff)
            return i;
    }
    return -1;
}

std::int32_t RandomStart(PlaybackContext& ctx, std::int32_t count) {
    const auto r = static_cast<std::int32_t>(std::floor(ctx.random.Uniform() * count));
    return std::clamp(r, 0, count - 1);
}

} // namespace

std::int32_t PickRandomIndex(PlaybackContext& ctx, std::int32_t exclude) {
    if (!ctx.HasEntries())
        return 0;
    const std::int32_t count = ctx.playlist.EntryCount();
    if (exclude != -1 && (exclude < 0 || exclude >= count)) {
        ctx.messages.Show(VANTOR_TEXT("GetFreeIndex Error"), VANTOR_TEXT("どかん！！"),
                          MessageIcon::Critical);
        return 0;
    }
    auto& entries = ctx.playlist.Playlist;
    for (;;) {
        std::int16_t saved = kFlagOff;
        if (exclude != -1) {
            auto& excluded = entries[static_cast<std::size_t>(exclude)];
            saved = excluded.Played;
            excluded.Played = count == 1 ? kFlagOff : kFlagOn;
        }
        const std::int32_t found = FindUnplayed(entries, count, RandomStart(ctx, count));
        if (exclude != -1)
            entries[static_cast<std::size_t>(exclude)].Played = saved;
        if (found >= 0)
            return found;
        for (std::int32_t i = 0; i < count; ++i)
            entries[static_cast<std::size_t>(i)].Played = kFlagOff;
    }
}

std::int32_t WrapNext(const PlaybackContext& ctx, std::int32_t index) {
    return index >= ctx.LastIndex() ? 0 : index + 1;
}

std::int32_t NextChoice(PlaybackContext& ctx, std::int32_t index) {
    if (ctx.settings.PlayRandomMode == 1)
        return PickRandomIndex(ctx, index);
    return WrapNext(ctx, index);
}

bool AllPlayed(const PlaybackContext& ctx) {
    const std::int32_t count = ctx.playlist.EntryCount();
    for (std::int32_t i = 0; i < count; ++i) {
        if (ctx.playlist.Playlist[static_cast<std::size_t>(i)].Played == kFlagOff)
            return false;
    }
    return true;
}

} // namespace vantor
