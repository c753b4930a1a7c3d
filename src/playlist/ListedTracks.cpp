#include "playlist/ListedTracks.h"

#include "base/Paths.h"
#include "base/StringUtil.h"
#include "base/TimeText.h"

namespace vantor {

namespace {

// The longest length a list may claim that a row still shows: beyond a
// week it is a damaged number, not a recording.
constexpr double kLongestListedLengthMs = 7.0 * 24 * 3600 * 1000;

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "%20" and the like to their bytes; a "%" without two hex digits after it
// stays as it is.
std::string PercentDecode(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = text[i] == '%' && i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
        if (low >= 0) {
            bytes += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

// The scheme of a URI ("file", "http"), or empty when the text has none. A
// Windows drive ("C:") is a path, not a scheme.
std::string SchemeOf(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon < 2)
        return {};
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = text[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool other = i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.');
        if (!letter && !other)
            return {};
    }
    return AsciiLower(text.substr(0, colon));
}

// "file:///music/a.flac", "file://localhost/music/a.flac" and
// "file:/music/a.flac" name "/music/a.flac"; a file on another host names
// nothing here.
std::string PathOfFileUri(std::string_view uri) {
    std::string_view rest = uri.substr(std::string_view("file:").size());
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        const auto slash = rest.find('/');
        const auto host = rest.substr(0, slash);
        if (slash == std::string_view::npos ||
            (!host.empty() && !EqualsIgnoreCase(host, "localhost")))
            return {};
        rest.remove_prefix(slash);
    }
    if (!rest.starts_with('/'))
        return {};
    // A query or fragment is not part of the file's name.
    return PercentDecode(rest.substr(0, rest.find_first_of("?#")));
}

void ApplyListedFacts(const ListedTrack& track, PlaylistEntry& entry) {
    entry.PendingTitle = track.title;
    if (track.lengthMs > 0 && track.lengthMs <= kLongestListedLengthMs)
        entry.LengthText = ListLengthText(track.lengthMs);
}

} // namespace

std::string LocalPathOfLocation(const std::string& location, LocationForm form) {
    const std::string_view text = location;
    const std::string scheme = SchemeOf(text);
    if (scheme == "file")
        return PathOfFileUri(text);
    if (!scheme.empty())
        return {};
    return form == LocationForm::UriReference ? PercentDecode(text) : std::string(text);
}

ListedTrackAppender::ListedTrackAppender(const std::string& folder, PlaylistState& playlist)
    : m_folder(EnsureTrailingSlash(folder)), m_playlist(playlist) {
    if (m_playlist.Playlist.empty())
        m_playlist.GrowSpare();
}

void ListedTrackAppender::operator()(ListedTrack&& track) {
    const std::string local = LocalPathOfLocation(track.location, track.form);
    auto path = local.empty() ? std::nullopt : m_resolver.Resolve(local, m_folder);
    if (!path)
        return;
    // A title an earlier ".m3u" left pending belongs to that list, not here.
    PlaylistEntry& spare = m_playlist.Spare();
    spare = PlaylistEntry{};
    spare.Path = std::move(*path);
    ApplyListedFacts(track, spare);
    m_playlist.AppendSpare();
}

} // namespace vantor
