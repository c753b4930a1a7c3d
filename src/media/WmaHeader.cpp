#include "media/WmaHeader.h"

#include "base/ByteReader.h"
#include "base/StringUtil.h"
#include "base/TextEncoding.h"
#include "media/FileBytes.h"
#include "media/Id3Tags.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vantor {

namespace {

using Guid = std::array<std::uint8_t, 16>;

constexpr std::uint8_t HexValue(char c) {
    return static_cast<std::uint8_t>(c <= '9' ? c - '0' : c - 'A' + 10);
}

// The file layout of a GUID written in its usual text form: the first three
// groups are stored little-endian, the last two as they read.
constexpr Guid ParseGuid(std::string_view text) {
    Guid guid{};
    constexpr std::array<std::size_t, 16> kOrder{3, 2, 1,  0,  5,  4,  7,  6,
                                                 8, 9, 10, 11, 12, 13, 14, 15};
    std::size_t digit = 0;
    std::array<std::uint8_t, 16> bytes{};
    for (const char c : text) {
        if (c == '-')
            continue;
        bytes[digit / 2] = static_cast<std::uint8_t>(bytes[digit / 2] * 16 + HexValue(c));
        ++digit;
    }
    for (std::size_t i = 0; i < 16; ++i)
        guid[i] = bytes[kOrder[i]];
    return guid;
}

constexpr Guid kHeaderObject = ParseGuid("75B22630-668E-11CF-A6D9-00AA0062CE6C");
constexpr Guid kFileProperties = ParseGuid("8CABDCA1-A947-11CF-8EE4-00C00C205365");
constexpr Guid kStreamProperties = ParseGuid("B7DC0791-A9B7-11CF-8EE6-00C00C205365");
constexpr Guid kContentDescription = ParseGuid("75B22633-668E-11CF-A6D9-00AA0062CE6C");
constexpr Guid kExtendedContent = ParseGuid("D2D0A440-E307-11D2-97F0-00A0C95EA850");
constexpr Guid kCodecList = ParseGuid("86D15240-311D-11D0-A3A4-00A0C90348F6");

// Texts and names longer than this are cut; the rest of them is skipped.
constexpr std::size_t kTextLimit = 500;
constexpr std::size_t kObjectHeaderSize = 24;

bool IsGuid(std::span<const std::uint8_t> object, const Guid& guid) {
    return object.size() >= guid.size() && std::equal(guid.begin(), guid.end(), object.begin());
}

std::string WideText(std::span<const std::uint8_t> bytes) {
    return StripNulsRight(Utf16LeToUtf8(bytes));
}

// A UTF-16LE text of `length` bytes, cut to its first 500 bytes.
bool ReadLimitedText(ByteReader& reader, std::size_t length, std::string& text) {
    const auto bytes = reader.Take(std::min(length, kTextLimit));
    if (!bytes || !reader.Skip(length - bytes->size()))
        return false;
    text = WideText(*bytes);
    return true;
}

void ReadFileProperties(ByteReader object, WmaInfo& info) {
    if (object.Seek(100))
        object.ReadU32LE(info.MaxBitrate);
}

void ReadStreamProperties(ByteReader object, WmaInfo& info) {
    std::uint16_t channels = 0;
    std::uint32_t rate = 0;
    if (!object.Seek(80) || !object.ReadU16LE(channels) || !object.ReadU32LE(rate) ||
        !object.ReadU32LE(info.AvgBytesPerSec))
        return;
    info.Channels = channels;
    info.SampleRate = static_cast<std::int32_t>(rate);
}

void ReadContentDescription(ByteReader object, WmaInfo& info) {
    std::array<std::uint16_t, 5> lengths{};
    if (!object.Seek(kObjectHeaderSize))
        return;
    for (auto& length : lengths) {
        if (!object.ReadU16LE(length))
            return;
    }
    std::array<std::string*, 5> fields{&info.Title, &info.Author, nullptr, &info.Description,
                                       nullptr};
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        std::string text;
        if (!ReadLimitedText(object, lengths[i], text))
            return;
        if (fields[i] != nullptr)
            *fields[i] = text;
    }
}

std::string* AttributeField(const std::string& upperName, WmaInfo& info) {
    if (upperName == "WM/TITLE")
        return &info.Title;
    if (upperName == "WM/AUTHOR")
        return &info.Author;
    if (upperName == "WM/ALBUMTITLE")
        return &info.Album;
    if (upperName == "WM/TRACK" || upperName == "WM/TRACKNUMBER")
        return &info.Track;
    if (upperName == "WM/YEAR")
        return &info.Year;
    if (upperName == "WM/GENRE")
        return &info.Genre;
    if (upperName == "WM/DESCRIPTION")
        return &info.Description;
    return nullptr;
}

std::string LittleEndianNumberText(std::span<const std::uint8_t> bytes) {
    std::uint64_t value = 0;
    const std::size_t count = std::min<std::size_t>(bytes.size(), 8);
    for (std::size_t i = count; i > 0; --i)
        value = (value << 8) | bytes[i - 1];
    return std::to_string(value);
}

bool ReadAttribute(ByteReader& object, WmaInfo& info) {
    std::uint16_t nameLength = 0;
    std::uint16_t type = 0;
    std::uint16_t valueLength = 0;
    std::string name;
    if (!object.ReadU16LE(nameLength) || !ReadLimitedText(object, nameLength, name) ||
        !object.ReadU16LE(type) || !object.ReadU16LE(valueLength))
        return false;
    const std::string upperName = AsciiUpper(name);
    std::string* field = AttributeField(upperName, info);
    if (type == 0) {
        std::string value;
        if (!ReadLimitedText(object, valueLength, value))
            return false;
        if (field != nullptr)
            *field = value;
        else
            TakeReplayGainField(name, value, info.ReplayGain);
        return true;
    }
    const auto value = object.Take(valueLength);
    if (!value)
        return false;
    if (upperName == "WM/TRACKNUMBER")
        *field = LittleEndianNumberText(*value);
    return true;
}

void ReadExtendedContent(ByteReader object, WmaInfo& info) {
    std::uint16_t count = 0;
    if (!object.Seek(kObjectHeaderSize) || !object.ReadU16LE(count))
        return;
    for (std::uint16_t i = 0; i < count; ++i) {
        if (!ReadAttribute(object, info))
            return;
    }
}

void ReadCodecList(ByteReader object, WmaInfo& info) {
    std::uint16_t characters = 0;
    if (!object.Seek(46) || !object.ReadU16LE(characters))
        return;
    if (const auto name = object.Take(std::size_t{characters} * 2))
        info.CodecName = WideText(*name);
}

void ReadObject(ByteReader object, bool& streamSeen, WmaInfo& info) {
    const auto bytes = object.Bytes();
    if (IsGuid(bytes, kFileProperties)) {
        ReadFileProperties(object, info);
    } else if (IsGuid(bytes, kStreamProperties) && !streamSeen) {
        streamSeen = true;
        ReadStreamProperties(object, info);
    } else if (IsGuid(bytes, kContentDescription)) {
        ReadContentDescription(object, info);
    } else if (IsGuid(bytes, kExtendedContent)) {
        ReadExtendedContent(object, info);
    } else if (IsGuid(bytes, kCodecList) && info.CodecName.empty()) {
        ReadCodecList(object, info);
    }
}

} // namespace

WmaInfo ReadWmaHeader(std::span<const std::uint8_t> bytes) {
    WmaInfo info;
    ByteReader reader(bytes);
    std::uint64_t headerSize = 0;
    if (!IsGuid(bytes, kHeaderObject) || !reader.Skip(16) || !reader.ReadU64LE(headerSize) ||
        !reader.Skip(6))
        return info;
    // The header object's children, each announced by its GUID and size; a
    // size that runs past the header ends the walk.
    const std::size_t end =
        static_cast<std::size_t>(std::min<std::uint64_t>(headerSize, bytes.size()));
    bool streamSeen = false;
    while (reader.Position() + kObjectHeaderSize <= end) {
        std::uint64_t size = 0;
        const std::size_t objectStart = reader.Position();
        if (!reader.Skip(16) || !reader.ReadU64LE(size) || size < kObjectHeaderSize ||
            size > end - objectStart)
            break;
        reader.Seek(objectStart);
        const auto object = reader.Sub(static_cast<std::size_t>(size));
        if (!object)
            break;
        ReadObject(*object, streamSeen, info);
    }
    return info;
}

WmaInfo ReadWmaHeader(const std::string& path, std::int64_t start) {
    return ReadFileFrom(path, start,
                        [](std::span<const std::uint8_t> bytes) { return ReadWmaHeader(bytes); });
}

std::string WmaChannelName(std::int32_t channels) {
    if (channels == 1)
        return "Mono";
    return channels == 2 ? "Stereo" : "Unknown";
}

} // namespace vantor
