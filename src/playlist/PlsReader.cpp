#include "playlist/PlsReader.h"

#include "base/StringUtil.h"
#include "base/TextEncoding.h"

#include <charconv>
#include <cstdint>
#include <map>

namespace vantor {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The number after a key's name ("File12" -> 12), or 0 when the key is not
// `name` followed by a positive whole number.
std::uint32_t EntryNumber(std::string_view key, std::string_view name) {
    if (key.size() <= name.size() || !StartsWithIgnoreCase(key, name))
        return 0;
    const auto digits = key.substr(name.size());
    std::uint32_t number = 0;
    const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return parsed.ec == std::errc() && parsed.ptr == digits.data() + digits.size() ? number : 0;
}

double LengthMsOf(std::string_view value) {
    double seconds = 0;
    const auto parsed = std::from_chars(value.data(), value.data() + value.size(), seconds);
    return parsed.ec == std::errc() && seconds > 0 ? seconds * 1000 : 0;
}

struct NumberedTrack {
    ListedTrack track;
    bool hasFile = false;
};

void ApplyKey(std::string_view key, std::string_view value,
              std::map<std::uint32_t, NumberedTrack>& entries) {
    if (const auto n = EntryNumber(key, "File")) {
        entries[n].track.location = LegacyToUtf8(value);
        entries[n].hasFile = true;
    } else if (const auto t = EntryNumber(key, "Title")) {
        entries[t].track.title = LegacyToUtf8(value);
    } else if (const auto l = EntryNumber(key, "Length")) {
        entries[l].track.lengthMs = LengthMsOf(value);
    }
}

} // namespace

void ReadPlsText(std::string_view bytes, const TrackSink& take) {
    if (bytes.starts_with(kUtf8Bom))
        bytes.remove_prefix(kUtf8Bom.size());
    std::map<std::uint32_t, NumberedTrack> entries;
    // Keys before any section header are taken as well: some writers leave
    // the header out.
    bool inPlaylist = true;
    ForEachLine(bytes, [&](std::string_view line) {
        const auto text = TrimWhitespace(line);
        if (text.starts_with('[')) {
            inPlaylist = EqualsIgnoreCase(text, "[playlist]");
            return;
        }
        const auto equals = text.find('=');
        if (inPlaylist && equals != std::string_view::npos)
            ApplyKey(TrimWhitespace(text.substr(0, equals)),
                     TrimWhitespace(text.substr(equals + 1)), entries);
    });
    for (auto& [number, entry] : entries) {
        if (entry.hasFile)
            take(std::move(entry.track));
    }
}

} // namespace vantor
