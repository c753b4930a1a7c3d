// Any stored path from a skin, playlist or settings file, resolved on disk.
#include "base/Paths.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string stored(reinterpret_cast<const char*>(data), size);
    // Paths with NUL cannot come from a text file line.
    stored = stored.substr(0, stored.find('\0'));
    (void)vantor::ResolveStoredPath(stored, "/tmp/");
    (void)vantor::ToLongPathName(stored);
    return 0;
}
