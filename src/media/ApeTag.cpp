#include "media/ApeTag.h"

#include "base/ByteReader.h"

namespace vantor {

namespace {

constexpr std::size_t kFooterSize = 32;
constexpr std::size_t kId3v1Size = 128;
// Bits 1-2 of an item's flags: 0 for UTF-8 text.
constexpr std::uint32_t kItemKindMask = 0x6;
// A tag names at most this many items; more is damage, not a tag.
constexpr std::uint32_t kMostItems = 1024;

bool FooterAt(std::span<const std::uint8_t> range, std::size_t end) {
    if (end < kFooterSize)
        return false;
    ByteReader reader(range);
    return reader.Seek(end - kFooterSize) && reader.Matches("APET") && reader.Skip(4) &&
           reader.Matches("AGEX");
}

// The end of the tag's footer: the range's end, or the start of an ID3v1
// block that follows the tag.
std::optional<std::size_t> FooterEnd(std::span<const std::uint8_t> range) {
    if (FooterAt(range, range.size()))
        return range.size();
    if (range.size() >= kId3v1Size && FooterAt(range, range.size() - kId3v1Size))
        return range.size() - kId3v1Size;
    return std::nullopt;
}

} // namespace

std::vector<std::pair<std::string, std::string>>
ReadApeTextItems(std::span<const std::uint8_t> range) {
    std::vector<std::pair<std::string, std::string>> items;
    const std::optional<std::size_t> end = FooterEnd(range);
    if (!end)
        return items;
    ByteReader footer(range);
    std::uint32_t tagSize = 0;
    std::uint32_t count = 0;
    if (!footer.Seek(*end - kFooterSize + 12) || !footer.ReadU32LE(tagSize) ||
        !footer.ReadU32LE(count) || tagSize < kFooterSize || tagSize > *end)
        return items;
    // The size counts the items and the footer, never the optional header.
    ByteReader reader(range.subspan(*end - tagSize, tagSize - kFooterSize));
    for (std::uint32_t i = 0; i < count && i < kMostItems; ++i) {
        std::uint32_t valueSize = 0;
        std::uint32_t flags = 0;
        if (!reader.ReadU32LE(valueSize) || !reader.ReadU32LE(flags))
            break;
        std::string key;
        std::uint8_t byte = 0;
        while (reader.ReadU8(byte) && byte != 0)
            key.push_back(static_cast<char>(byte));
        if (byte != 0)
            break;
        const auto value = reader.TakeString(valueSize);
        if (!value)
            break;
        if ((flags & kItemKindMask) == 0)
            items.emplace_back(std::move(key), *value);
    }
    return items;
}

bool HoldsApeTag(std::span<const std::uint8_t> range) {
    return FooterEnd(range).has_value();
}

} // namespace vantor
