// The sound library on real decoders: FFmpeg streams, tracker and MIDI songs,
// CD tracks, a float mixer with DSP units and an SDL, null or WAV output.
// Every SoundLibrary operation is called from one thread at a time (the UI
// thread); mixing and decoding run on the engine's own threads.
#pragma once

#include "engine/EngineOptions.h"
#include "engine/StreamRecord.h"
#include "sound/SoundLibrary.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vantor::engine {

class AudioOutput;
class DecodeWorker;
class FftUnit;
class Mixer;
struct ChannelState;

class SoundEngine : public SoundLibrary {
public:
    explicit SoundEngine(EngineOptions options = {});
    ~SoundEngine() override;
    SoundEngine(const SoundEngine&) = delete;
    SoundEngine& operator=(const SoundEngine&) = delete;

    // Pull output only: mixes `frames` stereo frames (±1 scale) into `out`.
    void Render(float* out, std::size_t frames);
    // Blocks the mixer ran dry since FSOUND_Init.
    std::uint64_t Underruns() const;

    bool FSOUND_SetOutput(std::int32_t outputType) override;
    bool FSOUND_SetDriver(std::int32_t driver) override;
    bool FSOUND_SetMixer(std::int32_t mixer) override;
    bool FSOUND_Stream_SetBufferSize(std::int32_t milliseconds) override;
    bool FSOUND_Init(std::int32_t mixRate, std::int32_t maxSoftwareChannels,
                     std::uint32_t flags) override;
    void FSOUND_Close() override;
    std::int32_t FSOUND_GetError() override { return m_error; }
    float FSOUND_GetVersion() override;

    std::int32_t FSOUND_GetNumDrivers() override;
    std::string FSOUND_GetDriverName(std::int32_t driver) override;
    std::int32_t FSOUND_GetDriver() override { return m_driver; }
    std::int32_t FSOUND_GetOutput() override { return m_outputType; }
    std::int32_t FSOUND_GetMixer() override;
    std::int32_t FSOUND_GetOutputRate() override;
    std::int32_t FSOUND_GetChannelsPlaying() override;

    bool FSOUND_SetVolume(std::int32_t channel, std::int32_t volume) override;
    bool SetChannelGain(std::int32_t channel, float gain) override;
    bool FSOUND_SetPan(std::int32_t channel, std::int32_t pan) override;
    bool FSOUND_SetPaused(std::int32_t channel, bool paused) override;
    bool FSOUND_GetPaused(std::int32_t channel) override;
    bool FSOUND_SetFrequency(std::int32_t channel, std::int32_t frequency) override;
    std::int32_t FSOUND_GetFrequency(std::int32_t channel) override;
    bool FSOUND_IsPlaying(std::int32_t channel) override;

    StreamHandle FSOUND_Stream_Open(const std::string& name, std::uint32_t mode,
                                    std::int32_t offset, std::int32_t length) override;
    std::int32_t FSOUND_Stream_PlayEx(std::int32_t channel, StreamHandle stream, DspUnitHandle dsp,
                                      bool startPaused) override;
    bool FSOUND_Stream_Stop(StreamHandle stream) override;
    bool FSOUND_Stream_Close(StreamHandle stream) override;
    std::int32_t FSOUND_Stream_GetLength(StreamHandle stream) override;
    std::int32_t FSOUND_Stream_GetLengthMs(StreamHandle stream) override;
    std::int32_t FSOUND_Stream_GetPosition(StreamHandle stream) override;
    bool FSOUND_Stream_SetPosition(StreamHandle stream, std::int32_t position) override;
    std::int32_t FSOUND_Stream_GetTime(StreamHandle stream) override;
    bool FSOUND_Stream_SetSubStream(StreamHandle stream, std::int32_t index) override;
    std::int32_t FSOUND_Stream_GetNumSubStreams(StreamHandle stream) override;
    bool FSOUND_Stream_FindTagField(StreamHandle stream, std::int32_t type, const std::string& name,
                                    std::string& value) override;

    SongHandle FMUSIC_LoadSong(const std::string& name) override;
    bool FMUSIC_PlaySong(SongHandle song) override;
    bool FMUSIC_StopSong(SongHandle song) override;
    bool FMUSIC_FreeSong(SongHandle song) override;
    std::string FMUSIC_GetName(SongHandle song) override;
    std::int32_t FMUSIC_GetType(SongHandle song) override;
    bool FMUSIC_IsFinished(SongHandle song) override;
    bool FMUSIC_IsPlaying(SongHandle song) override;
    std::int32_t FMUSIC_GetOrder(SongHandle song) override;
    bool FMUSIC_SetOrder(SongHandle song, std::int32_t order) override;
    std::int32_t FMUSIC_GetNumOrders(SongHandle song) override;
    std::int32_t FMUSIC_GetTime(SongHandle song) override;
    std::int32_t FMUSIC_GetLengthMs(SongHandle song) override;
    bool FMUSIC_SetTime(SongHandle song, std::int32_t ms) override;
    bool FMUSIC_SetMasterVolume(SongHandle song, std::int32_t volume) override;
    bool FMUSIC_SetPanSeperation(SongHandle song, float separation) override;
    bool FMUSIC_SetPaused(SongHandle song, bool paused) override;
    bool FMUSIC_GetPaused(SongHandle song) override;

    DspUnitHandle FSOUND_DSP_Create(DspCallback callback, std::int32_t priority,
                                    void* userValue) override;
    void FSOUND_DSP_Free(DspUnitHandle unit) override;
    void FSOUND_DSP_SetActive(DspUnitHandle unit, bool active) override;
    bool FSOUND_DSP_GetActive(DspUnitHandle unit) override;
    DspUnitHandle FSOUND_DSP_GetFFTUnit() override { return m_fftUnit; }
    Spectrum FSOUND_DSP_GetSpectrum() override;
    std::int32_t FSOUND_DSP_GetBufferLength() override;
    std::int32_t FSOUND_DSP_GetBufferLengthTotal() override;

    bool FSOUND_CD_Play(char drive, std::int32_t track) override;
    bool FSOUND_CD_Stop(char drive) override;
    bool FSOUND_CD_SetPaused(char drive, bool paused) override;
    bool FSOUND_CD_GetPaused(char drive) override;
    bool FSOUND_CD_SetVolume(char drive, std::int32_t volume) override;
    std::int32_t FSOUND_CD_GetTrackLength(char drive, std::int32_t track) override;
    bool FSOUND_CD_Eject(char drive) override;

private:
    bool Fail(std::int32_t error);
    bool RequireInit();
    std::unique_ptr<AudioOutput> MakeOutput();
    std::vector<std::string> DriverNames();
    std::unique_ptr<Voice> MakeVoice(std::unique_ptr<AudioSource> source);
    void ReleaseVoice(std::unique_ptr<Voice>& voice, int& channel);
    void DetachChannel(int& channel);
    // Asks the voice's producer to continue from `ms` and wakes the worker
    // so that the ring is refilled before the voice next plays.
    void SeekVoice(Voice& voice, std::int64_t ms);
    // The decode worker sleeps while no ring drains: anything that may
    // change how fast one drains (a start, a seek, the end of a pause, a new
    // frequency) wakes it.
    void WakeDecoder();
    // Something may sound again (a start, a seek, the end of a pause): the
    // decoder and an output that let its device go while idle take up their
    // work again.
    void WakeForPlayback();
    StreamRecord* FindStream(StreamHandle stream);
    SongRecord* FindSong(SongHandle song);
    ChannelState* FindChannel(std::int32_t channel);
    static bool IsCdName(const std::string& name);
    StreamHandle OpenCdStream(const std::string& name);
    bool SelectCdTrack(StreamRecord& record, int index);
    std::int32_t NextHandle() { return m_nextHandle++; }

    EngineOptions m_options;
    std::int32_t m_error = 0;
    std::int32_t m_outputType = FSOUND_OUTPUT_WINMM;
    std::int32_t m_driver = 0;
    std::int32_t m_mixerType = kMixerAutodetect;
    std::int32_t m_bufferMs = 200;
    bool m_sdlReady = false; // SDL audio is initialised for m_sdlOutputType
    std::int32_t m_sdlOutputType = 0;
    std::unique_ptr<Mixer> m_mixer;
    std::unique_ptr<AudioOutput> m_output;
    std::unique_ptr<DecodeWorker> m_worker;
    std::unique_ptr<FftUnit> m_fft;
    DspUnitHandle m_fftUnit = 0;
    std::map<StreamHandle, std::unique_ptr<StreamRecord>> m_streams;
    std::map<SongHandle, std::unique_ptr<SongRecord>> m_songs;
    std::map<char, StreamHandle> m_cdPlayback; // FSOUND_CD_Play's streams by drive
    std::int32_t m_nextHandle = 1;
};

} // namespace vantor::engine
