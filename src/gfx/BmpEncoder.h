// A surface written as an uncompressed 24-bit BMP file (bottom-up rows in
// blue-green-red order, padded to 4 bytes), the form other programs read
// back most reliably. Pure function; any thread.
#pragma once

#include "gfx/Surface.h"

#include <cstdint>
#include <vector>

namespace vantor::gfx {

// The whole file; an empty surface gives a valid 0 x 0 picture.
std::vector<std::uint8_t> EncodeBmp24(const Surface& surface);

} // namespace vantor::gfx
