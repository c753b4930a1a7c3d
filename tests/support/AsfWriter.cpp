#include "AsfWriter.h"

#include <array>

namespace vantor::test {

namespace {

using Guid = std::array<std::uint8_t, 16>;

Guid GuidOf(std::string_view text) {
    Bytes bytes;
    for (std::size_t i = 0; i + 1 < text.size();) {
        if (text[i] == '-') {
            ++i;
            continue;
        }
        bytes.push_back(
            static_cast<std::uint8_t>(std::stoi(std::string(text.substr(i, 2)), nullptr, 16)));
        i += 2;
    }
    const std::array<std::size_t, 16> order{3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    Guid guid{};
    for (std::size_t i = 0; i < 16; ++i)
        guid[i] = bytes[order[i]];
    return guid;
}

Bytes Object(std::string_view guid, const Bytes& body) {
    ByteBuilder object;
    object.Append(GuidOf(guid)).U64LE(body.size() + 24).Append(body);
    return object.Take();
}

Bytes Wide(std::string_view text) {
    ByteBuilder out;
    out.Utf16Le(text).U16LE(0);
    return out.Take();
}

Bytes FileProperties(const AsfSpec& spec) {
    ByteBuilder body;
    body.Fill(16)
        .U64LE(0)
        .U64LE(0)
        .U64LE(0)
        .U64LE(0)
        .U64LE(0)
        .U64LE(0)
        .U32LE(2)
        .U32LE(3200)
        .U32LE(3200)
        .U32LE(spec.maxBitrate);
    return Object("8CABDCA1-A947-11CF-8EE4-00C00C205365", body.Take());
}

Bytes StreamProperties(const AsfSpec& spec) {
    ByteBuilder format;
    format.U16LE(0x161)
        .U16LE(spec.channels)
        .U32LE(spec.sampleRate)
        .U32LE(spec.avgBytesPerSec)
        .U16LE(1)
        .U16LE(16)
        .U16LE(0);
    ByteBuilder body;
    body.Append(GuidOf("F8699E40-5B4D-11CF-A8FD-00805F5C442B"))
        .Fill(16)
        .U64LE(0)
        .U32LE(static_cast<std::uint32_t>(format.Size()))
        .U32LE(0)
        .U16LE(1)
        .U32LE(0)
        .Append(format.Get());
    return Object("B7DC0791-A9B7-11CF-8EE6-00C00C205365", body.Take());
}

Bytes ContentDescription(const AsfSpec& spec) {
    const std::array<Bytes, 5> texts{Wide(spec.title), Wide(spec.author), Wide(spec.copyright),
                                     Wide(spec.description), Wide("")};
    ByteBuilder body;
    for (const auto& text : texts)
        body.U16LE(static_cast<std::uint32_t>(text.size()));
    for (const auto& text : texts)
        body.Append(text);
    return Object("75B22633-668E-11CF-A6D9-00AA0062CE6C", body.Take());
}

Bytes ExtendedContent(const AsfSpec& spec) {
    ByteBuilder body;
    body.U16LE(static_cast<std::uint32_t>(spec.attributes.size()));
    for (const auto& attribute : spec.attributes) {
        const Bytes name = Wide(attribute.name);
        body.U16LE(static_cast<std::uint32_t>(name.size())).Append(name).U16LE(attribute.type);
        ByteBuilder value;
        if (attribute.type == 0)
            value.Append(Wide(attribute.text));
        else if (attribute.type == 4)
            value.U64LE(attribute.number);
        else if (attribute.type == 5)
            value.U16LE(static_cast<std::uint32_t>(attribute.number));
        else
            value.U32LE(static_cast<std::uint32_t>(attribute.number));
        body.U16LE(static_cast<std::uint32_t>(value.Size())).Append(value.Get());
    }
    return Object("D2D0A440-E307-11D2-97F0-00A0C95EA850", body.Take());
}

Bytes CodecList(const AsfSpec& spec) {
    ByteBuilder body;
    body.Fill(16)
        .U32LE(1)
        .U16LE(2)
        .U16LE(static_cast<std::uint32_t>(spec.codecName.size() + 1))
        .Append(Wide(spec.codecName))
        .U16LE(0)
        .U16LE(0);
    return Object("86D15240-311D-11D0-A3A4-00A0C90348F6", body.Take());
}

} // namespace

Bytes AsfHeader(const AsfSpec& spec) {
    const std::array<Bytes, 5> objects{FileProperties(spec), StreamProperties(spec),
                                       ContentDescription(spec), ExtendedContent(spec),
                                       CodecList(spec)};
    ByteBuilder body;
    body.U32LE(static_cast<std::uint32_t>(objects.size())).U8(1).U8(2);
    for (const auto& object : objects)
        body.Append(object);
    return Object("75B22630-668E-11CF-A6D9-00AA0062CE6C", body.Take());
}

} // namespace vantor::test
