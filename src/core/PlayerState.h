// The playback state: two slots that each hold one opened track, the slot
// that sounds, and the tick's own bookkeeping. Plain records owned by the
// Player; the playback operations change them by reference. UI thread only.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

// What a slot holds, told by its handles.
enum class TrackKind { None, Stream, Music };

struct PlaybackSlot {
    // Song handle of a tracker module or MIDI file; 0 = none.
    std::int32_t musicHandle = 0;
    // Stream handle of a file, ZIP member or CD track; 0 = none.
    std::int32_t streamHandle = 0;
    // The channel a started stream plays on; 0 while not started.
    std::int32_t channel = 0;
    // -1 after a start that succeeded, 0 after a stop or a failed start.
    std::int16_t playing = 0;
    // The playlist entry opened in this slot.
    std::int32_t entryIndex = 0;

    TrackKind Kind() const {
        if (streamHandle != 0)
            return TrackKind::Stream;
        return musicHandle != 0 ? TrackKind::Music : TrackKind::None;
    }
    bool IsPlaying() const { return playing == -1; }
    // A stream that was started: the library may number a channel 0, so a
    // started slot counts even then.
    bool HasChannel() const { return channel != 0 || IsPlaying(); }
    bool operator==(const PlaybackSlot&) const = default;
};

// activeSlot values.
inline constexpr std::int32_t kOrdinaryPlayback = 0;
inline constexpr std::int32_t kMixSlotASounding = 1;
inline constexpr std::int32_t kMixSlotBSounding = 2;

// The two faces the main window is drawn from.
enum class Face { None, Normal, Inactive };

// The "elapsed / total" text the tick made last and the whole seconds it
// shows: the tick asks for it every few milliseconds, and it changes once a
// second.
struct TimeTextMemo {
    bool made = false;
    std::int32_t elapsedSeconds = 0;
    std::int32_t totalSeconds = 0;
    std::string text;
};

struct PlayerState {
    PlaybackSlot slotA;
    PlaybackSlot slotB;
    // 0 ordinary playback (slot A only); 1 mix with slot A sounding; 2 mix
    // with slot B sounding.
    std::int32_t activeSlot = kOrdinaryPlayback;

    // 1 from the start of the next track of the mix (or the advance after a
    // finished module) until the slot that finished is released, so the
    // overlap starts once per track change.
    std::int32_t MixTriggered = 0;
    // The face the main window is drawn from now.
    Face FaceInUse = Face::None;
    // The title of the sounding track, stored whenever the main window's
    // song text is built; the minimised window's title starts with it.
    std::string TitleText;
    TimeTextMemo timeText;

    // The current entry is slot A's entry: the one start-up restores and
    // next, previous and open act on.
    std::int32_t& currentIndex() { return slotA.entryIndex; }
    std::int32_t currentIndex() const { return slotA.entryIndex; }

    bool SlotBSounds() const { return activeSlot == kMixSlotBSounding; }
    PlaybackSlot& SoundingSlot() { return SlotBSounds() ? slotB : slotA; }
    const PlaybackSlot& SoundingSlot() const { return SlotBSounds() ? slotB : slotA; }
    PlaybackSlot& InactiveSlot() { return SlotBSounds() ? slotA : slotB; }
    // The entry of the sounding track.
    std::int32_t SoundingIndex() const { return SoundingSlot().entryIndex; }
    bool AnyPlaying() const { return slotA.IsPlaying() || slotB.IsPlaying(); }
};

} // namespace vantor
