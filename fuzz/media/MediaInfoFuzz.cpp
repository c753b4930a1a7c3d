// Inspects arbitrary bytes as a file. The first byte chooses the options
// and whether a range inside the bytes is inspected, as for a ZIP member.
#include "media/TrackFileReader.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const std::uint8_t control = data[0];
    const std::span<const std::uint8_t> file(data + 3, size - 3);
    const vantor::InspectOptions options{.mpegAccurate = (control & 1) != 0};
    if ((control & 2) != 0)
        vantor::InspectBytes(file, data[1], static_cast<std::int64_t>(file.size()) - data[2],
                             options);
    else
        vantor::InspectBytes(file, 0, vantor::kWholeFile, options);
    return 0;
}
