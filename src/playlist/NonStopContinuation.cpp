#include "playlist/NonStopContinuation.h"

namespace vantor {

namespace {

bool RandomPicks(const PlaylistContext& context, RandomForm form) {
    return form == RandomForm::Used && context.settings.PlayRandomMode != 0;
}

} // namespace

bool ContinuationHolds(const PlaylistContext& context, std::int32_t lastIndexBefore,
                       RandomForm form) {
    if (context.settings.NonStopMegaMix == 0 || lastIndexBefore < 0)
        return false;
    if (RandomPicks(context, form)) {
        std::int32_t unplayed = 0;
        for (std::int32_t i = 0; i <= lastIndexBefore; ++i) {
            if (context.state.Playlist[static_cast<std::size_t>(i)].Played == kFlagOff)
                ++unplayed;
        }
        return unplayed < 2;
    }
    return SoundingIndex(context.playback) == lastIndexBefore;
}

void PrepareNextEntry(PlaylistContext& context, RandomForm form) {
    auto& playback = context.playback;
    const auto sounding = SoundingIndex(playback);
    std::int32_t next = 0;
    if (RandomPicks(context, form)) {
        next = playback.PickRandomIndex(sounding);
    } else {
        if (sounding >= context.state.LastIndex())
            return;
        next = sounding + 1;
    }
    ReopenPreparedSlot(playback, next);
}

void ReopenPreparedSlot(PlaybackControl& playback, std::int32_t index) {
    const auto slot = PreparedSlot(playback);
    playback.CloseSlot(slot == PlaybackSlotId::A ? 1 : 2);
    playback.SetEntryIndex(slot, index);
    playback.OpenSlot(slot);
}

} // namespace vantor
