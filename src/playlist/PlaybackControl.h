// The playback operations and slot indices of the player core that the
// playlist reaches: the playlist adjusts the slots' entry indices when
// entries move and opens or starts tracks after an add. The player core
// implements it; tests record. UI thread only.
#pragma once

#include <cstdint>

namespace vantor {

enum class PlaybackSlotId { A, B };

class PlaybackControl {
public:
    virtual ~PlaybackControl() = default;

    // 0 ordinary playback; 1 non-stop mix with slot A sounding; 2 with slot B.
    virtual std::int32_t ActiveSlot() const = 0;
    virtual std::int32_t EntryIndex(PlaybackSlotId slot) const = 0;
    virtual void SetEntryIndex(PlaybackSlotId slot, std::int32_t index) = 0;

    virtual void OpenTrack(std::int32_t redrawFlag) = 0;
    // Opens the entry at the slot's entry index into that slot alone, the
    // way the non-stop mix prepares its next track without touching the
    // sounding slot.
    virtual void OpenSlot(PlaybackSlotId slot) = 0;
    virtual void PlayTrack() = 0;
    virtual void StopTrack() = 0;
    virtual void CloseTrack() = 0;
    // Releases slot A when n is 1, else slot B.
    virtual void CloseSlot(std::int32_t n) = 0;
    virtual void TogglePause() = 0;
    virtual void PlayCommand() = 0;
    virtual void NextTrack() = 0;
    virtual void PreviousTrack() = 0;
    // A random entry not yet played in this round; `exclude` -1 for none.
    virtual std::int32_t PickRandomIndex(std::int32_t exclude) = 0;
};

// currentIndex is slot A's entry index.
inline std::int32_t CurrentIndex(const PlaybackControl& playback) {
    return playback.EntryIndex(PlaybackSlotId::A);
}
inline void SetCurrentIndex(PlaybackControl& playback, std::int32_t index) {
    playback.SetEntryIndex(PlaybackSlotId::A, index);
}

// The slot that is sounding: B while the mix plays slot B, else A.
inline PlaybackSlotId SoundingSlot(const PlaybackControl& playback) {
    return playback.ActiveSlot() == 2 ? PlaybackSlotId::B : PlaybackSlotId::A;
}
// The slot holding the entry opened in advance for the non-stop mix.
inline PlaybackSlotId PreparedSlot(const PlaybackControl& playback) {
    return SoundingSlot(playback) == PlaybackSlotId::A ? PlaybackSlotId::B : PlaybackSlotId::A;
}
inline std::int32_t SoundingIndex(const PlaybackControl& playback) {
    return playback.EntryIndex(SoundingSlot(playback));
}
inline std::int32_t PreparedIndex(const PlaybackControl& playback) {
    return playback.EntryIndex(PreparedSlot(playback));
}

} // namespace vantor
