// Little-endian fields and fixed-width texts as the tracker module writers
// lay them out. Header-only; any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vantor::test {

inline void PutU16(std::vector<std::uint8_t>& out, std::size_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void PutU32(std::vector<std::uint8_t>& out, std::size_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

// `text` cut or padded with NULs to `width` bytes.
inline void PutText(std::vector<std::uint8_t>& out, const std::string& text, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i)
        out.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
}

} // namespace vantor::test
