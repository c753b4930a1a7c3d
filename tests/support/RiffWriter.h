// Builds RIFF files: WAVE with a PCM or MP3 format chunk, RMP3, INFO lists
// and an IID3 chunk holding an ID3v1 block.
#pragma once

#include "ByteBuilder.h"

#include <string>
#include <utility>
#include <vector>

namespace vantor::test {

using InfoChunks = std::vector<std::pair<std::string, std::string>>;

// One little-endian chunk (PaddedChunk).
Bytes RiffChunk(std::string_view id, std::span<const std::uint8_t> body);
// "LIST" ... "INFO" with one NUL-terminated text chunk per pair.
Bytes InfoList(const InfoChunks& chunks);

struct WaveSpec {
    std::uint16_t formatTag = 1;
    std::uint16_t channels = 2;
    std::uint32_t sampleRate = 44100;
    std::uint16_t bitsPerSample = 16;
    Bytes data{};
    // Chunks after the data chunk (INFO lists, IID3).
    Bytes trailing{};
};

Bytes RiffWave(const WaveSpec& spec);
Bytes RiffRmp3(std::span<const std::uint8_t> mpegData, std::span<const std::uint8_t> trailing);

} // namespace vantor::test
