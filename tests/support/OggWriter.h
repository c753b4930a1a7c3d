// Builds the first pages of an Ogg Vorbis stream byte by byte: the 58-byte
// identification page, the comment header and a setup header start (on one
// page, or on as many as a long comment header needs), and optional further
// pages of filler data. Page checksums are not
// computed; the readers under test do not check them.
#pragma once

#include "ByteBuilder.h"

#include <string>
#include <vector>

namespace vantor::test {

struct VorbisStreamSpec {
    std::string vendor = "test vendor";
    std::vector<std::string> comments{};
    std::uint8_t channels = 2;
    std::uint32_t sampleRate = 44100;
    std::int32_t upperBitrate = 0;
    std::int32_t nominalBitrate = 128000;
    std::int32_t lowerBitrate = 0;
    std::uint32_t serial = 0x12345678;
    // Sizes of the data pages after the header pages (each up to 255 * 255).
    std::vector<std::size_t> dataPages{};
};

Bytes OggVorbisStream(const VorbisStreamSpec& spec);

} // namespace vantor::test
