// Builds AIFF and AIFC files byte by byte: a COMM chunk with the rate as an
// 80-bit extended float, an SSND chunk with its offset, and extra chunks.
#pragma once

#include "ByteBuilder.h"

#include <string>

namespace vantor::test {

struct AiffSpec {
    std::uint16_t channels = 2;
    double sampleRate = 44100.0;
    std::uint16_t bitsPerSample = 16;
    // AIFC compression type ("NONE", "sowt", "fl32"); empty writes plain AIFF.
    std::string compression{};
    // Bytes between the SSND header and the first sample frame.
    std::uint32_t dataOffset = 0;
    Bytes data{};
    // Chunks placed before COMM (each built with AiffChunk).
    Bytes leading{};
};

// One big-endian chunk (PaddedChunk).
Bytes AiffChunk(std::string_view id, std::span<const std::uint8_t> body);
Bytes AiffFile(const AiffSpec& spec);

} // namespace vantor::test
