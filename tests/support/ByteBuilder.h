// Appends integers and texts to a byte vector in either byte order: the one
// tool the fixture writers build binary files with.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vantor::test {

using Bytes = std::vector<std::uint8_t>;

class ByteBuilder {
public:
    ByteBuilder& U8(std::uint32_t value);
    ByteBuilder& U16LE(std::uint32_t value);
    ByteBuilder& U16BE(std::uint32_t value);
    ByteBuilder& U24BE(std::uint32_t value);
    ByteBuilder& U32LE(std::uint32_t value);
    ByteBuilder& U32BE(std::uint32_t value);
    ByteBuilder& U64LE(std::uint64_t value);
    ByteBuilder& Text(std::string_view text);
    ByteBuilder& Append(std::span<const std::uint8_t> bytes);
    ByteBuilder& Fill(std::size_t count, std::uint8_t value = 0);
    // UTF-16LE of an ASCII/Latin-1 text (one unit per byte).
    ByteBuilder& Utf16Le(std::string_view latin1);
    // Overwrites four bytes at `at` (sizes known only after the body).
    void PatchU32LE(std::size_t at, std::uint32_t value);

    std::size_t Size() const { return m_bytes.size(); }
    const Bytes& Get() const { return m_bytes; }
    Bytes Take() { return std::move(m_bytes); }

private:
    Bytes m_bytes;
};

Bytes Concat(std::initializer_list<std::span<const std::uint8_t>> parts);
// One chunk of a RIFF (little-endian) or IFF (big-endian) file: identifier,
// size, body and a pad byte to an even size.
Bytes PaddedChunk(std::string_view id, std::span<const std::uint8_t> body, bool bigEndian);
Bytes BytesOf(std::string_view text);

} // namespace vantor::test
