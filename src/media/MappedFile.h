// A read-only view of a whole file, mapped into memory so that a reader
// touches only the pages it looks at. The object owns the mapping; the bytes
// stay valid while it lives. One object per reader; any thread.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vantor {

class MappedFile {
public:
    // Opens and maps `path`; IsOpen() is false when that fails. An empty file
    // opens with no bytes.
    explicit MappedFile(const std::string& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    bool IsOpen() const { return m_open; }
    std::span<const std::uint8_t> Bytes() const { return {m_data, m_size}; }

private:
    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
    bool m_open = false;
};

// The bytes of [start, start + length) clipped to `file`; empty when start
// lies beyond it.
std::span<const std::uint8_t> ClipRange(std::span<const std::uint8_t> file, std::uint64_t start,
                                        std::uint64_t length);

} // namespace vantor
