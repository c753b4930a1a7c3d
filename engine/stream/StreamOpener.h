// Picks the decoder for a stream from its first bytes: libmpg123 for MPEG
// audio, libvorbisfile for Ogg Vorbis, its own reader for PCM WAV and AIFF,
// FFmpeg for the rest and for whatever those decline, so that FFmpeg's heavy
// libraries load only when needed.
// Called on the UI thread; the caller owns the source.
#pragma once

#include "engine/stream/AudioSource.h"
#include "engine/stream/FileRange.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vantor::engine {

enum class StreamKind { MpegAudio, OggVorbis, Pcm, Other };

// What a file range's first bytes say it holds (an MPEG frame must follow
// an ID3v2 tag at once); the range is rewound afterwards.
StreamKind SniffStreamKind(FileRange& range);

struct OpenedStream {
    std::unique_ptr<AudioSource> source;
    std::int64_t lengthBytes = 0; // of the file range
};

// Opens `length` bytes of `path` from `offset` (0: up to the end). On
// failure the source is null and `error` holds the sound library's code.
OpenedStream OpenStreamSource(const std::string& path, std::int64_t offset, std::int64_t length,
                              int outputRate, int& error);

} // namespace vantor::engine
