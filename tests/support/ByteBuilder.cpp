#include "ByteBuilder.h"

namespace vantor::test {

ByteBuilder& ByteBuilder::U8(std::uint32_t value) {
    m_bytes.push_back(static_cast<std::uint8_t>(value));
    return *this;
}
ByteBuilder& ByteBuilder::U16LE(std::uint32_t value) {
    return U8(value).U8(value >> 8);
}
ByteBuilder& ByteBuilder::U16BE(std::uint32_t value) {
    return U8(value >> 8).U8(value);
}
ByteBuilder& ByteBuilder::U24BE(std::uint32_t value) {
    return U8(value >> 16).U16BE(value);
}
ByteBuilder& ByteBuilder::U32LE(std::uint32_t value) {
    return U16LE(value).U16LE(value >> 16);
}
ByteBuilder& ByteBuilder::U32BE(std::uint32_t value) {
    return U16BE(value >> 16).U16BE(value);
}
ByteBuilder& ByteBuilder::U64LE(std::uint64_t value) {
    return U32LE(static_cast<std::uint32_t>(value)).U32LE(static_cast<std::uint32_t>(value >> 32));
}
ByteBuilder& ByteBuilder::Text(std::string_view text) {
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    return *this;
}
ByteBuilder& ByteBuilder::Append(std::span<const std::uint8_t> bytes) {
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
}
ByteBuilder& ByteBuilder::Fill(std::size_t count, std::uint8_t value) {
    m_bytes.insert(m_bytes.end(), count, value);
    return *this;
}
ByteBuilder& ByteBuilder::Utf16Le(std::string_view latin1) {
    for (const char c : latin1)
        U16LE(static_cast<std::uint8_t>(c));
    return *this;
}
void ByteBuilder::PatchU32LE(std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        m_bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

Bytes Concat(std::initializer_list<std::span<const std::uint8_t>> parts) {
    Bytes out;
    for (const auto part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

Bytes PaddedChunk(std::string_view id, std::span<const std::uint8_t> body, bool bigEndian) {
    ByteBuilder chunk;
    chunk.Text(id);
    const auto size = static_cast<std::uint32_t>(body.size());
    bigEndian ? chunk.U32BE(size) : chunk.U32LE(size);
    chunk.Append(body);
    if (body.size() % 2 != 0)
        chunk.U8(0);
    return chunk.Take();
}

Bytes BytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

} // namespace vantor::test
