// What only a format's own reader knows of its stream: the codec, the stored
// sample width, and the rate, channels, bit rate and length. Plain values;
// any thread.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

struct TaggedStream {
    // "FLAC", "Opus", "Vorbis", "AAC", "ALAC", "WavPack"; empty for others.
    std::string Codec{};
    // The stored sample width of a lossless codec; 0 for lossy ones.
    std::int32_t BitsPerSample = 0;
    std::int32_t SampleRate = 0;
    std::int32_t Channels = 0;
    std::int32_t BitrateKbps = 0;
    std::int64_t LengthMs = 0;
};

} // namespace vantor
