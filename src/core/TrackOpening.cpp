#include "core/TrackOpening.h"

#include "base/ShownText.h"
#include "base/StringUtil.h"
#include "core/RandomPick.h"
#include "core/SoundFailure.h"
#include "settings/WorkingSet.h"

namespace vantor {

namespace {

bool IsMp3Entry(const PlaylistEntry& entry) {
    return EndsWithIgnoreCase(entry.Path, ".mp3") || EndsWithIgnoreCase(entry.MemberName, ".mp3");
}

void OpenCdTrack(PlaybackContext& ctx, PlaybackSlot& slot, const PlaylistEntry& entry) {
    slot.streamHandle = ctx.sound.FSOUND_Stream_Open(entry.CdDrive, kStreamModeCd, 0, 0);
    if (slot.streamHandle != 0)
        ctx.sound.FSOUND_Stream_SetSubStream(slot.streamHandle, entry.CdTrack);
}

void OpenFileTrack(PlaybackContext& ctx, PlaybackSlot& slot, const PlaylistEntry& entry) {
    const bool vbr = IsMp3Entry(entry) && ctx.vbr.IsVbr(entry);
    // A member's range names its first and last byte, so a member is one
    // byte longer than the difference; a whole file is offset 0, length 0.
    const std::int32_t span = entry.MemberEnd - entry.MemberStart;
    const std::int32_t length = span + (span > 0 ? 1 : 0);
    slot.streamHandle = ctx.sound.FSOUND_Stream_Open(
        entry.Path, vbr ? kStreamModeVbrFile : kStreamModeFile, entry.MemberStart, length);
    if (slot.streamHandle == 0)
        slot.musicHandle = ctx.sound.FMUSIC_LoadSong(entry.Path);
}

void PrepareSong(PlaybackContext& ctx, SongHandle song) {
    ctx.sound.FMUSIC_SetMasterVolume(song, ctx.settings.MasterVolume);
    const auto type = ctx.sound.FMUSIC_GetType(song);
    if (type == FMUSIC_TYPE_MOD || type == FMUSIC_TYPE_S3M)
        ctx.sound.FMUSIC_SetPanSeperation(song, kModulePanSeparation);
}

} // namespace

void OpenSlot(PlaybackContext& ctx, PlaybackSlot& slot) {
    // A slot that still holds a track would leak its handle (and keep it
    // sounding) if it were overwritten.
    ReleaseSlot(ctx, slot);
    const PlaylistEntry* entry = ctx.Entry(slot.entryIndex);
    if (entry == nullptr)
        return;
    if (entry->IsCdTrack == kFlagOn)
        OpenCdTrack(ctx, slot, *entry);
    else
        OpenFileTrack(ctx, slot, *entry);
    if (slot.Kind() == TrackKind::None) {
        ReportSoundFailure(ctx.sound, ctx.messages, VANTOR_TEXT("Error while opening file") "\r\n",
                           kDefaultMessageTitle, MessageIcon::None);
        return;
    }
    if (slot.Kind() == TrackKind::Music)
        PrepareSong(ctx, slot.musicHandle);
}

void OpenTrack(PlaybackContext& ctx, std::int32_t redrawFlag) {
    if (redrawFlag == 0)
        ctx.view.ClearSeekFill();
    PlayerState& player = ctx.player;
    if (ctx.settings.NonStopMegaMix == 0) {
        OpenSlot(ctx, player.slotA);
    } else if (player.activeSlot == kOrdinaryPlayback) {
        player.slotB.entryIndex = NextChoice(ctx, player.currentIndex());
        // Slot A already holds the current entry when the mix is re-prepared
        // while it sounds; reopening it would cut the music.
        if (player.slotA.Kind() == TrackKind::None)
            OpenSlot(ctx, player.slotA);
        OpenSlot(ctx, player.slotB);
    } else if (player.activeSlot == kMixSlotASounding) {
        OpenSlot(ctx, player.slotB);
    } else {
        OpenSlot(ctx, player.slotA);
    }
    TrimWorkingSet(ctx.settings);
}

void ReleaseSlot(PlaybackContext& ctx, PlaybackSlot& slot) {
    const bool started = slot.streamHandle != 0 && slot.HasChannel();
    slot.playing = 0;
    if (slot.musicHandle != 0)
        ctx.sound.FMUSIC_StopSong(slot.musicHandle);
    if (started)
        ctx.sound.FSOUND_Stream_Stop(slot.streamHandle);
    slot.channel = 0;
    if (slot.streamHandle != 0) {
        ctx.sound.FSOUND_Stream_Close(slot.streamHandle);
        slot.streamHandle = 0;
    } else if (slot.musicHandle != 0) {
        ctx.sound.FMUSIC_FreeSong(slot.musicHandle);
        slot.musicHandle = 0;
    }
}

void CloseSlot(PlaybackContext& ctx, std::int32_t n) {
    ReleaseSlot(ctx, n == 1 ? ctx.player.slotA : ctx.player.slotB);
}

void CloseInactiveSlot(PlaybackContext& ctx) {
    ReleaseSlot(ctx, ctx.player.InactiveSlot());
}

void CloseTrack(PlaybackContext& ctx) {
    ReleaseSlot(ctx, ctx.player.slotA);
    ReleaseSlot(ctx, ctx.player.slotB);
    ctx.player.activeSlot = kOrdinaryPlayback;
    ctx.pitch.ClearDspBuffer();
}

} // namespace vantor
