#include "base/ByteReader.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace vantor {

bool ByteReader::Seek(std::size_t position) {
    if (position > m_bytes.size())
        return false;
    m_position = position;
    return true;
}

bool ByteReader::Skip(std::size_t count) {
    if (count > Remaining())
        return false;
    m_position += count;
    return true;
}

namespace {

template <typename T, bool kBigEndian>
bool ReadInteger(std::span<const std::uint8_t> bytes, std::size_t& position, T& value) {
    if (bytes.size() - position < sizeof(T))
        return false;
    T result = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        const std::size_t index = kBigEndian ? i : sizeof(T) - 1 - i;
        result = static_cast<T>((result << 8) | bytes[position + index]);
    }
    position += sizeof(T);
    value = result;
    return true;
}

} // namespace

bool ByteReader::ReadU8(std::uint8_t& value) {
    return ReadInteger<std::uint8_t, true>(m_bytes, m_position, value);
}
bool ByteReader::ReadU16LE(std::uint16_t& value) {
    return ReadInteger<std::uint16_t, false>(m_bytes, m_position, value);
}
bool ByteReader::ReadU16BE(std::uint16_t& value) {
    return ReadInteger<std::uint16_t, true>(m_bytes, m_position, value);
}
bool ByteReader::ReadU24BE(std::uint32_t& value) {
    if (Remaining() < 3)
        return false;
    value = (std::uint32_t{m_bytes[m_position]} << 16) |
            (std::uint32_t{m_bytes[m_position + 1]} << 8) | m_bytes[m_position + 2];
    m_position += 3;
    return true;
}
bool ByteReader::ReadU32LE(std::uint32_t& value) {
    return ReadInteger<std::uint32_t, false>(m_bytes, m_position, value);
}
bool ByteReader::ReadU32BE(std::uint32_t& value) {
    return ReadInteger<std::uint32_t, true>(m_bytes, m_position, value);
}
bool ByteReader::ReadU64LE(std::uint64_t& value) {
    return ReadInteger<std::uint64_t, false>(m_bytes, m_position, value);
}

std::optional<std::span<const std::uint8_t>> ByteReader::Take(std::size_t count) {
    if (count > Remaining())
        return std::nullopt;
    auto view = m_bytes.subspan(m_position, count);
    m_position += count;
    return view;
}

std::optional<std::string> ByteReader::TakeString(std::size_t count) {
    auto view = Take(count);
    if (!view)
        return std::nullopt;
    return std::string(reinterpret_cast<const char*>(view->data()), view->size());
}

bool ByteReader::Matches(std::string_view tag) const {
    if (Remaining() < tag.size())
        return false;
    return std::memcmp(m_bytes.data() + m_position, tag.data(), tag.size()) == 0;
}

std::optional<ByteReader> ByteReader::Sub(std::size_t count) {
    auto view = Take(count);
    if (!view)
        return std::nullopt;
    return ByteReader(*view);
}

std::optional<std::uint64_t> FileSize(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path,
                                                       std::uint64_t offset,
                                                       std::size_t maxBytes) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                        &std::fclose);
    if (!file)
        return std::nullopt;
    const auto size = FileSize(path).value_or(0);
    std::vector<std::uint8_t> bytes;
    if (offset >= size)
        return bytes;
    const auto available = size - offset;
    bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(available, maxBytes)));
    if (::fseeko(file.get(), static_cast<off_t>(offset), SEEK_SET) != 0)
        return std::nullopt;
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
    return bytes;
}

} // namespace vantor
