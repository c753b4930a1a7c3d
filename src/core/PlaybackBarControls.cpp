#include "core/PlaybackBarControls.h"

#include "base/VbNumber.h"

#include <vector>

namespace vantor {

namespace {

// The sounding slot, and the other one while both sound in the overlap.
std::vector<PlaybackSlot*> ActiveSlots(PlayerState& player) {
    std::vector<PlaybackSlot*> slots{&player.SoundingSlot()};
    if (player.InactiveSlot().IsPlaying())
        slots.push_back(&player.InactiveSlot());
    return slots;
}

std::int32_t Scaled(double fraction, std::int32_t total) {
    return static_cast<std::int32_t>(RoundHalfEven(fraction * total));
}

// The seek bar shows a song's time where its length is known, so a seek
// goes to that time; otherwise bar and seek count orders.
void SeekSong(SoundLibrary& sound, SongHandle song, double fraction) {
    const std::int32_t lengthMs = sound.FMUSIC_GetLengthMs(song);
    if (lengthMs > 0)
        sound.FMUSIC_SetTime(song, Scaled(fraction, lengthMs));
    else
        sound.FMUSIC_SetOrder(song, Scaled(fraction, sound.FMUSIC_GetNumOrders(song)));
}

} // namespace

void PlaybackBarControls::ApplyVolume(std::int32_t volume) {
    SoundLibrary& sound = m_ctx.sound;
    for (const PlaybackSlot* slot : ActiveSlots(m_ctx.player)) {
        if (slot->musicHandle != 0 && slot->IsPlaying())
            sound.FMUSIC_SetMasterVolume(slot->musicHandle, volume);
        else if (slot->streamHandle != 0)
            sound.FSOUND_SetVolume(slot->channel, volume);
    }
}

void PlaybackBarControls::ApplyPan(std::int32_t pan) {
    m_ctx.sound.FSOUND_SetPan(FSOUND_SYSTEMCHANNEL, m_ctx.settings.PanEnable == 1 ? pan : 128);
}

void PlaybackBarControls::ApplySoundControls() {
    vantor::ApplySoundControls(m_ctx.settings, m_system, m_ctx.messages);
}

void PlaybackBarControls::Seek(double fraction) {
    SoundLibrary& sound = m_ctx.sound;
    for (const PlaybackSlot* slot : ActiveSlots(m_ctx.player)) {
        if (!slot->IsPlaying())
            continue;
        if (slot->musicHandle != 0)
            SeekSong(sound, slot->musicHandle, fraction);
        else if (slot->streamHandle != 0)
            sound.FSOUND_Stream_SetPosition(
                slot->streamHandle,
                Scaled(fraction, sound.FSOUND_Stream_GetLength(slot->streamHandle)));
    }
}

void PlaybackBarControls::SeekToFraction(double fraction) {
    Seek(fraction);
}

void PlaybackBarControls::SetSeek(std::int32_t value) {
    Seek(value / 255.0);
}

} // namespace vantor
