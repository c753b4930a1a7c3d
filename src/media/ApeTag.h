// The text items of an APE tag (versions 1 and 2) at the end of a file or
// ZIP member's bytes, where MP3 gain scanners write their values; an ID3v1
// block after it is stepped over. Pure function over bytes; any thread.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace vantor {

// Key and UTF-8 value of each text item, in tag order; binary and link
// items are left out. Bytes without a tag, or a damaged one, give the items
// read before the damage.
std::vector<std::pair<std::string, std::string>>
ReadApeTextItems(std::span<const std::uint8_t> range);

// Whether the range ends in an APE tag (before any ID3v1 block).
bool HoldsApeTag(std::span<const std::uint8_t> range);

} // namespace vantor
