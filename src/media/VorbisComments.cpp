#include "media/VorbisComments.h"

#include "base/ByteReader.h"
#include "base/StringUtil.h"
#include "base/TextEncoding.h"
#include "media/FileBytes.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace vantor {

namespace {

// Comments are looked for only this far into the stream.
constexpr std::size_t kCommentLimit = 2048;
constexpr std::size_t kSecondPage = 58;
constexpr std::size_t kPageHeaderSize = 27;
// A comment packet carrying cover pictures may span many pages; one beyond
// this is not put together.
constexpr std::size_t kLargestCommentPacket = std::size_t{32} << 20;

// Comments are UTF-8 by definition; a byte that breaks the encoding becomes
// U+FFFD rather than being read in another code page.
std::string Utf8ToText(std::span<const std::uint8_t> bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (IsValidUtf8(text))
        return std::string(text);
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t length = 1;
        while (length <= 4 && (i + length > text.size() || !IsValidUtf8(text.substr(i, length))))
            ++length;
        if (length > 4) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else {
            out += text.substr(i, length);
            i += length;
        }
    }
    return out;
}

// Field names are case-insensitive ASCII in the Vorbis format: encoders on
// this platform write "title=", others "TITLE=".
void TakeComment(std::string_view comment, VorbisInfo& info) {
    const std::array<std::pair<std::string_view, std::string VorbisInfo::*>, 8> keys{{
        {"TITLE=", &VorbisInfo::Title},
        {"ARTIST=", &VorbisInfo::Artist},
        {"COMMENT=", &VorbisInfo::Comment},
        {"ALBUM=", &VorbisInfo::Album},
        {"DATE=", &VorbisInfo::Date},
        {"TRACKNUMBER=", &VorbisInfo::TrackNumber},
        {"GENRE=", &VorbisInfo::Genre},
        {"ENCODED_USING=", &VorbisInfo::EncodedUsing},
    }};
    for (const auto& [key, field] : keys) {
        if (StartsWithIgnoreCase(comment, key)) {
            info.*field = std::string(comment.substr(key.size()));
            return;
        }
    }
    const auto equals = comment.find('=');
    if (equals != std::string_view::npos)
        TakeReplayGainField(comment.substr(0, equals), comment.substr(equals + 1), info.ReplayGain);
}

bool ReadIdentification(ByteReader& reader, VorbisInfo& info) {
    std::uint8_t version = 0;
    std::uint8_t channels = 0;
    std::uint32_t rate = 0;
    std::uint32_t upper = 0;
    std::uint32_t nominal = 0;
    std::uint32_t lower = 0;
    if (!reader.Seek(4) || !reader.ReadU8(version) || !reader.Seek(14) ||
        !reader.ReadU32LE(info.Serial) || !reader.Seek(39) || !reader.ReadU8(channels) ||
        !reader.ReadU32LE(rate) || !reader.ReadU32LE(upper) || !reader.ReadU32LE(nominal) ||
        !reader.ReadU32LE(lower))
        return false;
    info.Version = version;
    info.Channels = channels;
    info.SampleRate = static_cast<std::int32_t>(rate);
    info.UpperBitrate = static_cast<std::int32_t>(upper);
    info.NominalBitrate = static_cast<std::int32_t>(nominal);
    info.LowerBitrate = static_cast<std::int32_t>(lower);
    return true;
}

// Reads one page's segment table at the reader's position (which is the
// page's segment count) and returns the sum of its segment sizes.
bool ReadSegmentTable(ByteReader& reader, std::int64_t& dataLength) {
    std::uint8_t count = 0;
    if (!reader.ReadU8(count))
        return false;
    const auto table = reader.Take(count);
    if (!table)
        return false;
    for (const std::uint8_t size : *table)
        dataLength += size;
    return true;
}

// Sums the data of every page from the second on; each page is its 27-byte
// header, its segment table and its data.
void SumPageData(std::span<const std::uint8_t> bytes, std::int64_t& dataLength) {
    ByteReader reader(bytes);
    std::size_t page = kSecondPage;
    while (reader.Seek(page) && reader.Matches("OggS") && reader.Skip(kPageHeaderSize - 1)) {
        const std::int64_t before = dataLength;
        if (!ReadSegmentTable(reader, dataLength))
            return;
        page = reader.Position() + static_cast<std::size_t>(dataLength - before);
    }
}

void ReadCommentPacket(ByteReader& reader, VorbisInfo& info) {
    std::uint32_t length = 0;
    if (!reader.Skip(7) || !reader.ReadU32LE(length))
        return;
    const auto vendor = reader.Take(length);
    if (!vendor || !reader.Skip(4))
        return;
    info.Vendor = Utf8ToText(*vendor);
    while (reader.Position() <= kCommentLimit) {
        if (!reader.ReadU32LE(length))
            return;
        const auto comment = reader.Take(length);
        if (!comment)
            return;
        TakeComment(Utf8ToText(*comment), info);
        // The framing bit followed by the setup header's type ends the
        // comments; anything else is the next comment's length.
        std::uint8_t framing = 0;
        std::uint8_t next = 0;
        if (!reader.ReadU8(framing) || !reader.ReadU8(next))
            return;
        if (framing == 0x01 && next == 0x05)
            return;
        reader.Seek(reader.Position() - 2);
    }
}

// The stream's second packet, the comment header, put together from the
// segments of the pages of the first page's stream, however many it spans;
// empty when the stream ends before the packet does.
std::vector<std::uint8_t> CommentPacket(std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> packet;
    ByteReader reader(bytes);
    std::uint32_t stream = 0;
    std::size_t packetIndex = 0;
    for (std::size_t page = 0; reader.Seek(page) && reader.Matches("OggS");) {
        std::uint32_t serial = 0;
        std::uint8_t count = 0;
        if (!reader.Seek(page + 14) || !reader.ReadU32LE(serial) || !reader.Seek(page + 26) ||
            !reader.ReadU8(count))
            return {};
        const auto table = reader.Take(count);
        if (!table)
            return {};
        std::size_t data = reader.Position();
        if (page == 0)
            stream = serial;
        // Pages of other streams multiplexed with this one are passed over.
        const bool ours = serial == stream;
        for (const std::uint8_t size : *table) {
            if (ours && packetIndex == 1) {
                const auto segment = reader.Take(size);
                if (!segment || packet.size() + size > kLargestCommentPacket)
                    return {};
                packet.insert(packet.end(), segment->begin(), segment->end());
            }
            data += size;
            reader.Seek(data);
            if (ours && size < 255 && packetIndex++ == 1)
                return packet;
        }
        page = data;
    }
    return {};
}

// Every comment of a whole comment packet, as its count gives them.
void ReadWholeCommentPacket(std::span<const std::uint8_t> packet, VorbisInfo& info) {
    ByteReader reader(packet);
    std::uint32_t length = 0;
    std::uint32_t count = 0;
    if (packet.empty() || packet[0] != 0x03 || !reader.Skip(7) || !reader.ReadU32LE(length))
        return;
    const auto vendor = reader.Take(length);
    if (!vendor || !reader.ReadU32LE(count))
        return;
    info.Vendor = Utf8ToText(*vendor);
    for (std::uint32_t i = 0; i < count && reader.ReadU32LE(length); ++i) {
        const auto comment = reader.Take(length);
        if (!comment)
            return;
        TakeComment(Utf8ToText(*comment), info);
    }
}

} // namespace

VorbisInfo ReadVorbisComments(std::span<const std::uint8_t> bytes, VorbisReadMode mode) {
    VorbisInfo info;
    ByteReader reader(bytes);
    if (!reader.Matches("OggS") || !ReadIdentification(reader, info))
        return info;
    std::int64_t secondPageData = 0;
    if (!reader.Seek(84) || !ReadSegmentTable(reader, secondPageData))
        return info;
    const std::size_t packet = reader.Position();
    if (mode == VorbisReadMode::WithDataLength)
        SumPageData(bytes, info.DataLength);
    reader.Seek(packet);
    ReadCommentPacket(reader, info);
    return info;
}

VorbisInfo ReadVorbisComments(const std::string& path, std::int64_t start, VorbisReadMode mode) {
    return ReadFileFrom(path, start, [mode](std::span<const std::uint8_t> bytes) {
        return ReadVorbisComments(bytes, mode);
    });
}

VorbisInfo ReadWholeVorbisComments(std::span<const std::uint8_t> bytes) {
    VorbisInfo info;
    ByteReader reader(bytes);
    if (!reader.Matches("OggS") || !ReadIdentification(reader, info))
        return info;
    ReadWholeCommentPacket(CommentPacket(bytes), info);
    return info;
}

VorbisInfo ReadWholeVorbisComments(const std::string& path, std::int64_t start) {
    return ReadFileFrom(path, start, [](std::span<const std::uint8_t> bytes) {
        return ReadWholeVorbisComments(bytes);
    });
}

bool IsVariableBitrate(const VorbisInfo& info) {
    return info.UpperBitrate != info.NominalBitrate || info.LowerBitrate != info.NominalBitrate;
}

} // namespace vantor
