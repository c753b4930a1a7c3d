#include "engine/cd/CdAudioStream.h"

#include <algorithm>

namespace vantor::engine {

CdAudioStream::CdAudioStream(std::shared_ptr<CdDevice> device)
    : m_device(std::move(device)), m_chunk(std::size_t{kChunkSectors} * kCdFramesPerSector * 2) {
    m_finished = NumTracks() == 0;
}

bool CdAudioStream::SelectTrack(int index) {
    if (index < 0 || index >= NumTracks())
        return false;
    m_track = index;
    SeekFrames(0);
    return true;
}

std::int64_t CdAudioStream::LengthFrames() const {
    return NumTracks() == 0 ? 0 : m_device->AudioTracks()[m_track].LengthFrames();
}

void CdAudioStream::SeekFrames(std::int64_t frame) {
    m_position = std::clamp<std::int64_t>(frame, 0, LengthFrames());
    m_finished = m_position >= LengthFrames();
}

bool CdAudioStream::FillChunk(std::int32_t sector) {
    const auto& track = m_device->AudioTracks()[m_track];
    const auto end = track.firstSector + track.sectorCount;
    m_chunkCount = std::min(kChunkSectors, end - sector);
    m_chunkSector = sector;
    if (m_device->ReadSectors(sector, m_chunkCount, m_chunk))
        return true;
    m_chunkSector = -1;
    return false;
}

std::size_t CdAudioStream::Render(float* stereo, std::size_t frames) {
    std::size_t produced = 0;
    while (!m_finished && produced < frames) {
        const auto& track = m_device->AudioTracks()[m_track];
        const auto sector =
            track.firstSector + static_cast<std::int32_t>(m_position / kCdFramesPerSector);
        if (sector < m_chunkSector || sector >= m_chunkSector + m_chunkCount) {
            if (!FillChunk(sector)) {
                m_finished = true;
                break;
            }
        }
        const auto chunkFrame =
            static_cast<std::int64_t>(sector - m_chunkSector) * kCdFramesPerSector +
            m_position % kCdFramesPerSector;
        const auto available = std::int64_t{m_chunkCount} * kCdFramesPerSector - chunkFrame;
        const auto count = static_cast<std::size_t>(
            std::min<std::int64_t>(available, static_cast<std::int64_t>(frames - produced)));
        const std::int16_t* source = m_chunk.data() + chunkFrame * 2;
        for (std::size_t i = 0; i < count * 2; ++i)
            stereo[produced * 2 + i] = static_cast<float>(source[i]) / 32768.0f;
        produced += count;
        SeekFrames(m_position + static_cast<std::int64_t>(count));
    }
    std::fill(stereo + produced * 2, stereo + frames * 2, 0.0f);
    return produced;
}

} // namespace vantor::engine
