// Reads arbitrary bytes as the INFO chunks after a data chunk whose size and
// start come from the first eight bytes.
#include "media/RiffInfo.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8)
        return 0;
    const std::span<const std::uint8_t> bytes(data, size);
    const std::uint32_t dataSize = vantor::FourCcAt(bytes, 0);
    const std::uint32_t dataStart = vantor::FourCcAt(bytes, 4);
    const vantor::RiffInfo info = vantor::ReadRiffInfo(bytes.subspan(8), dataSize, dataStart);
    if (info.HasId3Chunk != 0 && info.Id3ChunkPosition < 0)
        __builtin_trap();
    return 0;
}
