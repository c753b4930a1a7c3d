// A stream decoded by FFmpeg from a file range and converted to float stereo
// at the mixer's rate: WMA/ASF, and whatever the lighter decoders decline.
// Created on the UI thread; afterwards used by one thread at a time
// (AudioSource).
#pragma once

#include "engine/stream/AudioSource.h"
#include "engine/stream/ByteRangeIo.h"

#include <cstdint>
#include <memory>
#include <vector>

struct AVFormatContext;
struct AVCodecContext;
struct AVPacket;
struct AVFrame;
struct SwrContext;

namespace vantor::engine {

struct FfmpegApi;

class FfmpegSource : public AudioSource {
public:
    // Opens and checks the stream, loading FFmpeg the first time. On failure
    // returns null and sets `error` to 3 (FFmpeg cannot be loaded), 10 (not a
    // supported format) or 11 (unreadable).
    static std::unique_ptr<FfmpegSource> Open(std::unique_ptr<FileRange> range, int outputRate,
                                              int& error);
    ~FfmpegSource() override;

    int SampleRate() const override { return m_outputRate; }
    int NativeRate() const override { return m_nativeRate; }
    std::size_t Read(float* stereo, std::size_t frames) override;
    std::int64_t SeekMs(std::int64_t ms) override;
    std::int64_t LengthMs() const override { return m_lengthMs; }

private:
    FfmpegSource(const FfmpegApi& ff, std::unique_ptr<ByteRangeIo> io, int outputRate);
    int OpenContainer();
    int OpenDecoder();
    // Decodes the next packet's frames into m_pending; false at the end.
    bool DecodeMore();
    void Convert(AVFrame* frame);
    // Makes m_swr for the frame's layout, with the SoX engine or FFmpeg's own.
    bool OpenConverter(AVFrame& frame, bool soxEngine);
    std::int64_t ComputeLengthMs() const;

    const FfmpegApi& m_ff;
    std::unique_ptr<ByteRangeIo> m_io;
    int m_outputRate;
    int m_nativeRate = 0;
    std::int64_t m_lengthMs = 0;
    AVFormatContext* m_format = nullptr;
    AVCodecContext* m_codec = nullptr;
    AVPacket* m_packet = nullptr;
    AVFrame* m_frame = nullptr;
    SwrContext* m_swr = nullptr;
    // The input the resampler was built for; a frame that differs rebuilds it.
    int m_swrFormat = -1;
    int m_swrRate = 0;
    int m_swrChannels = 0;
    int m_streamIndex = -1;
    bool m_draining = false;
    std::vector<float> m_pending;  // converted frames not yet read
    std::size_t m_pendingRead = 0; // floats of m_pending already handed out
    std::int64_t m_dropFrames = 0; // frames to skip after a seek landed early
    std::int64_t m_seekTargetMs = -1;
};

} // namespace vantor::engine
