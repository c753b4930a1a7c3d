#include "media/Id3Tags.h"

#include "base/ByteReader.h"
#include "base/StringUtil.h"
#include "base/TextEncoding.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vantor {

namespace {

enum Slot : std::size_t { kTrackSlot = 3, kGenreSlot = 5, kCommentSlot = 6, kUrlSlot = 11 };

constexpr std::array<std::string_view, kTagSlotCount> kFrameIds{
    "TIT2", "TPE1", "TALB", "TRCK", "TYER", "TCON", "COMM", "TCOM", "TENC",
    "TCOP", "TLAN", "WXXX", "TDRC", "TOPE", "TIT1", "TOAL", "TPUB"};
// Version 2.2 has no publisher frame; its slot stays empty.
constexpr std::array<std::string_view, kTagSlotCount> kFrameIdsV22{
    "TT2", "TP1", "TAL", "TRK", "TYE", "TCO", "COM", "TCM", "TEN",
    "TCR", "TLA", "WXX", "TOR", "TOA", "TT1", "TOT", ""};

std::string_view AsText(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// Text in one of the four ID3v2 encodings (0 legacy code page, 1 UTF-16 with
// a byte-order mark, 2 UTF-16BE, 3 UTF-8). An unknown encoding byte is read
// as the legacy code page, as the oldest writers meant it.
std::string DecodeText(std::uint8_t encoding, std::span<const std::uint8_t> bytes) {
    switch (encoding) {
    case 1:
        return Utf16WithBomToUtf8(bytes);
    case 2:
        return Utf16BeToUtf8(bytes);
    default:
        return LegacyToUtf8(AsText(bytes));
    }
}

bool IsWideEncoding(std::uint8_t encoding) {
    return encoding == 1 || encoding == 2;
}

// Bytes after the NUL-terminated string that starts `bytes` (two aligned NUL
// bytes in the UTF-16 encodings); empty when there is no terminator.
std::span<const std::uint8_t> AfterTerminatedString(std::uint8_t encoding,
                                                    std::span<const std::uint8_t> bytes) {
    const std::size_t step = IsWideEncoding(encoding) ? 2 : 1;
    for (std::size_t i = 0; i + step <= bytes.size(); i += step) {
        if (bytes[i] == 0 && (step == 1 || bytes[i + 1] == 0))
            return bytes.subspan(i + step);
    }
    return {};
}

std::string TrimText(std::string text) {
    return StripNulsRight(std::string(TrimBlanks(StripNulsRight(std::move(text)))));
}

// The text of one frame, by slot: comments skip their language and short
// description, URLs their description, tracks keep the part before "/",
// genres the part after the first ")".
std::string DecodeSlot(std::size_t slot, std::span<const std::uint8_t> data) {
    const std::uint8_t encoding = data[0];
    const auto body = data.subspan(1);
    if (slot == kCommentSlot) {
        const auto text =
            body.size() < 3 ? body.subspan(0, 0) : AfterTerminatedString(encoding, body.subspan(3));
        return TrimText(DecodeText(encoding, text));
    }
    if (slot == kUrlSlot)
        return TrimText(LegacyToUtf8(AsText(AfterTerminatedString(encoding, body))));
    std::string text = StripNulsRight(StripNulsLeft(DecodeText(encoding, body)));
    if (slot == kTrackSlot)
        text = text.substr(0, text.find('/'));
    if (slot == kGenreSlot) {
        const auto close = text.find(')');
        if (close != std::string::npos)
            text = text.substr(close + 1);
    }
    return text;
}

std::size_t SlotOf(std::string_view id, bool v22) {
    const auto& ids = v22 ? kFrameIdsV22 : kFrameIds;
    const auto found = std::find(ids.begin(), ids.end(), id);
    return found == ids.end() || id.empty() ? kTagSlotCount
                                            : static_cast<std::size_t>(found - ids.begin());
}

// A user text frame (TXXX, TXX in version 2.2): its description names the
// value. Only the loudness values are kept.
void TakeUserText(std::span<const std::uint8_t> data, Id3v2Tag& tag) {
    if (data.empty())
        return;
    const std::uint8_t encoding = data[0];
    const auto body = data.subspan(1);
    const auto value = AfterTerminatedString(encoding, body);
    const auto name = body.first(body.size() - value.size());
    TakeReplayGainField(TrimText(DecodeText(encoding, name)), TrimText(DecodeText(encoding, value)),
                        tag.ReplayGain);
}

bool IsUserText(std::string_view id, bool v22) {
    return id == (v22 ? "TXX" : "TXXX");
}

std::uint32_t SynchsafeValue(std::uint32_t raw) {
    return ((raw >> 3) & 0x0FE00000u) | ((raw >> 2) & 0x001FC000u) | ((raw >> 1) & 0x00003F80u) |
           (raw & 0x7Fu);
}

// Reads one frame header at the reader's position; false at padding, at
// damage, or when the bytes run out.
bool ReadFrameHeader(ByteReader& reader, const Id3v2Header& header, std::string& id,
                     std::uint32_t& size) {
    const bool v22 = header.MajorVersion < 3;
    const auto idBytes = reader.TakeString(v22 ? 3 : 4);
    if (!idBytes || (*idBytes)[0] < 'A' || (*idBytes)[0] > 'Z')
        return false;
    id = *idBytes;
    if (v22)
        return reader.ReadU24BE(size);
    std::uint16_t flags = 0;
    if (!reader.ReadU32BE(size) || !reader.ReadU16BE(flags))
        return false;
    // Version 2.4 stores frame sizes synchsafe, 7 bits per byte.
    if (header.MajorVersion >= 4)
        size = SynchsafeValue(size);
    return true;
}

void ReadFrames(ByteReader& reader, std::size_t tagStart, Id3v2Tag& tag) {
    const std::int64_t total = TagTotalSize(tag.Header);
    const bool v22 = tag.Header.MajorVersion < 3;
    while (true) {
        const auto offset = static_cast<std::int64_t>(reader.Position() - tagStart);
        // A tag larger than the file has no usable size; its frames are read
        // until padding or the end of the bytes.
        if (total != 0 && (v22 ? offset >= total : offset > total))
            return;
        std::string id;
        std::uint32_t size = 0;
        if (!ReadFrameHeader(reader, tag.Header, id, size))
            return;
        if (id == (v22 ? "PIC" : "APIC"))
            tag.HoldsPicture = true;
        const std::size_t slot = SlotOf(id, v22);
        if (IsUserText(id, v22)) {
            const auto data = reader.Take(size);
            if (!data)
                return;
            TakeUserText(*data, tag);
        } else if (slot < kTagSlotCount && size >= 1) {
            const auto data = reader.Take(size);
            if (!data)
                return;
            tag.Fields[slot] = DecodeSlot(slot, *data);
        } else if (!reader.Skip(size)) {
            return;
        }
    }
}

std::string Id3v1Text(std::span<const std::uint8_t> bytes) {
    if (bytes.empty() || bytes[0] == 0)
        return {};
    return std::string(TrimBlanks(CutAtNul(LegacyToUtf8(AsText(bytes)))));
}

} // namespace

Id3v2Tag ReadId3v2(std::span<const std::uint8_t> range) {
    Id3v2Tag tag;
    tag.Header.FileLength = static_cast<std::int64_t>(range.size());
    ByteReader reader(range);
    std::uint8_t byte = 0;
    while (reader.ReadU8(byte) && byte == 0)
        ++tag.LeadingNuls;
    if (!reader.Seek(tag.LeadingNuls) || !reader.Matches("ID3"))
        return tag;
    const std::size_t tagStart = reader.Position();
    tag.Present = true;
    reader.Skip(3);
    Id3v2Header& h = tag.Header;
    if (!reader.ReadU8(h.MajorVersion) || !reader.ReadU8(h.Revision) || !reader.ReadU8(h.Flags))
        return tag;
    for (auto& b : h.SizeBytes) {
        if (!reader.ReadU8(b))
            return tag;
    }
    ReadFrames(reader, tagStart, tag);
    return tag;
}

std::int64_t TagTotalSize(const Id3v2Header& header) {
    const auto& b = header.SizeBytes;
    std::int64_t size = (std::int64_t{b[0]} << 21) + (std::int64_t{b[1]} << 14) +
                        (std::int64_t{b[2]} << 7) + b[3] + 10;
    if (header.Flags != 0)
        size += 10;
    return size > header.FileLength ? 0 : size;
}

bool ReadId3v1(std::span<const std::uint8_t> range, std::size_t position, SongInfo& song) {
    ByteReader reader(range);
    if (!reader.Seek(position))
        return false;
    for (std::string* field : {&song.Title, &song.Artist, &song.Album}) {
        const auto bytes = reader.Take(30);
        if (!bytes)
            return false;
        *field = Id3v1Text(*bytes);
    }
    const auto year = reader.Take(4);
    if (!year)
        return false;
    song.Year = Id3v1Text(*year);
    const auto comment = reader.Take(30);
    if (!comment)
        return false;
    if ((*comment)[28] == 0) {
        song.Track = FormatTwoDigits((*comment)[29]);
        song.Comment = Id3v1Text(comment->first(29));
    } else {
        song.Track.clear();
        song.Comment = Id3v1Text(*comment);
    }
    return true;
}

std::string StripNulsLeft(std::string text) {
    text.erase(0, text.find_first_not_of('\0') == std::string::npos ? text.size()
                                                                    : text.find_first_not_of('\0'));
    return text;
}

std::string StripNulsRight(std::string text) {
    const auto last = text.find_last_not_of('\0');
    text.resize(last == std::string::npos ? 0 : last + 1);
    return text;
}

std::string FormatTrackNumber(const std::string& text) {
    const auto trimmed = TrimBlanks(text);
    const bool isNumber =
        !trimmed.empty() && trimmed.size() <= 9 &&
        std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; });
    return isNumber ? FormatTwoDigits(std::stoll(std::string(trimmed))) : text;
}

} // namespace vantor
