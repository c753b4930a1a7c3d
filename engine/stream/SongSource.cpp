#include "engine/stream/SongSource.h"

namespace vantor::engine {

std::size_t SongSource::Read(float* stereo, std::size_t frames) {
    return m_song->IsFinished() ? 0 : m_song->Render(stereo, frames);
}

std::int64_t SongSource::SeekMs(std::int64_t ms) {
    if (m_requestedOrder)
        m_song->SetOrder(*m_requestedOrder);
    else
        m_song->SetTimeMs(ms);
    m_requestedOrder.reset();
    return m_song->TimeMs();
}

} // namespace vantor::engine
