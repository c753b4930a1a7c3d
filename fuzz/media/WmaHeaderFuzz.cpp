// Reads arbitrary bytes as an ASF header.
#include "media/WmaHeader.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vantor::ReadWmaHeader(std::span<const std::uint8_t>(data, size));
    return 0;
}
