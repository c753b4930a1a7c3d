// Any argument string, as typed or handed over by a second instance.
#include "core/CommandLine.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t maxArgs = size > 0 ? data[0] % 8 : 0;
    (void)vantor::ParseCommandLine(maxArgs, text);
    (void)vantor::ParseCommandLine(vantor::kDefaultMaxArgs, text);
    return 0;
}
