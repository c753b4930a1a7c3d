// Any bytes as an equaliser preset: a text is either refused with a reason
// or read into levels within range that read back the same once written.
#include "effects/EqualizerFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    const vantor::EqualizerRead read = vantor::ReadEqualizerText(raw);
    // Exactly one of levels and a reason.
    if (read.levels.has_value() != read.error.empty())
        std::abort();
    if (!read.levels)
        return 0;
    if (!(read.levels->Clamped() == *read.levels))
        std::abort();
    const vantor::EqualizerRead again =
        vantor::ReadEqualizerText(vantor::WriteEqualizerText(*read.levels));
    if (!again.levels || !(*again.levels == *read.levels))
        std::abort();
    return 0;
}
