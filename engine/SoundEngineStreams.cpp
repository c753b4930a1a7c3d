#include "engine/SoundEngine.h"

#include "engine/mix/DecodeWorker.h"
#include "engine/mix/Mixer.h"
#include "engine/output/AudioOutput.h"
#include "engine/stream/RateConvertedSource.h"
#include "engine/stream/StreamOpener.h"

#include <algorithm>

namespace vantor::engine {

namespace {
constexpr std::size_t kMinRingBlocks = 10; // a block at the fastest step, and then some
// The ring holds the stream buffer's length of sound, and never less than the
// decode worker's longest round (100 ms) drains from a channel sped up to
// three times its rate, with room to spare.
constexpr std::int32_t kShortestRingMs = 400;
} // namespace

std::unique_ptr<Voice> SoundEngine::MakeVoice(std::unique_ptr<AudioSource> source) {
    if (source->SampleRate() != m_mixer->Rate()) {
        if (auto converted = RateConvertedSource::Wrap(std::move(source), m_mixer->Rate())) {
            source = std::move(converted);
        }
    }
    auto rate = static_cast<std::size_t>(m_mixer->Rate());
    auto ringMs = static_cast<std::size_t>(std::max(m_bufferMs, kShortestRingMs));
    std::size_t ringFrames =
        std::max(rate * ringMs / 1000, kMinRingBlocks * m_mixer->BlockFrames());
    auto voice = std::make_unique<Voice>(std::move(source), ringFrames, m_mixer->BlockFrames());
    if (m_worker) {
        m_worker->Add(voice.get());
    }
    return voice;
}

void SoundEngine::SeekVoice(Voice& voice, std::int64_t ms) {
    voice.RequestSeekMs(ms);
    WakeDecoder();
}

void SoundEngine::WakeDecoder() {
    if (m_worker) {
        m_worker->Wake();
    }
}

void SoundEngine::WakeForPlayback() {
    WakeDecoder();
    if (m_output) {
        m_output->Wake();
    }
}

void SoundEngine::DetachChannel(int& channel) {
    if (channel >= 0 && m_mixer) {
        m_mixer->Detach(channel);
    }
    channel = -1;
}

void SoundEngine::ReleaseVoice(std::unique_ptr<Voice>& voice, int& channel) {
    DetachChannel(channel);
    if (voice && m_worker) {
        m_worker->Remove(voice.get());
    }
    voice.reset();
}

StreamRecord* SoundEngine::FindStream(StreamHandle stream) {
    auto it = m_streams.find(stream);
    if (it == m_streams.end()) {
        Fail(kSoundErrorInvalidParam);
        return nullptr;
    }
    return it->second.get();
}

StreamHandle SoundEngine::FSOUND_Stream_Open(const std::string& name, std::uint32_t,
                                             std::int32_t offset, std::int32_t length) {
    if (!RequireInit()) {
        return 0;
    }
    if (IsCdName(name)) {
        return OpenCdStream(name);
    }
    if (offset < 0 || length < 0) {
        Fail(kSoundErrorInvalidParam);
        return 0;
    }
    int error = 0;
    OpenedStream opened = OpenStreamSource(name, offset, length, m_mixer->Rate(), error);
    if (!opened.source) {
        Fail(error);
        return 0;
    }
    auto record = std::make_unique<StreamRecord>();
    record->lengthBytes = opened.lengthBytes;
    record->voice = MakeVoice(std::move(opened.source));
    StreamHandle handle = NextHandle();
    m_streams[handle] = std::move(record);
    return handle;
}

std::int32_t SoundEngine::FSOUND_Stream_PlayEx(std::int32_t channel, StreamHandle stream,
                                               DspUnitHandle, bool startPaused) {
    StreamRecord* record = FindStream(stream);
    if (record == nullptr) {
        return -1;
    }
    if (channel != FSOUND_FREE || !record->voice) {
        Fail(kSoundErrorInvalidParam);
        return -1;
    }
    if (record->channel >= 0) {
        return record->channel;
    }
    if (record->voice->Finished()) {
        SeekVoice(*record->voice, 0);
    }
    record->channel = m_mixer->Attach(record->voice.get(), startPaused);
    if (record->channel < 0) {
        Fail(kSoundErrorChannelAlloc);
    }
    WakeForPlayback();
    return record->channel;
}

bool SoundEngine::FSOUND_Stream_Stop(StreamHandle stream) {
    StreamRecord* record = FindStream(stream);
    if (record == nullptr) {
        return false;
    }
    // A stopped stream starts again from its beginning.
    DetachChannel(record->channel);
    if (record->voice) {
        SeekVoice(*record->voice, 0);
    }
    return true;
}

bool SoundEngine::FSOUND_Stream_Close(StreamHandle stream) {
    StreamRecord* record = FindStream(stream);
    if (record == nullptr) {
        return false;
    }
    ReleaseVoice(record->voice, record->channel);
    m_streams.erase(stream);
    return true;
}

std::int32_t SoundEngine::FSOUND_Stream_GetLength(StreamHandle stream) {
    StreamRecord* record = FindStream(stream);
    return record != nullptr ? static_cast<std::int32_t>(record->lengthBytes) : 0;
}

std::int32_t SoundEngine::FSOUND_Stream_GetLengthMs(StreamHandle stream) {
    StreamRecord* record = FindStream(stream);
    return record != nullptr && record->voice ? static_cast<std::int32_t>(record->voice->LengthMs())
                                              : 0;
}

std::int32_t SoundEngine::FSOUND_Stream_GetTime(StreamHandle stream) {
    StreamRecord* record = FindStream(stream);
    if (record == nullptr || !record->voice) {
        return 0;
    }
    // A stream that played out reports at least its length, so "time has
    // reached the length" detects the end even when the container's length
    // was an estimate.
    std::int64_t time = record->voice->PositionMs();
    if (record->voice->Finished()) {
        time = std::max(time, record->voice->LengthMs());
    }
    return static_cast<std::int32_t>(time);
}

std::int32_t SoundEngine::FSOUND_Stream_GetPosition(StreamHandle stream) {
    StreamRecord* record = FindStream(stream);
    if (record == nullptr || !record->voice || record->voice->LengthMs() <= 0) {
        return 0;
    }
    std::int64_t lengthMs = record->voice->LengthMs();
    std::int64_t time = std::min<std::int64_t>(FSOUND_Stream_GetTime(stream), lengthMs);
    return static_cast<std::int32_t>(time * record->lengthBytes / lengthMs);
}

bool SoundEngine::FSOUND_Stream_SetPosition(StreamHandle stream, std::int32_t position) {
    StreamRecord* record = FindStream(stream);
    if (record == nullptr || !record->voice) {
        return false;
    }
    if (position < 0 || position > record->lengthBytes || record->lengthBytes == 0) {
        return Fail(kSoundErrorInvalidParam);
    }
    SeekVoice(*record->voice, position * record->voice->LengthMs() / record->lengthBytes);
    WakeForPlayback();
    return true;
}

std::int32_t SoundEngine::FSOUND_Stream_GetNumSubStreams(StreamHandle stream) {
    StreamRecord* record = FindStream(stream);
    return record != nullptr ? static_cast<std::int32_t>(record->subStreams.size()) : 0;
}

bool SoundEngine::FSOUND_Stream_SetSubStream(StreamHandle stream, std::int32_t index) {
    StreamRecord* record = FindStream(stream);
    if (record == nullptr) {
        return false;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= record->subStreams.size()) {
        return Fail(kSoundErrorInvalidParam);
    }
    return SelectCdTrack(*record, index);
}

bool SoundEngine::FSOUND_Stream_FindTagField(StreamHandle stream, std::int32_t type,
                                             const std::string& name, std::string& value) {
    StreamRecord* record = FindStream(stream);
    if (record == nullptr) {
        return false;
    }
    auto it = record->tags.find(name);
    if (type != kTagFieldLibrary || it == record->tags.end()) {
        return Fail(kSoundErrorInvalidParam);
    }
    value = it->second;
    return true;
}

} // namespace vantor::engine
