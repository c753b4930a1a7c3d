// A tracker or MIDI song as a voice's source. Seeking goes to the order the UI
// thread requested (under the voice's producer lock), or else to the time
// the seek names.
#pragma once

#include "engine/music/MusicSong.h"
#include "engine/stream/AudioSource.h"

#include <memory>
#include <optional>

namespace vantor::engine {

class SongSource : public AudioSource {
public:
    explicit SongSource(std::unique_ptr<MusicSong> song) : m_song(std::move(song)) {}

    MusicSong& Song() { return *m_song; }
    // The order the next seek goes to, instead of its time.
    void RequestOrder(int order) { m_requestedOrder = order; }
    // The next seek goes to its time.
    void SeekByTime() { m_requestedOrder.reset(); }

    int SampleRate() const override { return m_song->SampleRate(); }
    int NativeRate() const override { return m_song->SampleRate(); }
    std::size_t Read(float* stereo, std::size_t frames) override;
    std::int64_t SeekMs(std::int64_t ms) override;
    std::int64_t LengthMs() const override { return m_song->LengthMs(); }

private:
    std::unique_ptr<MusicSong> m_song;
    std::optional<int> m_requestedOrder;
};

} // namespace vantor::engine
