// The sound library the player drives: decoding, mixing, output, spectrum and
// CD audio, as the FSOUND_/FMUSIC_ operations and their published constants.
// Handles are small integers owned by the library (0 = none); strings and
// arrays are returned by value. Every operation is called from the UI thread;
// only a DSP unit's callback runs on the library's mixing thread.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vantor {

using StreamHandle = std::int32_t;  // 0 = none
using SongHandle = std::int32_t;    // 0 = none
using DspUnitHandle = std::int32_t; // 0 = none

// Channels.
inline constexpr std::int32_t FSOUND_FREE = -1;
inline constexpr std::int32_t FSOUND_SYSTEMCHANNEL = -1000;

// Output types (the values the library publishes).
inline constexpr std::int32_t FSOUND_OUTPUT_WINMM = 1;
inline constexpr std::int32_t FSOUND_OUTPUT_DSOUND = 2;
inline constexpr std::int32_t FSOUND_OUTPUT_ASIO = 7;

// Mixer types: 0 lets the library choose; 5 is the floating-point mixer,
// whose DSP blocks hold floats on the 16-bit scale (±32768).
inline constexpr std::int32_t kMixerAutodetect = 0;
inline constexpr std::int32_t kMixerFloat = 5;

// FSOUND_Init flags.
inline constexpr std::uint32_t FSOUND_INIT_USEDEFAULTMIDISYNTH = 0x01;
inline constexpr std::uint32_t FSOUND_INIT_GLOBALFOCUS = 0x02;

// Stream open mode flags.
inline constexpr std::uint32_t FSOUND_16BITS = 0x10;
inline constexpr std::uint32_t FSOUND_MONO = 0x20;
inline constexpr std::uint32_t FSOUND_STEREO = 0x40;
inline constexpr std::uint32_t FSOUND_SIGNED = 0x100;
inline constexpr std::uint32_t FSOUND_2D = 0x2000;
inline constexpr std::uint32_t FSOUND_MPEGACCURATE = 0x20000;
inline constexpr std::uint32_t FSOUND_NORMAL = FSOUND_16BITS | FSOUND_SIGNED | FSOUND_MONO; // 0x130
inline constexpr std::uint32_t kStreamModeFile = FSOUND_2D | FSOUND_NORMAL; // 0x2130
inline constexpr std::uint32_t kStreamModeVbrFile =
    kStreamModeFile | FSOUND_MPEGACCURATE; // 0x22130
inline constexpr std::uint32_t kStreamModeCd =
    FSOUND_2D | FSOUND_16BITS | FSOUND_STEREO | FSOUND_SIGNED; // 0x2150

// Song types reported by FMUSIC_GetType.
inline constexpr std::int32_t FMUSIC_TYPE_NONE = 0;
inline constexpr std::int32_t FMUSIC_TYPE_MOD = 1;
inline constexpr std::int32_t FMUSIC_TYPE_S3M = 2;
inline constexpr std::int32_t FMUSIC_TYPE_XM = 3;
inline constexpr std::int32_t FMUSIC_TYPE_IT = 4;
inline constexpr std::int32_t FMUSIC_TYPE_MIDI = 5;

// Tag field type of the library's own fields (such as "CD_DEVICE_INFO").
inline constexpr std::int32_t kTagFieldLibrary = 6;

// Values returned by FSOUND_DSP_GetSpectrum.
inline constexpr std::size_t kSpectrumSize = 512;
using Spectrum = std::array<float, kSpectrumSize>;

// The codes FSOUND_GetError returns; their texts are SoundErrorText's.
enum SoundErrorCode : std::int32_t {
    kSoundErrorNone = 0,
    kSoundErrorBusy = 1,
    kSoundErrorUninitialized = 2,
    kSoundErrorInit = 3,
    kSoundErrorAllocated = 4,
    kSoundErrorPlay = 5,
    kSoundErrorOutputFormat = 6,
    kSoundErrorCooperativeLevel = 7,
    kSoundErrorCreateBuffer = 8,
    kSoundErrorFileNotFound = 9,
    kSoundErrorFileFormat = 10,
    kSoundErrorFileBad = 11,
    kSoundErrorMemory = 12,
    kSoundErrorVersion = 13,
    kSoundErrorInvalidParam = 14,
    kSoundErrorNoEax = 15,
    kSoundErrorChannelAlloc = 16,
    kSoundErrorRecord = 17,
    kSoundErrorMediaPlayer = 18,
    kSoundErrorCdDevice = 19,
};

// A DSP unit's callback, run on the mixing thread once per mixed block:
// `sourceBuffer` is the mix before any unit, `newBuffer` the block as the
// units before this one left it (interleaved stereo floats, `length` frames).
// It returns the block the next unit gets (usually `newBuffer`). The buffers
// are valid only during the call; it must not allocate, lock or block.
using DspCallback = float* (*)(float* sourceBuffer, float* newBuffer, std::int32_t length,
                               void* userValue);

class SoundLibrary {
public:
    virtual ~SoundLibrary() = default;

    // System.
    virtual bool FSOUND_SetOutput(std::int32_t outputType) = 0;
    virtual bool FSOUND_SetDriver(std::int32_t driver) = 0;
    virtual bool FSOUND_SetMixer(std::int32_t mixer) = 0;
    virtual bool FSOUND_Stream_SetBufferSize(std::int32_t milliseconds) = 0;
    virtual bool FSOUND_Init(std::int32_t mixRate, std::int32_t maxSoftwareChannels,
                             std::uint32_t flags) = 0;
    virtual void FSOUND_Close() = 0;
    virtual std::int32_t FSOUND_GetError() = 0;
    virtual float FSOUND_GetVersion() = 0;

    // Queries.
    virtual std::int32_t FSOUND_GetNumDrivers() = 0;
    // The name of driver `driver` (counted from 0) of the current output; empty when none.
    virtual std::string FSOUND_GetDriverName(std::int32_t driver) = 0;
    virtual std::int32_t FSOUND_GetDriver() = 0;
    virtual std::int32_t FSOUND_GetOutput() = 0;
    virtual std::int32_t FSOUND_GetMixer() = 0;
    virtual std::int32_t FSOUND_GetOutputRate() = 0;
    virtual std::int32_t FSOUND_GetChannelsPlaying() = 0;

    // Channels: a channel from FSOUND_Stream_PlayEx, or FSOUND_SYSTEMCHANNEL
    // for the mixer's own output (frequency and pan). Volume 0..255, pan
    // 0 (left) .. 128 (centre) .. 255 (right), frequency in Hz.
    virtual bool FSOUND_SetVolume(std::int32_t channel, std::int32_t volume) = 0;
    virtual bool FSOUND_SetPan(std::int32_t channel, std::int32_t pan) = 0;
    // A stream channel's loudness correction (a factor, 1 = as decoded),
    // applied on top of its volume; a channel starts at 1.
    virtual bool SetChannelGain(std::int32_t channel, float gain) = 0;
    virtual bool FSOUND_SetPaused(std::int32_t channel, bool paused) = 0;
    virtual bool FSOUND_GetPaused(std::int32_t channel) = 0;
    virtual bool FSOUND_SetFrequency(std::int32_t channel, std::int32_t frequency) = 0;
    virtual std::int32_t FSOUND_GetFrequency(std::int32_t channel) = 0;
    virtual bool FSOUND_IsPlaying(std::int32_t channel) = 0;

    // Streams. `offset` and `length` select a byte range of the file (both 0:
    // the whole file). Lengths and positions are bytes of that range, times
    // milliseconds. Open returns 0 on failure (see FSOUND_GetError).
    virtual StreamHandle FSOUND_Stream_Open(const std::string& name, std::uint32_t mode,
                                            std::int32_t offset, std::int32_t length) = 0;
    // Returns the channel, or -1 on failure.
    virtual std::int32_t FSOUND_Stream_PlayEx(std::int32_t channel, StreamHandle stream,
                                              DspUnitHandle dsp, bool startPaused) = 0;
    virtual bool FSOUND_Stream_Stop(StreamHandle stream) = 0;
    virtual bool FSOUND_Stream_Close(StreamHandle stream) = 0;
    virtual std::int32_t FSOUND_Stream_GetLength(StreamHandle stream) = 0;
    virtual std::int32_t FSOUND_Stream_GetLengthMs(StreamHandle stream) = 0;
    virtual std::int32_t FSOUND_Stream_GetPosition(StreamHandle stream) = 0;
    virtual bool FSOUND_Stream_SetPosition(StreamHandle stream, std::int32_t position) = 0;
    virtual std::int32_t FSOUND_Stream_GetTime(StreamHandle stream) = 0;
    virtual bool FSOUND_Stream_SetSubStream(StreamHandle stream, std::int32_t index) = 0;
    virtual std::int32_t FSOUND_Stream_GetNumSubStreams(StreamHandle stream) = 0;
    // Finds the tag field `name` of type `type`; its value goes to `value`.
    virtual bool FSOUND_Stream_FindTagField(StreamHandle stream, std::int32_t type,
                                            const std::string& name, std::string& value) = 0;

    // Music (tracker modules and MIDI files). Positions are order numbers;
    // master volume 0..256; pan separation 0..1.
    virtual SongHandle FMUSIC_LoadSong(const std::string& name) = 0;
    virtual bool FMUSIC_PlaySong(SongHandle song) = 0;
    virtual bool FMUSIC_StopSong(SongHandle song) = 0;
    virtual bool FMUSIC_FreeSong(SongHandle song) = 0;
    virtual std::string FMUSIC_GetName(SongHandle song) = 0;
    virtual std::int32_t FMUSIC_GetType(SongHandle song) = 0;
    virtual bool FMUSIC_IsFinished(SongHandle song) = 0;
    virtual bool FMUSIC_IsPlaying(SongHandle song) = 0;
    virtual std::int32_t FMUSIC_GetOrder(SongHandle song) = 0;
    virtual bool FMUSIC_SetOrder(SongHandle song, std::int32_t order) = 0;
    virtual std::int32_t FMUSIC_GetNumOrders(SongHandle song) = 0;
    virtual std::int32_t FMUSIC_GetTime(SongHandle song) = 0;
    // The whole length of the song in milliseconds; 0 when the library
    // cannot tell.
    virtual std::int32_t FMUSIC_GetLengthMs(SongHandle song) = 0;
    // Moves the song to `ms` from its start, where the length is known.
    virtual bool FMUSIC_SetTime(SongHandle song, std::int32_t ms) = 0;
    virtual bool FMUSIC_SetMasterVolume(SongHandle song, std::int32_t volume) = 0;
    virtual bool FMUSIC_SetPanSeperation(SongHandle song, float separation) = 0;
    virtual bool FMUSIC_SetPaused(SongHandle song, bool paused) = 0;
    virtual bool FMUSIC_GetPaused(SongHandle song) = 0;

    // DSP units, run in ascending priority on every mixed block.
    virtual DspUnitHandle FSOUND_DSP_Create(DspCallback callback, std::int32_t priority,
                                            void* userValue) = 0;
    virtual void FSOUND_DSP_Free(DspUnitHandle unit) = 0;
    virtual void FSOUND_DSP_SetActive(DspUnitHandle unit, bool active) = 0;
    virtual bool FSOUND_DSP_GetActive(DspUnitHandle unit) = 0;
    virtual DspUnitHandle FSOUND_DSP_GetFFTUnit() = 0;
    // The newest spectrum: 512 magnitudes from 0 to 1, lowest frequency first.
    virtual Spectrum FSOUND_DSP_GetSpectrum() = 0;
    // Frames in one mixed block, and in the whole output buffer.
    virtual std::int32_t FSOUND_DSP_GetBufferLength() = 0;
    virtual std::int32_t FSOUND_DSP_GetBufferLengthTotal() = 0;

    // CD audio; `drive` is the drive letter.
    virtual bool FSOUND_CD_Play(char drive, std::int32_t track) = 0;
    virtual bool FSOUND_CD_Stop(char drive) = 0;
    virtual bool FSOUND_CD_SetPaused(char drive, bool paused) = 0;
    virtual bool FSOUND_CD_GetPaused(char drive) = 0;
    virtual bool FSOUND_CD_SetVolume(char drive, std::int32_t volume) = 0;
    virtual std::int32_t FSOUND_CD_GetTrackLength(char drive, std::int32_t track) = 0;
    virtual bool FSOUND_CD_Eject(char drive) = 0;
};

} // namespace vantor
