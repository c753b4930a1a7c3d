// A loaded song (tracker module or MIDI file) that renders itself as float
// stereo. The engine owns each song it loads and drives it from one thread at
// a time: queries, seeks and Render must not run concurrently on one song.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vantor::engine {

// Song kinds as the player sees them; MOD and S3M get the narrow pan
// separation, so these values are part of the player's contract.
enum class SongType : int { None = 0, Mod = 1, S3m = 2, Xm = 3, It = 4, Midi = 5 };

// Full volume of a song; 0 is silence.
inline constexpr int kMaxMasterVolume = 256;

class MusicSong {
public:
    virtual ~MusicSong() = default;

    virtual const std::string& Name() const = 0;
    virtual SongType Type() const = 0;

    // Positions within a song are order numbers, 0 .. NumOrders() - 1.
    virtual int NumOrders() const = 0;
    virtual int Order() const = 0;
    // Moves to the start of `order`; an order at or past the end finishes the
    // song, a negative one means the first. Clears the finished flag otherwise.
    virtual void SetOrder(int order) = 0;

    // Play position and whole length in milliseconds.
    virtual std::int64_t TimeMs() const = 0;
    // Moves to `ms` from the start; a time at or past the end finishes the
    // song, a negative one means the start. Clears the finished flag otherwise.
    virtual void SetTimeMs(std::int64_t ms) = 0;
    virtual std::int64_t LengthMs() const = 0;
    // True once the song has played to its end (songs never loop).
    virtual bool IsFinished() const = 0;

    // 0 mono .. 1 full stereo (0.15 is 15 %); songs without channel panning
    // of their own ignore it.
    virtual void SetPanSeparation(float separation) = 0;
    // 0 .. kMaxMasterVolume; values outside are clamped.
    virtual void SetMasterVolume(int volume) = 0;
    virtual int MasterVolume() const = 0;

    // The rate Render produces, fixed when the song is loaded.
    virtual int SampleRate() const = 0;
    // Writes `frames` interleaved stereo frames (left, right) on the ±1 scale.
    // Returns how many belong to the song; the rest are silence, and a short
    // count means the song has finished.
    virtual std::size_t Render(float* stereo, std::size_t frames) = 0;
};

} // namespace vantor::engine
