// Builds the header of an ASF (Windows Media) file byte by byte: file and
// stream properties, content description, extended attributes, codec list.
#pragma once

#include "ByteBuilder.h"

#include <string>
#include <vector>

namespace vantor::test {

struct AsfAttribute {
    std::string name{};
    // 0 string (value is Latin-1 text written as UTF-16LE), 3 DWORD, 4 QWORD, 5 WORD.
    std::uint16_t type = 0;
    std::string text{};
    std::uint64_t number = 0;
};

struct AsfSpec {
    std::string title{};
    std::string author{};
    std::string copyright{};
    std::string description{};
    std::vector<AsfAttribute> attributes{};
    std::uint16_t channels = 2;
    std::uint32_t sampleRate = 44100;
    std::uint32_t avgBytesPerSec = 16000;
    std::uint32_t maxBitrate = 128000;
    std::string codecName = "Windows Media Audio V2";
};

Bytes AsfHeader(const AsfSpec& spec);

} // namespace vantor::test
