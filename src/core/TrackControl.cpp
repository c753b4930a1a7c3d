#include "core/TrackControl.h"

#include "base/ShownText.h"
#include "core/RandomPick.h"
#include "core/SoundFailure.h"
#include "core/TrackOpening.h"

namespace vantor {

namespace {

void StartSong(PlaybackContext& ctx, PlaybackSlot& slot) {
    if (ctx.sound.FMUSIC_PlaySong(slot.musicHandle)) {
        slot.playing = -1;
        return;
    }
    slot.playing = 0;
    ReportSoundFailure(ctx.sound, ctx.messages, "", VANTOR_TEXT("Play Song"),
                       MessageIcon::Critical);
}

void StartStream(PlaybackContext& ctx, PlaybackSlot& slot) {
    slot.channel = ctx.sound.FSOUND_Stream_PlayEx(FSOUND_FREE, slot.streamHandle, 0, false);
    ctx.sound.FSOUND_SetVolume(slot.channel, ctx.settings.MasterVolume);
    // Each track of a non-stop overlap sounds with its own correction.
    if (const PlaylistEntry* entry = ctx.Entry(slot.entryIndex);
        entry != nullptr && slot.channel >= 0)
        ctx.sound.SetChannelGain(slot.channel, ctx.gain.GainOf(*entry));
    if (slot.channel >= 0) {
        slot.playing = -1;
        return;
    }
    slot.playing = 0;
    ReportSoundFailure(ctx.sound, ctx.messages, "", VANTOR_TEXT("Play Stream"),
                       MessageIcon::Critical);
}

void StartSlot(PlaybackContext& ctx, PlaybackSlot& slot) {
    ctx.view.ResetAnalyzerPeaks();
    PlaylistEntry* entry = ctx.Entry(slot.entryIndex);
    const std::string lengthBefore = entry != nullptr ? entry->LengthText : std::string();
    ctx.view.DrawSongInfo();
    if (slot.Kind() == TrackKind::Music) {
        StartSong(ctx, slot);
    } else if (slot.Kind() == TrackKind::Stream) {
        StartStream(ctx, slot);
        // Describing the track may have found its length for the first time.
        if (entry != nullptr && entry->LengthText != lengthBefore)
            ctx.view.RedrawPlaylist();
    }
    if (ctx.settings.PlayRandomMode == 1 && entry != nullptr)
        entry->Played = kFlagOn;
}

bool SlotPaused(PlaybackContext& ctx, const PlaybackSlot& slot) {
    // A paused track keeps its playing flag; a slot that never started has
    // no channel to ask.
    if (!slot.IsPlaying())
        return false;
    if (slot.streamHandle != 0)
        return ctx.sound.FSOUND_GetPaused(slot.channel);
    return slot.musicHandle != 0 && ctx.sound.FMUSIC_GetPaused(slot.musicHandle);
}

enum class Direction { Previous, Next };

std::int32_t Step(const PlaybackContext& ctx, std::int32_t base, Direction direction) {
    if (direction == Direction::Next)
        return WrapNext(ctx, base);
    return base <= 0 ? ctx.LastIndex() : base - 1;
}

void StepTrack(PlaybackContext& ctx, Direction direction) {
    if (!ctx.HasEntries())
        return;
    const bool wasPlaying = ctx.player.AnyPlaying();
    const std::int32_t base = ctx.player.SoundingIndex();
    CloseTrack(ctx);
    ctx.player.currentIndex() =
        ctx.settings.PlayRandomMode != 0 ? PickRandomIndex(ctx, -1) : Step(ctx, base, direction);
    ctx.view.RedrawPlaylist();
    DrawCurrentTrackNumbers(ctx, ctx.player.currentIndex());
    OpenTrack(ctx, 0);
    if (wasPlaying)
        PlayTrack(ctx);
}

} // namespace

bool NothingSounds(PlaybackContext& ctx) {
    for (const PlaybackSlot* slot : {&ctx.player.slotA, &ctx.player.slotB}) {
        if (slot->IsPlaying() && !SlotPaused(ctx, *slot))
            return false;
    }
    return true;
}

void DrawCurrentTrackNumbers(PlaybackContext& ctx, std::int32_t index) {
    ctx.view.DrawTrackNumbers(index + 1, ctx.playlist.EntryCount());
}

void PlayTrack(PlaybackContext& ctx) {
    StartSlot(ctx, ctx.player.slotA);
}

void PlayActiveSlot(PlaybackContext& ctx) {
    PlayerState& player = ctx.player;
    PlaybackSlot& slot = player.activeSlot == kMixSlotASounding ? player.slotA : player.slotB;
    if (slot.IsPlaying())
        StopPlayback(ctx);
    StartSlot(ctx, slot);
}

void StopPlayback(PlaybackContext& ctx) {
    for (PlaybackSlot* slot : {&ctx.player.slotA, &ctx.player.slotB}) {
        if (slot->musicHandle != 0)
            ctx.sound.FMUSIC_StopSong(slot->musicHandle);
        else if (slot->streamHandle != 0)
            ctx.sound.FSOUND_Stream_Stop(slot->streamHandle);
        slot->channel = 0;
        slot->playing = 0;
    }
}

void StopTrack(PlaybackContext& ctx) {
    StopPlayback(ctx);
    if (ctx.player.SlotBSounds())
        ctx.player.currentIndex() = ctx.player.slotB.entryIndex;
    ctx.view.DrawIdleSeekBar();
    ctx.view.ClearSeekFill();
    ctx.view.RepaintMainWindow();
}

void TogglePause(PlaybackContext& ctx) {
    const PlaybackSlot& slot = ctx.player.SoundingSlot();
    if (!slot.IsPlaying())
        return;
    if (slot.streamHandle != 0)
        ctx.sound.FSOUND_SetPaused(slot.channel, !ctx.sound.FSOUND_GetPaused(slot.channel));
    else if (slot.musicHandle != 0)
        ctx.sound.FMUSIC_SetPaused(slot.musicHandle, !ctx.sound.FMUSIC_GetPaused(slot.musicHandle));
}

void PlayCommand(PlaybackContext& ctx) {
    if (!ctx.HasEntries())
        return;
    if (SlotPaused(ctx, ctx.player.slotA) || SlotPaused(ctx, ctx.player.slotB)) {
        TogglePause(ctx);
        return;
    }
    CloseTrack(ctx);
    OpenTrack(ctx, 0);
    PlayTrack(ctx);
    DrawCurrentTrackNumbers(ctx, ctx.player.currentIndex());
    ctx.view.RedrawPlaylist();
}

void NextTrack(PlaybackContext& ctx) {
    StepTrack(ctx, Direction::Next);
}

void PreviousTrack(PlaybackContext& ctx) {
    StepTrack(ctx, Direction::Previous);
}

} // namespace vantor
