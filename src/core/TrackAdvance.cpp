#include "core/TrackAdvance.h"

#include "core/RandomPick.h"
#include "core/TrackControl.h"
#include "core/TrackOpening.h"

#include <algorithm>

namespace vantor {

namespace {

bool StreamEnded(PlaybackContext& ctx, const PlaybackSlot& slot) {
    return ctx.sound.FSOUND_Stream_GetTime(slot.streamHandle) >=
           ctx.sound.FSOUND_Stream_GetLengthMs(slot.streamHandle);
}

bool InsideGap(PlaybackContext& ctx, const PlaybackSlot& slot) {
    return ctx.sound.FSOUND_Stream_GetTime(slot.streamHandle) >=
           ctx.sound.FSOUND_Stream_GetLengthMs(slot.streamHandle) - ctx.settings.GapLength;
}

bool IsCdEntry(PlaybackContext& ctx, std::int32_t index) {
    const PlaylistEntry* entry = ctx.Entry(index);
    return entry != nullptr && entry->IsCdTrack == kFlagOn;
}

// The ordinary end of a track: the next entry by loop and random mode; at
// the end of the list without loop the player stands on entry 0, silent.
void Advance(PlaybackContext& ctx) {
    CloseTrack(ctx);
    bool stopAfter = false;
    std::int32_t& current = ctx.player.currentIndex();
    if (ctx.settings.PlayRandomMode == 1) {
        stopAfter = ctx.settings.PlayLoopMode == 0 && AllPlayed(ctx);
        current = PickRandomIndex(ctx, -1);
    } else if (current >= ctx.LastIndex()) {
        current = 0;
        stopAfter = ctx.settings.PlayLoopMode == 0;
    } else {
        ++current;
    }
    DrawCurrentTrackNumbers(ctx, current);
    OpenTrack(ctx, 0);
    ctx.view.RedrawPlaylist();
    if (!stopAfter)
        PlayTrack(ctx);
}

// The waiting slot's stream has played out after the overlap: release it
// and prepare the entry that follows the sounding one in its place.
void ReleaseFinishedWaitingSlot(PlaybackContext& ctx) {
    PlayerState& player = ctx.player;
    PlaybackSlot& waiting = player.InactiveSlot();
    if (waiting.Kind() != TrackKind::Stream || !waiting.IsPlaying() || !StreamEnded(ctx, waiting))
        return;
    CloseInactiveSlot(ctx);
    waiting.entryIndex = NextChoice(ctx, player.SoundingIndex());
    OpenTrack(ctx, 0);
    player.MixTriggered = 0;
}

// Two CD tracks cannot sound together from one drive: the change is a plain
// stop and start GapLength ms before the end.
void ChangeCdTrack(PlaybackContext& ctx, bool stopAfter) {
    StopTrack(ctx);
    CloseTrack(ctx);
    std::int32_t& current = ctx.player.currentIndex();
    current = ctx.settings.PlayRandomMode == 1 ? PickRandomIndex(ctx, -1) : WrapNext(ctx, current);
    DrawCurrentTrackNumbers(ctx, current);
    ctx.player.MixTriggered = 0;
    OpenTrack(ctx, 0);
    ctx.view.RedrawPlaylist();
    if (!stopAfter)
        PlayTrack(ctx);
}

// GapLength ms before the sounding stream ends, the waiting slot starts and
// becomes the sounding one.
void StartOverlap(PlaybackContext& ctx) {
    PlayerState& player = ctx.player;
    const PlaybackSlot& sounding = player.SoundingSlot();
    if (player.MixTriggered != 0 || !InsideGap(ctx, sounding))
        return;
    const std::int32_t soundingIndex = sounding.entryIndex;
    const bool stopAfter = MixStopAfter(ctx, soundingIndex);
    if (IsCdEntry(ctx, soundingIndex) && IsCdEntry(ctx, player.InactiveSlot().entryIndex)) {
        ChangeCdTrack(ctx, stopAfter);
        return;
    }
    player.activeSlot = player.SlotBSounds() ? kMixSlotASounding : kMixSlotBSounding;
    ctx.view.RedrawPlaylist();
    if (!stopAfter)
        PlayActiveSlot(ctx);
    else
        player.currentIndex() = 0;
    DrawCurrentTrackNumbers(ctx, player.SoundingIndex());
    player.MixTriggered = 1;
}

void MixStreams(PlaybackContext& ctx) {
    ReleaseFinishedWaitingSlot(ctx);
    StartOverlap(ctx);
}

// A module never overlaps: the next track starts once it has finished.
void FollowFinishedModule(PlaybackContext& ctx) {
    PlayerState& player = ctx.player;
    const std::int32_t soundingIndex = player.SoundingIndex();
    const std::int32_t prepared = player.InactiveSlot().entryIndex;
    CloseTrack(ctx);
    const bool stopAfter = MixStopAfter(ctx, soundingIndex);
    player.currentIndex() = prepared;
    player.activeSlot = kOrdinaryPlayback;
    DrawCurrentTrackNumbers(ctx, prepared);
    OpenTrack(ctx, 0);
    ctx.view.RedrawPlaylist();
    player.MixTriggered = 0;
    player.activeSlot = kMixSlotASounding;
    if (!stopAfter)
        PlayTrack(ctx);
}

void AdvanceModule(PlaybackContext& ctx) {
    const bool mix = ctx.settings.NonStopMegaMix != 0;
    if (mix)
        ReleaseFinishedWaitingSlot(ctx);
    if (ctx.player.MixTriggered != 0 ||
        !ctx.sound.FMUSIC_IsFinished(ctx.player.SoundingSlot().musicHandle))
        return;
    if (mix)
        FollowFinishedModule(ctx);
    else
        Advance(ctx);
}

// The mix stopped after the last entry: the waiting slot became the sounding
// one without starting. Once the finished track has played out, nothing
// plays any more, so the player shows itself stopped.
bool SilenceFinishedLastTrack(PlaybackContext& ctx) {
    PlayerState& player = ctx.player;
    const PlaybackSlot& sounding = player.SoundingSlot();
    PlaybackSlot& finished = player.InactiveSlot();
    if (ctx.settings.NonStopMegaMix == 0 || player.activeSlot == kOrdinaryPlayback ||
        sounding.IsPlaying() || finished.Kind() != TrackKind::Stream || !finished.IsPlaying() ||
        !StreamEnded(ctx, finished))
        return false;
    ctx.sound.FSOUND_Stream_Stop(finished.streamHandle);
    finished.channel = 0;
    finished.playing = 0;
    player.MixTriggered = 0;
    return true;
}

} // namespace

bool MixStopAfter(const PlaybackContext& ctx, std::int32_t soundingIndex) {
    if (ctx.settings.PlayLoopMode != 0)
        return false;
    if (ctx.settings.PlayRandomMode == 0)
        return soundingIndex >= ctx.LastIndex();
    return AllPlayed(ctx);
}

std::optional<std::int32_t> MsUntilTrackTurn(PlaybackContext& ctx) {
    const PlayerState& player = ctx.player;
    const PlaybackSlot& sounding = player.SoundingSlot();
    if (sounding.Kind() != TrackKind::Stream || !sounding.IsPlaying())
        return std::nullopt;
    std::int32_t turn = ctx.sound.FSOUND_Stream_GetLengthMs(sounding.streamHandle);
    if (ctx.settings.NonStopMegaMix != 0 && player.MixTriggered == 0)
        turn -= ctx.settings.GapLength;
    return std::max(turn - ctx.sound.FSOUND_Stream_GetTime(sounding.streamHandle), 0);
}

void AdvanceTracks(PlaybackContext& ctx) {
    const PlayerState& player = ctx.player;
    const bool mix = ctx.settings.NonStopMegaMix != 0;
    if (SilenceFinishedLastTrack(ctx))
        return;
    if (player.slotA.Kind() == TrackKind::Stream && !player.SlotBSounds()) {
        if (!mix) {
            if (StreamEnded(ctx, player.slotA))
                Advance(ctx);
        } else {
            MixStreams(ctx);
        }
    } else if (player.slotB.Kind() == TrackKind::Stream && player.slotB.HasChannel() &&
               player.SlotBSounds()) {
        MixStreams(ctx);
    } else if (player.SoundingSlot().Kind() == TrackKind::Music &&
               player.SoundingSlot().IsPlaying()) {
        AdvanceModule(ctx);
    }
}

} // namespace vantor
