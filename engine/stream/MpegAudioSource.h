// An MPEG audio stream (Layer I, II or III) decoded by libmpg123 from a file
// range, as float stereo at its own rate; far lighter to load than FFmpeg.
// Created on the UI thread; afterwards used by one thread at a time.
#pragma once

#include "engine/stream/NativeRateSource.h"

#include <memory>

struct mpg123_handle_struct;

namespace vantor::engine {

class MpegAudioSource : public NativeRateSource {
public:
    // Opens the range as MPEG audio. Null when libmpg123 finds no stream it
    // can decode there; the range is then left with the caller.
    static std::unique_ptr<MpegAudioSource> Open(std::unique_ptr<FileRange>& range);
    ~MpegAudioSource() override;
    MpegAudioSource(const MpegAudioSource&) = delete;
    MpegAudioSource& operator=(const MpegAudioSource&) = delete;

    std::size_t Read(float* stereo, std::size_t frames) override;
    std::int64_t SeekMs(std::int64_t ms) override;

private:
    struct DecoderDeleter {
        void operator()(mpg123_handle_struct* decoder) const;
    };
    using Decoder = std::unique_ptr<mpg123_handle_struct, DecoderDeleter>;

    MpegAudioSource(Decoder decoder, std::unique_ptr<FileRange> range, int rate,
                    std::int64_t lengthMs);

    Decoder m_decoder;
    bool m_ended = false;
};

} // namespace vantor::engine
