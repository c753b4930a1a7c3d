#include "playlist/M3u8Reader.h"

#include "base/StringUtil.h"
#include "base/TextEncoding.h"

#include <charconv>

namespace vantor {

namespace {

constexpr std::string_view kExtInf = "#EXTINF:";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The first comma that is not inside a quoted attribute value
// (#EXTINF:123 logo="a,b",Title).
std::size_t TitleComma(std::string_view text) {
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == ',' && !quoted)
            return i;
    }
    return std::string_view::npos;
}

// "#EXTINF:" + seconds (-1 when unknown) [+ attributes] + "," + title.
ListedTrack ReadExtInf(std::string_view rest) {
    ListedTrack facts;
    const auto comma = TitleComma(rest);
    const auto seconds = TrimWhitespace(rest.substr(0, comma));
    double value = 0;
    const auto parsed = std::from_chars(seconds.data(), seconds.data() + seconds.size(), value);
    if (parsed.ec == std::errc() && value > 0)
        facts.lengthMs = value * 1000;
    if (comma != std::string_view::npos)
        facts.title = ReplaceInvalidUtf8(TrimWhitespace(rest.substr(comma + 1)));
    return facts;
}

} // namespace

void ReadM3u8Text(std::string_view bytes, const TrackSink& take) {
    if (bytes.starts_with(kUtf8Bom))
        bytes.remove_prefix(kUtf8Bom.size());
    ListedTrack pending;
    ForEachLine(bytes, [&](std::string_view line) {
        if (StartsWithIgnoreCase(line, kExtInf)) {
            pending = ReadExtInf(line.substr(kExtInf.size()));
        } else if (!line.starts_with('#') && !TrimWhitespace(line).empty()) {
            // The facts of an "#EXTINF:" line belong to this track alone,
            // whether its file exists or not.
            pending.location = line;
            take(std::move(pending));
            pending = ListedTrack{};
        }
    });
}

} // namespace vantor
