#include "media/RiffInfo.h"

#include "base/StringUtil.h"
#include "base/TextEncoding.h"
#include "media/Id3Tags.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vantor {

namespace {

constexpr std::array<std::string_view, kTagSlotCount> kChunkIds{
    "INAM", "IART", "IPRD", "ICMT", "ICRD", "IGNR", "ICOP", "IENG", "ISRC",
    "ISFT", "IKEY", "ITCH", "ILYC", "ICMS", "IMED", "ISBJ", "IMP3"};

constexpr std::size_t kLyricsSlot = 12;
constexpr std::size_t kSubjectSlot = 15;

// Position of the first occurrence of `id` in `bytes`, or npos.
std::size_t Find(std::span<const std::uint8_t> bytes, std::string_view id) {
    const auto found =
        std::search(bytes.begin(), bytes.end(), id.begin(), id.end(),
                    [](std::uint8_t b, char c) { return b == static_cast<std::uint8_t>(c); });
    return found == bytes.end() ? std::string_view::npos
                                : static_cast<std::size_t>(found - bytes.begin());
}

std::string ChunkText(std::span<const std::uint8_t> bytes, std::size_t at) {
    std::uint32_t size = 0;
    if (bytes.size() - at >= 8)
        size = FourCcAt(bytes, at + 4);
    const std::size_t from = std::min(bytes.size(), at + 8);
    const std::size_t count = std::min<std::size_t>(size, bytes.size() - from);
    const auto text = bytes.subspan(from, count);
    return StripNulsRight(LegacyToUtf8({reinterpret_cast<const char*>(text.data()), text.size()}));
}

} // namespace

std::uint32_t FourCcAt(std::span<const std::uint8_t> b, std::size_t i) {
    if (i > b.size() || b.size() - i < 4)
        return 0;
    return b[i] | (std::uint32_t{b[i + 1]} << 8) | (std::uint32_t{b[i + 2]} << 16) |
           (std::uint32_t{b[i + 3]} << 24);
}

RiffInfo ReadRiffInfo(std::span<const std::uint8_t> range, std::uint32_t dataSize,
                      std::uint64_t dataStart) {
    RiffInfo info;
    const std::uint64_t listStart = dataStart + dataSize;
    if (listStart >= range.size())
        return info;
    const auto list = range.subspan(static_cast<std::size_t>(listStart));
    for (std::size_t slot = 0; slot < kTagSlotCount; ++slot) {
        const std::size_t at = Find(list, kChunkIds[slot]);
        if (at == std::string_view::npos)
            continue;
        info.Slots[slot] = ChunkText(list, at);
    }
    auto& lyrics = info.Slots[kLyricsSlot];
    if (Utf8Length(lyrics) > 11 && lyrics.starts_with("LYRICSBEGIN"))
        lyrics = "_" + lyrics;
    const std::size_t id3 = Find(list, "IID3");
    if (id3 != std::string_view::npos) {
        info.HasId3Chunk = -1;
        const std::uint64_t position = listStart + id3 + 8 + 3;
        info.Id3ChunkPosition =
            static_cast<std::int32_t>(std::min<std::uint64_t>(position, INT32_MAX));
    }
    return info;
}

void ApplyRiffInfo(const RiffInfo& info, SongInfo& song) {
    const auto& s = info.Slots;
    song.Title = s[0].empty() ? s[kSubjectSlot] : s[0];
    song.Artist = s[1];
    song.Album = s[2];
    song.Comment = s[3];
    song.Year = s[4];
    song.Genre = s[5];
    song.Track.clear();
}

} // namespace vantor
