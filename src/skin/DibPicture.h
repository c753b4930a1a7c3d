// A decoded bitmap (pixel rows plus the 1064-byte information block Pixwell
// fills) turned into a picture. Pure function; any thread.
#pragma once

#include "skin/SkinPicture.h"

#include <cstdint>
#include <span>

namespace vantor {

// 24-bit rows in blue-green-red order or 8-bit palette indices, each row
// padded to 4 bytes, top-down when the height is negative and bottom-up
// otherwise. Null when the block describes anything else or the pixels are
// fewer than it promises.
Picture DibToPicture(std::span<const std::uint8_t> pixels,
                     std::span<const std::uint8_t> bitmapInfo);

} // namespace vantor
