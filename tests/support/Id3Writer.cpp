#include "Id3Writer.h"

#include <stdexcept>

namespace vantor::test {

namespace {

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        std::uint32_t code = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            code = (code << 6) | (static_cast<std::uint8_t>(utf8[i + k]) & 0x3F);
        i += length;
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
    }
    return out;
}

Bytes Terminator(Id3Encoding encoding) {
    return encoding == Id3Encoding::Utf16Bom || encoding == Id3Encoding::Utf16Be ? Bytes{0, 0}
                                                                                 : Bytes{0};
}

} // namespace

Bytes EncodeId3Text(Id3Encoding encoding, std::string_view utf8) {
    ByteBuilder out;
    switch (encoding) {
    case Id3Encoding::Utf16Bom:
        out.U16LE(0xFEFF);
        for (const char16_t unit : Utf8ToUtf16(utf8))
            out.U16LE(unit);
        break;
    case Id3Encoding::Utf16Be:
        for (const char16_t unit : Utf8ToUtf16(utf8))
            out.U16BE(unit);
        break;
    default:
        out.Text(utf8);
    }
    return out.Take();
}

Id3v2Writer& Id3v2Writer::RawFrame(std::string_view id, const Bytes& data) {
    const auto size = static_cast<std::uint32_t>(data.size());
    m_frames.Text(id);
    if (m_version == 2) {
        m_frames.U24BE(size);
    } else {
        const std::uint32_t stored = m_version == 4
                                         ? ((size & 0x0FE00000) << 3) | ((size & 0x1FC000) << 2) |
                                               ((size & 0x3F80) << 1) | (size & 0x7F)
                                         : size;
        m_frames.U32BE(stored).U16BE(0);
    }
    m_frames.Append(data);
    return *this;
}

Id3v2Writer& Id3v2Writer::TextFrame(std::string_view id, Id3Encoding encoding,
                                    std::string_view text) {
    ByteBuilder data;
    data.U8(static_cast<std::uint8_t>(encoding)).Append(EncodeId3Text(encoding, text));
    return RawFrame(id, data.Take());
}

Id3v2Writer& Id3v2Writer::CommentFrame(std::string_view id, Id3Encoding encoding,
                                       std::string_view language, std::string_view description,
                                       std::string_view text) {
    ByteBuilder data;
    data.U8(static_cast<std::uint8_t>(encoding))
        .Text(language)
        .Append(EncodeId3Text(encoding, description))
        .Append(Terminator(encoding))
        .Append(EncodeId3Text(encoding, text));
    return RawFrame(id, data.Take());
}

Id3v2Writer& Id3v2Writer::UrlFrame(std::string_view id, Id3Encoding encoding,
                                   std::string_view description, std::string_view url) {
    ByteBuilder data;
    data.U8(static_cast<std::uint8_t>(encoding))
        .Append(EncodeId3Text(encoding, description))
        .Append(Terminator(encoding))
        .Text(url);
    return RawFrame(id, data.Take());
}

Id3v2Writer& Id3v2Writer::Padding(std::size_t count) {
    m_padding = count;
    return *this;
}

Id3v2Writer& Id3v2Writer::Flags(std::uint8_t flags) {
    m_flags = flags;
    return *this;
}

Bytes Id3v2Writer::Build() const {
    const auto size = static_cast<std::uint32_t>(m_frames.Size() + m_padding);
    if (size >= (1u << 28))
        throw std::length_error("ID3v2 tag too large");
    ByteBuilder tag;
    tag.Text("ID3").U8(static_cast<std::uint32_t>(m_version)).U8(0).U8(m_flags);
    tag.U8((size >> 21) & 0x7F).U8((size >> 14) & 0x7F).U8((size >> 7) & 0x7F).U8(size & 0x7F);
    tag.Append(m_frames.Get()).Fill(m_padding);
    return tag.Take();
}

Bytes Id3v1Block(const Id3v1Fields& fields) {
    ByteBuilder block;
    const auto field = [&block](std::string_view text, std::size_t width) {
        const auto used = std::min(text.size(), width);
        block.Text(text.substr(0, used)).Fill(width - used);
    };
    block.Text("TAG");
    field(fields.title, 30);
    field(fields.artist, 30);
    field(fields.album, 30);
    field(fields.year, 4);
    if (fields.track) {
        field(fields.comment, 28);
        block.U8(0).U8(static_cast<std::uint32_t>(*fields.track));
    } else {
        field(fields.comment, 30);
    }
    block.U8(17);
    return block.Take();
}

} // namespace vantor::test
