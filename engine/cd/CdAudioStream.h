// The audio of one CD track at a time, as float stereo at 44.1 kHz (the
// engine resamples it like any stream). Sub-stream k is the k-th audio track.
// Shares the device with whoever opened it; one thread at a time.
#pragma once

#include "engine/cd/CdDevice.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vantor::engine {

class CdAudioStream {
public:
    explicit CdAudioStream(std::shared_ptr<CdDevice> device);

    int NumTracks() const { return static_cast<int>(m_device->AudioTracks().size()); }
    // Selects a track and rewinds to its start; false (nothing changes) when
    // there is no such track.
    bool SelectTrack(int index);
    int SelectedTrack() const { return m_track; }

    std::int64_t LengthFrames() const;
    std::int64_t LengthBytes() const { return LengthFrames() * 4; }
    std::int64_t LengthMs() const { return LengthFrames() * 1000 / kCdSampleRate; }
    std::int64_t PositionFrames() const { return m_position; }
    // Positions at or past the end finish the track; negative ones rewind.
    void SeekFrames(std::int64_t frame);
    bool IsFinished() const { return m_finished; }

    // Writes `frames` interleaved stereo frames on the ±1 scale; returns how
    // many belong to the track (the rest are silence). A read error ends it.
    std::size_t Render(float* stereo, std::size_t frames);

private:
    static constexpr int kChunkSectors = 16;

    bool FillChunk(std::int32_t sector);

    std::shared_ptr<CdDevice> m_device;
    int m_track = 0;
    std::int64_t m_position = 0;
    bool m_finished = false;
    // Sectors [m_chunkSector, m_chunkSector + m_chunkCount) of the disc.
    std::vector<std::int16_t> m_chunk;
    std::int32_t m_chunkSector = -1;
    int m_chunkCount = 0;
};

} // namespace vantor::engine
