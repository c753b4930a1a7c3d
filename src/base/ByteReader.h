// Bounds-checked reading of untrusted bytes, the one reader every parser uses.
// A ByteReader views memory it does not own; reads past the end fail and
// leave the position unchanged. Not thread-safe; one reader per parse.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

class ByteReader {
public:
    ByteReader() = default;
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
    ByteReader(const void* data, std::size_t size)
        : m_bytes(static_cast<const std::uint8_t*>(data), size) {}

    std::size_t Size() const { return m_bytes.size(); }
    std::size_t Position() const { return m_position; }
    std::size_t Remaining() const { return m_bytes.size() - m_position; }
    bool AtEnd() const { return m_position >= m_bytes.size(); }
    std::span<const std::uint8_t> Bytes() const { return m_bytes; }

    // Moves to an absolute position; fails (and stays) beyond the end.
    bool Seek(std::size_t position);
    bool Skip(std::size_t count);

    bool ReadU8(std::uint8_t& value);
    bool ReadU16LE(std::uint16_t& value);
    bool ReadU16BE(std::uint16_t& value);
    bool ReadU24BE(std::uint32_t& value);
    bool ReadU32LE(std::uint32_t& value);
    bool ReadU32BE(std::uint32_t& value);
    bool ReadU64LE(std::uint64_t& value);

    // Takes the next `count` bytes as a view; fails when fewer remain, so a
    // length read from a file can never allocate or read beyond the input.
    std::optional<std::span<const std::uint8_t>> Take(std::size_t count);
    // The next `count` bytes as a string of raw bytes (no decoding).
    std::optional<std::string> TakeString(std::size_t count);
    // Four bytes compared with a chunk or frame identifier such as "RIFF".
    bool Matches(std::string_view tag) const;

    // A reader over [position, position + count) of this one; the parent
    // moves past it. Fails when fewer bytes remain.
    std::optional<ByteReader> Sub(std::size_t count);

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_position = 0;
};

// Reads up to `maxBytes` bytes of a file from `offset`; never more than the
// file holds. Empty optional when the file cannot be opened.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path,
                                                       std::uint64_t offset = 0,
                                                       std::size_t maxBytes = SIZE_MAX);

std::optional<std::uint64_t> FileSize(const std::string& path);

} // namespace vantor
