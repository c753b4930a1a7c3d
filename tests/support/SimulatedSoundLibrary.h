// A recording sound library that also keeps time: streams and songs have
// lengths, advance with the test's clock while started, and end. Tests of
// the playback tick move the clock and read back when each track sounded.
// Single-threaded tests only.
#pragma once

#include "support/FakeSoundLibrary.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vantor::test {

// A file the simulated library can open: a stream, or a song (module).
struct SimulatedMedia {
    std::int32_t lengthMs = 0;
    bool isSong = false;
    // Bytes of the stream; positions grow with the time played.
    std::int32_t lengthBytes = 100000;
    // Sub-stream lengths of a CD drive, by track index.
    std::vector<std::int32_t> tracksMs;

    static SimulatedMedia Stream(std::int32_t ms) {
        SimulatedMedia media;
        media.lengthMs = ms;
        return media;
    }
    static SimulatedMedia Song(std::int32_t ms) {
        SimulatedMedia media = Stream(ms);
        media.isSong = true;
        return media;
    }
};

// One stretch of sound: which file, when it started and when it fell silent.
struct SoundedSpan {
    std::string name;
    std::int64_t startMs = 0;
    std::int64_t endMs = 0;
};

class SimulatedSoundLibrary : public FakeSoundLibrary {
public:
    explicit SimulatedSoundLibrary(CallRecorder& recorder) : FakeSoundLibrary(recorder) {}

    std::map<std::string, SimulatedMedia> media;
    std::int64_t nowMs = 0;
    // The channel number the next started stream gets.
    std::int32_t nextChannel = 1;

    // Every sound so far, closed at the time it ended or was stopped.
    std::vector<SoundedSpan> Spans() const {
        std::vector<SoundedSpan> spans = m_finished;
        for (const auto& [handle, voice] : m_voices) {
            if (voice.startedAt)
                spans.push_back({voice.name, *voice.startedAt, EndOf(voice)});
        }
        std::sort(spans.begin(), spans.end(),
                  [](const SoundedSpan& a, const SoundedSpan& b) { return a.startMs < b.startMs; });
        return spans;
    }
    // Names of the handles that are open now.
    int OpenCount() const { return static_cast<int>(m_voices.size()); }

    StreamHandle FSOUND_Stream_Open(const std::string& name, std::uint32_t mode,
                                    std::int32_t offset, std::int32_t length) override {
        const StreamHandle handle =
            FakeSoundLibrary::FSOUND_Stream_Open(name, mode, offset, length);
        const auto it = media.find(name);
        if (handle == 0 || it == media.end() || it->second.isSong)
            return 0;
        m_voices[handle] = MakeVoice(name, it->second.lengthMs, it->second.lengthBytes);
        return handle;
    }
    bool FSOUND_Stream_SetSubStream(StreamHandle s, std::int32_t index) override {
        FakeSoundLibrary::FSOUND_Stream_SetSubStream(s, index);
        auto voice = m_voices.find(s);
        if (voice == m_voices.end())
            return false;
        const auto& tracks = media[voice->second.name].tracksMs;
        if (index < 0 || index >= static_cast<std::int32_t>(tracks.size()))
            return false;
        voice->second.lengthMs = tracks[static_cast<std::size_t>(index)];
        voice->second.name += "#" + std::to_string(index);
        return true;
    }
    std::int32_t FSOUND_Stream_PlayEx(std::int32_t c, StreamHandle s, DspUnitHandle d,
                                      bool paused) override {
        // A scripted failure (-1) wins.
        const std::int32_t scripted = FakeSoundLibrary::FSOUND_Stream_PlayEx(c, s, d, paused);
        auto voice = m_voices.find(s);
        if (scripted < 0 || voice == m_voices.end())
            return -1;
        Start(voice->second);
        return nextChannel++;
    }
    bool FSOUND_Stream_Stop(StreamHandle s) override {
        FakeSoundLibrary::FSOUND_Stream_Stop(s);
        Silence(s);
        return true;
    }
    bool FSOUND_Stream_Close(StreamHandle s) override {
        FakeSoundLibrary::FSOUND_Stream_Close(s);
        Silence(s);
        return m_voices.erase(s) == 1;
    }
    std::int32_t FSOUND_Stream_GetLengthMs(StreamHandle s) override {
        FakeSoundLibrary::FSOUND_Stream_GetLengthMs(s);
        const auto voice = m_voices.find(s);
        return voice == m_voices.end() ? 0 : voice->second.lengthMs;
    }
    std::int32_t FSOUND_Stream_GetTime(StreamHandle s) override {
        FakeSoundLibrary::FSOUND_Stream_GetTime(s);
        const auto voice = m_voices.find(s);
        return voice == m_voices.end() ? 0 : Played(voice->second);
    }
    std::int32_t FSOUND_Stream_GetLength(StreamHandle s) override {
        FakeSoundLibrary::FSOUND_Stream_GetLength(s);
        const auto voice = m_voices.find(s);
        return voice == m_voices.end() ? 0 : voice->second.lengthBytes;
    }
    std::int32_t FSOUND_Stream_GetPosition(StreamHandle s) override {
        FakeSoundLibrary::FSOUND_Stream_GetPosition(s);
        const auto voice = m_voices.find(s);
        if (voice == m_voices.end() || voice->second.lengthMs == 0)
            return 0;
        const Voice& v = voice->second;
        return static_cast<std::int32_t>(static_cast<std::int64_t>(Played(v)) * v.lengthBytes /
                                         v.lengthMs);
    }
    bool FSOUND_SetPaused(std::int32_t c, bool p) override {
        FakeSoundLibrary::FSOUND_SetPaused(c, p);
        for (auto& [handle, voice] : m_voices) {
            if (voice.channel == c)
                Pause(voice, p);
        }
        return true;
    }

    SongHandle FMUSIC_LoadSong(const std::string& name) override {
        const SongHandle handle = FakeSoundLibrary::FMUSIC_LoadSong(name);
        const auto it = media.find(name);
        if (handle == 0 || it == media.end() || !it->second.isSong)
            return 0;
        m_voices[handle] = MakeVoice(name, it->second.lengthMs, 0);
        return handle;
    }
    bool FMUSIC_PlaySong(SongHandle s) override {
        const bool scripted = FakeSoundLibrary::FMUSIC_PlaySong(s);
        auto voice = m_voices.find(s);
        if (!scripted || voice == m_voices.end())
            return false;
        Start(voice->second);
        return true;
    }
    bool FMUSIC_StopSong(SongHandle s) override {
        FakeSoundLibrary::FMUSIC_StopSong(s);
        Silence(s);
        return true;
    }
    bool FMUSIC_FreeSong(SongHandle s) override {
        FakeSoundLibrary::FMUSIC_FreeSong(s);
        Silence(s);
        return m_voices.erase(s) == 1;
    }
    bool FMUSIC_IsFinished(SongHandle s) override {
        FakeSoundLibrary::FMUSIC_IsFinished(s);
        const auto voice = m_voices.find(s);
        return voice != m_voices.end() && voice->second.startedAt &&
               Played(voice->second) >= voice->second.lengthMs;
    }
    std::int32_t FMUSIC_GetTime(SongHandle s) override {
        FakeSoundLibrary::FMUSIC_GetTime(s);
        const auto voice = m_voices.find(s);
        return voice == m_voices.end() ? 0 : Played(voice->second);
    }
    bool FMUSIC_SetPaused(SongHandle s, bool p) override {
        FakeSoundLibrary::FMUSIC_SetPaused(s, p);
        auto voice = m_voices.find(s);
        if (voice != m_voices.end())
            Pause(voice->second, p);
        return true;
    }

private:
    struct Voice {
        std::string name;
        std::int32_t lengthMs = 0;
        std::int32_t lengthBytes = 0;
        std::optional<std::int64_t> startedAt;
        std::optional<std::int64_t> pausedAt;
        std::int64_t pausedFor = 0;
        std::int32_t channel = 0;
    };

    static Voice MakeVoice(const std::string& name, std::int32_t lengthMs, std::int32_t bytes) {
        Voice voice;
        voice.name = name;
        voice.lengthMs = lengthMs;
        voice.lengthBytes = bytes;
        return voice;
    }
    void Start(Voice& voice) {
        voice.startedAt = nowMs;
        voice.pausedAt.reset();
        voice.pausedFor = 0;
        voice.channel = nextChannel;
    }
    void Pause(Voice& voice, bool paused) {
        if (paused && !voice.pausedAt)
            voice.pausedAt = nowMs;
        if (!paused && voice.pausedAt) {
            voice.pausedFor += nowMs - *voice.pausedAt;
            voice.pausedAt.reset();
        }
    }
    // Milliseconds played: the time stays at the length once the end is reached.
    std::int32_t Played(const Voice& voice) const {
        if (!voice.startedAt)
            return 0;
        const std::int64_t until = voice.pausedAt ? *voice.pausedAt : nowMs;
        const std::int64_t played = until - *voice.startedAt - voice.pausedFor;
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(played, 0, voice.lengthMs));
    }
    std::int64_t EndOf(const Voice& voice) const {
        return std::min(nowMs, *voice.startedAt + voice.pausedFor + voice.lengthMs);
    }
    void Silence(std::int32_t handle) {
        auto voice = m_voices.find(handle);
        if (voice == m_voices.end() || !voice->second.startedAt)
            return;
        m_finished.push_back({voice->second.name, *voice->second.startedAt, EndOf(voice->second)});
        voice->second.startedAt.reset();
    }

    std::map<std::int32_t, Voice> m_voices;
    std::vector<SoundedSpan> m_finished;
};

} // namespace vantor::test
