#include "engine/stream/PcmLayout.h"

#include "base/ByteReader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace vantor::engine {

namespace {

constexpr std::uint16_t kWavePcm = 1;
constexpr std::uint16_t kWaveFloat = 3;
constexpr std::uint16_t kWaveExtensible = 0xFFFE;
constexpr int kMaxRate = 768000;
// The chunk bodies read whole ("fmt ", "COMM"); longer ones are cut here.
constexpr std::size_t kMaxFormatBody = 64;

struct ChunkHeader {
    std::array<char, 4> id{};
    std::uint32_t size = 0;
    bool Is(const char* name) const { return std::memcmp(id.data(), name, 4) == 0; }
};

std::optional<ChunkHeader> ReadChunkHeader(FileRange& range, bool bigEndian) {
    std::uint8_t bytes[8];
    if (!range.ReadExactly(bytes, sizeof bytes))
        return std::nullopt;
    ChunkHeader header;
    std::memcpy(header.id.data(), bytes, 4);
    ByteReader size(bytes + 4, 4);
    if (!(bigEndian ? size.ReadU32BE(header.size) : size.ReadU32LE(header.size)))
        return std::nullopt;
    return header;
}

// The body of a chunk that starts at the position, up to kMaxFormatBody bytes;
// the range is left at the next chunk (bodies are padded to an even size).
std::optional<std::vector<std::uint8_t>> ReadBody(FileRange& range, const ChunkHeader& header) {
    const std::int64_t start = range.Position();
    std::vector<std::uint8_t> body(std::min<std::size_t>(header.size, kMaxFormatBody));
    if (!range.ReadExactly(body.data(), body.size()))
        return std::nullopt;
    range.Seek(start + header.size + (header.size & 1), SEEK_SET);
    return body;
}

bool SkipBody(FileRange& range, const ChunkHeader& header) {
    const std::int64_t next = range.Position() + header.size + (header.size & 1);
    return range.Seek(std::min(next, range.Length()), SEEK_SET) >= 0 && next <= range.Length();
}

bool BitsFit(const PcmLayout& layout) {
    switch (layout.coding) {
    case PcmLayout::Coding::Unsigned8:
        return layout.bits == 8;
    case PcmLayout::Coding::Float32:
        return layout.bits == 32;
    case PcmLayout::Coding::SignedInteger:
        break;
    }
    return layout.bits == 8 || layout.bits == 16 || layout.bits == 24 || layout.bits == 32;
}

bool Plain(const PcmLayout& layout) {
    return BitsFit(layout) && (layout.channels == 1 || layout.channels == 2) && layout.rate > 0 &&
           layout.rate <= kMaxRate;
}

// The frames of a data chunk at the position, cut to what the range holds.
std::int64_t FramesFrom(const FileRange& range, std::uint32_t claimed, const PcmLayout& layout) {
    const std::int64_t available = range.Length() - range.Position();
    return std::min<std::int64_t>(claimed, available) / layout.FrameBytes();
}

bool ReadWaveFormat(const std::vector<std::uint8_t>& body, PcmLayout& layout) {
    ByteReader reader(body);
    std::uint16_t tag = 0;
    std::uint16_t channels = 0;
    std::uint32_t rate = 0;
    std::uint16_t bits = 0;
    if (!reader.ReadU16LE(tag) || !reader.ReadU16LE(channels) || !reader.ReadU32LE(rate) ||
        !reader.Skip(6) || !reader.ReadU16LE(bits))
        return false;
    if (tag == kWaveExtensible) {
        // cbSize, valid bits, channel mask, then the sub-format's leading tag.
        if (!reader.Skip(8) || !reader.ReadU16LE(tag))
            return false;
    }
    if (tag != kWavePcm && tag != kWaveFloat)
        return false;
    layout.coding = tag == kWaveFloat ? PcmLayout::Coding::Float32
                    : bits == 8       ? PcmLayout::Coding::Unsigned8
                                      : PcmLayout::Coding::SignedInteger;
    layout.bits = bits;
    layout.channels = channels;
    layout.rate = static_cast<int>(std::min<std::uint32_t>(rate, kMaxRate + 1));
    layout.bigEndian = false;
    return Plain(layout);
}

std::optional<PcmLayout> ReadWave(FileRange& range) {
    PcmLayout layout;
    bool haveFormat = false;
    while (auto chunk = ReadChunkHeader(range, false)) {
        if (chunk->Is("fmt ")) {
            auto body = ReadBody(range, *chunk);
            if (!body || !ReadWaveFormat(*body, layout))
                return std::nullopt;
            haveFormat = true;
        } else if (chunk->Is("data")) {
            if (!haveFormat)
                return std::nullopt;
            layout.dataOffset = range.Position();
            layout.frames = FramesFrom(range, chunk->size, layout);
            return layout;
        } else if (!SkipBody(range, *chunk)) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// The 80-bit extended float AIFF stores its rate in, as a whole number.
double ExtendedToDouble(const std::uint8_t* bytes) {
    const int exponent = ((bytes[0] & 0x7F) << 8 | bytes[1]) - 16383 - 63;
    std::uint64_t mantissa = 0;
    for (int i = 2; i < 10; ++i)
        mantissa = mantissa << 8 | bytes[i];
    const double value = std::ldexp(static_cast<double>(mantissa), std::clamp(exponent, -200, 200));
    return (bytes[0] & 0x80) != 0 ? -value : value;
}

bool ReadAiffCommon(const std::vector<std::uint8_t>& body, bool compressed, PcmLayout& layout) {
    ByteReader reader(body);
    std::uint16_t channels = 0;
    std::uint16_t bits = 0;
    if (!reader.ReadU16BE(channels) || !reader.Skip(4) || !reader.ReadU16BE(bits))
        return false;
    const auto rate = reader.Take(10);
    if (!rate)
        return false;
    layout.coding = PcmLayout::Coding::SignedInteger;
    layout.bigEndian = true;
    if (compressed) {
        auto type = reader.TakeString(4);
        if (!type)
            return false;
        if (*type == "sowt") {
            layout.bigEndian = false;
        } else if (*type == "fl32" || *type == "FL32") {
            layout.coding = PcmLayout::Coding::Float32;
        } else if (*type != "NONE" && *type != "twos") {
            return false;
        }
    }
    const double hertz = ExtendedToDouble(rate->data());
    layout.bits = bits;
    layout.channels = channels;
    layout.rate = hertz >= 1.0 && hertz <= kMaxRate ? static_cast<int>(std::lround(hertz)) : 0;
    return Plain(layout);
}

std::optional<PcmLayout> ReadAiff(FileRange& range, bool compressed) {
    PcmLayout layout;
    bool haveCommon = false;
    while (auto chunk = ReadChunkHeader(range, true)) {
        if (chunk->Is("COMM")) {
            auto body = ReadBody(range, *chunk);
            if (!body || !ReadAiffCommon(*body, compressed, layout))
                return std::nullopt;
            haveCommon = true;
        } else if (chunk->Is("SSND")) {
            std::uint8_t head[8];
            std::uint32_t offset = 0;
            ByteReader reader(head, sizeof head);
            if (!haveCommon || chunk->size < sizeof head || !range.ReadExactly(head, sizeof head) ||
                !reader.ReadU32BE(offset) || offset > chunk->size - sizeof head ||
                range.Seek(offset, SEEK_CUR) < 0)
                return std::nullopt;
            layout.dataOffset = range.Position();
            layout.frames = FramesFrom(
                range, chunk->size - static_cast<std::uint32_t>(sizeof head) - offset, layout);
            return layout;
        } else if (!SkipBody(range, *chunk)) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<PcmLayout> ReadPcmLayout(FileRange& range) {
    std::uint8_t head[12];
    if (range.Seek(0, SEEK_SET) != 0 || !range.ReadExactly(head, sizeof head))
        return std::nullopt;
    if (std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0)
        return ReadWave(range);
    if (std::memcmp(head, "FORM", 4) == 0 && std::memcmp(head + 8, "AIFF", 4) == 0)
        return ReadAiff(range, false);
    if (std::memcmp(head, "FORM", 4) == 0 && std::memcmp(head + 8, "AIFC", 4) == 0)
        return ReadAiff(range, true);
    return std::nullopt;
}

} // namespace vantor::engine
