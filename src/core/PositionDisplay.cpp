#include "core/PositionDisplay.h"

#include "base/TimeText.h"

namespace vantor {

namespace {

std::string ShortTime(std::int64_t milliseconds) {
    return FormatTime(MillisecondsToSeconds(static_cast<double>(milliseconds)));
}

void ShowMinimisedTitle(PlaybackContext& ctx, std::int64_t lengthMs) {
    if (!ctx.view.MainWindowMinimised())
        return;
    const std::string title = MinimisedTitle(ctx.player.TitleText, ShortTime(lengthMs));
    if (title != ctx.view.MainWindowTitle())
        ctx.view.SetMainWindowTitle(title);
}

void DrawSeekBar(PlaybackContext& ctx, double fraction) {
    if (!ctx.view.SeekBarDragging())
        ctx.view.DrawSeekBar(fraction);
}

void ShowPosition(PlaybackContext& ctx, double fraction, std::int32_t timeMs,
                  std::int32_t lengthMs) {
    DrawSeekBar(ctx, fraction);
    ctx.view.DrawTimeText(TimeText(ctx.player.timeText, timeMs, lengthMs));
    ShowMinimisedTitle(ctx, lengthMs);
}

void ShowStreamPosition(PlaybackContext& ctx, const PlaybackSlot& slot) {
    SoundLibrary& sound = ctx.sound;
    const std::int32_t lengthMs = sound.FSOUND_Stream_GetLengthMs(slot.streamHandle);
    const std::int32_t timeMs = sound.FSOUND_Stream_GetTime(slot.streamHandle);
    const PlaylistEntry* entry = ctx.Entry(slot.entryIndex);
    // A CD track's byte position says nothing about how much was played.
    const bool byTime = entry != nullptr && entry->IsCdTrack == kFlagOn;
    ShowPosition(ctx,
                 byTime ? PlayedFraction(timeMs, lengthMs)
                        : PlayedFraction(sound.FSOUND_Stream_GetPosition(slot.streamHandle),
                                         sound.FSOUND_Stream_GetLength(slot.streamHandle)),
                 timeMs, lengthMs);
}

// A song shows its time against its length where the library knows the
// length; otherwise its position is its order and its length "00:00".
void ShowSongPosition(PlaybackContext& ctx, const PlaybackSlot& slot) {
    SoundLibrary& sound = ctx.sound;
    const std::int32_t lengthMs = sound.FMUSIC_GetLengthMs(slot.musicHandle);
    const std::int32_t timeMs = sound.FMUSIC_GetTime(slot.musicHandle);
    ShowPosition(ctx,
                 lengthMs > 0 ? PlayedFraction(timeMs, lengthMs)
                              : PlayedFraction(sound.FMUSIC_GetOrder(slot.musicHandle),
                                               sound.FMUSIC_GetNumOrders(slot.musicHandle)),
                 timeMs, lengthMs);
}

} // namespace

std::string MinimisedTitle(const std::string& titleText, const std::string& lengthText) {
    return titleText + " (" + lengthText + ") - Vantor";
}

double PlayedFraction(std::int64_t played, std::int64_t length) {
    if (length <= 0)
        return 0.0;
    return static_cast<double>(played) / static_cast<double>(length);
}

const std::string& TimeText(TimeTextMemo& memo, std::int64_t elapsedMs, std::int64_t totalMs) {
    const std::int32_t elapsed = MillisecondsToSeconds(static_cast<double>(elapsedMs));
    const std::int32_t total = MillisecondsToSeconds(static_cast<double>(totalMs));
    if (!memo.made || elapsed != memo.elapsedSeconds || total != memo.totalSeconds)
        memo = {true, elapsed, total, FormatTime(elapsed) + " / " + FormatTime(total)};
    return memo.text;
}

void ShowIdlePosition(PlaybackContext& ctx) {
    ctx.view.DrawTimeText("00:00 / 00:00");
    ctx.view.DrawIdleSeekBar();
    if (!ctx.HasEntries())
        return;
    const PlayerState& player = ctx.player;
    const PlaybackSlot* open = player.slotA.Kind() == TrackKind::Stream   ? &player.slotA
                               : player.slotB.Kind() == TrackKind::Stream ? &player.slotB
                                                                          : nullptr;
    std::int32_t lengthMs = 0;
    if (open != nullptr && ctx.view.MainWindowMinimised())
        lengthMs = ctx.sound.FSOUND_Stream_GetLengthMs(open->streamHandle);
    ShowMinimisedTitle(ctx, lengthMs);
}

void ShowPosition(PlaybackContext& ctx) {
    const PlaybackSlot& slot = ctx.player.SoundingSlot();
    if (slot.Kind() == TrackKind::Stream)
        ShowStreamPosition(ctx, slot);
    else if (slot.Kind() == TrackKind::Music)
        ShowSongPosition(ctx, slot);
}

} // namespace vantor
