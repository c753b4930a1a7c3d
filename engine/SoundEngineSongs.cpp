#include "engine/SoundEngine.h"

#include "engine/mix/DecodeWorker.h"
#include "engine/mix/Mixer.h"
#include "engine/music/SongLoader.h"
#include "engine/stream/SongSource.h"

#include <algorithm>
#include <cstdint>

namespace vantor::engine {

namespace {
// Song master volume runs to 256, channel volume to 255.
std::int32_t ChannelVolume(std::int32_t songVolume) {
    return (std::clamp(songVolume, 0, kMaxMasterVolume) * 255 + kMaxMasterVolume / 2) /
           kMaxMasterVolume;
}
} // namespace

SongRecord* SoundEngine::FindSong(SongHandle song) {
    auto it = m_songs.find(song);
    if (it == m_songs.end()) {
        Fail(kSoundErrorInvalidParam);
        return nullptr;
    }
    return it->second.get();
}

SongHandle SoundEngine::FMUSIC_LoadSong(const std::string& name) {
    if (!RequireInit()) {
        return 0;
    }
    SongLoadResult loaded = LoadSongFile(name, m_mixer->Rate());
    if (!loaded.song) {
        Fail(static_cast<std::int32_t>(loaded.error));
        return 0;
    }
    auto record = std::make_unique<SongRecord>();
    auto source = std::make_unique<SongSource>(std::move(loaded.song));
    record->source = source.get();
    record->voice = MakeVoice(std::move(source));
    SongHandle handle = NextHandle();
    m_songs[handle] = std::move(record);
    return handle;
}

bool SoundEngine::FMUSIC_PlaySong(SongHandle song) {
    SongRecord* record = FindSong(song);
    if (record == nullptr) {
        return false;
    }
    if (record->channel >= 0) {
        return true;
    }
    if (record->voice->Finished()) {
        SeekVoice(*record->voice, 0);
    }
    record->channel = m_mixer->Attach(record->voice.get(), record->paused);
    if (record->channel < 0) {
        return Fail(kSoundErrorChannelAlloc);
    }
    m_mixer->Channel(record->channel)->volume.store(ChannelVolume(record->masterVolume));
    WakeForPlayback();
    return true;
}

bool SoundEngine::FMUSIC_StopSong(SongHandle song) {
    SongRecord* record = FindSong(song);
    if (record == nullptr) {
        return false;
    }
    DetachChannel(record->channel);
    SeekVoice(*record->voice, 0);
    return true;
}

bool SoundEngine::FMUSIC_FreeSong(SongHandle song) {
    SongRecord* record = FindSong(song);
    if (record == nullptr) {
        return false;
    }
    ReleaseVoice(record->voice, record->channel);
    m_songs.erase(song);
    return true;
}

std::string SoundEngine::FMUSIC_GetName(SongHandle song) {
    SongRecord* record = FindSong(song);
    return record != nullptr ? record->source->Song().Name() : std::string();
}

std::int32_t SoundEngine::FMUSIC_GetType(SongHandle song) {
    SongRecord* record = FindSong(song);
    return record != nullptr ? static_cast<std::int32_t>(record->source->Song().Type())
                             : FMUSIC_TYPE_NONE;
}

bool SoundEngine::FMUSIC_IsFinished(SongHandle song) {
    SongRecord* record = FindSong(song);
    return record != nullptr && record->voice->Finished();
}

bool SoundEngine::FMUSIC_IsPlaying(SongHandle song) {
    SongRecord* record = FindSong(song);
    return record != nullptr && record->channel >= 0 && !record->voice->Finished();
}

std::int32_t SoundEngine::FMUSIC_GetOrder(SongHandle song) {
    SongRecord* record = FindSong(song);
    if (record == nullptr) {
        return 0;
    }
    return record->voice->WithSource([&](AudioSource&) { return record->source->Song().Order(); });
}

bool SoundEngine::FMUSIC_SetOrder(SongHandle song, std::int32_t order) {
    SongRecord* record = FindSong(song);
    if (record == nullptr) {
        return false;
    }
    if (order < 0 || order >= FMUSIC_GetNumOrders(song)) {
        return Fail(kSoundErrorInvalidParam);
    }
    record->voice->WithSource([&](AudioSource&) { record->source->RequestOrder(order); });
    SeekVoice(*record->voice, 0);
    WakeForPlayback();
    return true;
}

bool SoundEngine::FMUSIC_SetTime(SongHandle song, std::int32_t ms) {
    SongRecord* record = FindSong(song);
    if (record == nullptr) {
        return false;
    }
    if (ms < 0) {
        return Fail(kSoundErrorInvalidParam);
    }
    record->voice->WithSource([&](AudioSource&) { record->source->SeekByTime(); });
    SeekVoice(*record->voice, ms);
    WakeForPlayback();
    return true;
}

std::int32_t SoundEngine::FMUSIC_GetNumOrders(SongHandle song) {
    SongRecord* record = FindSong(song);
    if (record == nullptr) {
        return 0;
    }
    return record->voice->WithSource(
        [&](AudioSource&) { return record->source->Song().NumOrders(); });
}

std::int32_t SoundEngine::FMUSIC_GetTime(SongHandle song) {
    SongRecord* record = FindSong(song);
    return record != nullptr ? static_cast<std::int32_t>(record->voice->PositionMs()) : 0;
}

std::int32_t SoundEngine::FMUSIC_GetLengthMs(SongHandle song) {
    SongRecord* record = FindSong(song);
    if (record == nullptr) {
        return 0;
    }
    const std::int64_t length =
        record->voice->WithSource([&](AudioSource&) { return record->source->Song().LengthMs(); });
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(length, 0, INT32_MAX));
}

bool SoundEngine::FMUSIC_SetMasterVolume(SongHandle song, std::int32_t volume) {
    SongRecord* record = FindSong(song);
    if (record == nullptr) {
        return false;
    }
    // Applied at the channel, so a change is heard at once rather than after
    // the frames already decoded ahead.
    record->masterVolume = std::clamp(volume, 0, kMaxMasterVolume);
    if (record->channel >= 0) {
        m_mixer->Channel(record->channel)->volume.store(ChannelVolume(record->masterVolume));
    }
    return true;
}

bool SoundEngine::FMUSIC_SetPanSeperation(SongHandle song, float separation) {
    SongRecord* record = FindSong(song);
    if (record == nullptr) {
        return false;
    }
    record->voice->WithSource([&](AudioSource&) {
        record->source->Song().SetPanSeparation(std::clamp(separation, 0.0f, 1.0f));
    });
    return true;
}

bool SoundEngine::FMUSIC_SetPaused(SongHandle song, bool paused) {
    SongRecord* record = FindSong(song);
    if (record == nullptr) {
        return false;
    }
    record->paused = paused;
    if (record->channel >= 0) {
        m_mixer->Channel(record->channel)->paused.store(paused);
    }
    if (!paused) {
        WakeForPlayback();
    }
    return true;
}

bool SoundEngine::FMUSIC_GetPaused(SongHandle song) {
    SongRecord* record = FindSong(song);
    return record != nullptr && record->paused;
}

} // namespace vantor::engine
