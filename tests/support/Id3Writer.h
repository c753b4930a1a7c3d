// Builds ID3v1 blocks and ID3v2.2/2.3/2.4 tags byte by byte, in every text
// encoding, for the media tests and fuzz seeds.
#pragma once

#include "ByteBuilder.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantor::test {

enum class Id3Encoding : std::uint8_t { Latin1 = 0, Utf16Bom = 1, Utf16Be = 2, Utf8 = 3 };

// A UTF-8 text in an ID3v2 encoding. Latin1 copies the bytes as they are, so
// tests can store legacy code-page bytes.
Bytes EncodeId3Text(Id3Encoding encoding, std::string_view utf8);

class Id3v2Writer {
public:
    explicit Id3v2Writer(int majorVersion) : m_version(majorVersion) {}

    Id3v2Writer& TextFrame(std::string_view id, Id3Encoding encoding, std::string_view text);
    Id3v2Writer& CommentFrame(std::string_view id, Id3Encoding encoding, std::string_view language,
                              std::string_view description, std::string_view text);
    // A user URL frame: description in the encoding, the URL in Latin-1.
    Id3v2Writer& UrlFrame(std::string_view id, Id3Encoding encoding, std::string_view description,
                          std::string_view url);
    Id3v2Writer& RawFrame(std::string_view id, const Bytes& data);
    Id3v2Writer& Padding(std::size_t count);
    Id3v2Writer& Flags(std::uint8_t flags);

    // The tag: header with its synchsafe size, frames, padding.
    Bytes Build() const;

private:
    int m_version;
    std::uint8_t m_flags = 0;
    std::size_t m_padding = 0;
    ByteBuilder m_frames;
};

struct Id3v1Fields {
    std::string title{};
    std::string artist{};
    std::string album{};
    std::string year{};
    std::string comment{};
    // Stored in comment byte 29 after a NUL (ID3v1.1) when present.
    std::optional<int> track{};
};

// The 128-byte block starting with "TAG", fields padded with NULs.
Bytes Id3v1Block(const Id3v1Fields& fields);

} // namespace vantor::test
