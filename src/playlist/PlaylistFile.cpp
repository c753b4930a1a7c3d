#include "playlist/PlaylistFile.h"

#include "base/AtomicFile.h"
#include "base/ByteReader.h"
#include "base/Paths.h"
#include "base/StringUtil.h"
#include "base/TextEncoding.h"
#include "playlist/ListedTracks.h"
#include "playlist/LocationResolver.h"
#include "playlist/M3u8Reader.h"
#include "playlist/PlayableExtensions.h"
#include "playlist/PlaylistText.h"
#include "playlist/PlsReader.h"
#include "playlist/XspfReader.h"

#include <limits>
#include <optional>

namespace vantor {

namespace {

constexpr std::string_view kExtMarker = "#VantorExt:";
constexpr std::string_view kExt2Marker = "#VantorExt2:";
constexpr std::string_view kCdMarker = "AudioCD";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// The largest list of another program that is read: some hundred thousand
// tracks. Anything larger is refused whole rather than held in memory.
constexpr std::size_t kLargestListedFile = 16 * 1024 * 1024;

std::int32_t ToInt32(double value) {
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(RoundHalfEven(value < kMin   ? kMin
                                                   : value > kMax ? kMax
                                                                  : value));
}

// "#VantorExt:" + length + "," + escaped title, on the spare element.
void ApplyExtLine(std::string_view rest, PlaylistEntry& spare) {
    const auto comma = rest.find(',');
    spare.LengthMs = Fixed4::FromDouble(Val(rest.substr(0, comma)));
    spare.Title = comma == std::string_view::npos ? std::string()
                                                  : UnescapeLineBreaks(rest.substr(comma + 1));
}

// Takes the text up to the next comma and moves past the comma; nothing
// when there is no comma left.
std::optional<std::string_view> TakeField(std::string_view& rest) {
    const auto comma = rest.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const auto field = rest.substr(0, comma);
    rest.remove_prefix(comma + 1);
    return field;
}

// An offset of the member inside its archive: a whole number that fits.
std::optional<std::int32_t> ParseOffset(std::string_view text) {
    const double value = Val(text);
    if (value < 0 || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// n + "," + name of n characters + "," + start + "," + end + "," + length
// + "," + escaped title. False when the line is malformed.
bool ApplyExt2Line(std::string_view rest, PlaylistEntry& spare) {
    const auto count = TakeField(rest);
    if (!count)
        return false;
    const double n = Val(*count);
    if (n < 0 || n > static_cast<double>(rest.size()))
        return false;
    const auto nameLength = static_cast<std::size_t>(n);
    std::string name = Utf8Left(rest, nameLength);
    if (Utf8Length(name) != nameLength || rest.size() <= name.size() || rest[name.size()] != ',')
        return false;
    rest.remove_prefix(name.size() + 1);
    const auto start = TakeField(rest);
    const auto end = TakeField(rest);
    const auto length = TakeField(rest);
    if (!start || !end || !length)
        return false;
    const auto first = ParseOffset(*start);
    const auto last = ParseOffset(*end);
    if (!first || !last || *last < *first)
        return false;
    spare.MemberName = std::move(name);
    spare.MemberStart = *first;
    spare.MemberEnd = *last;
    spare.LengthMs = Fixed4::FromDouble(Val(*length));
    spare.Title = UnescapeLineBreaks(rest);
    return true;
}

// "AudioCD," + drive + "," + track index. The drive is a letter ("E:") or
// a CD image's path, which may hold commas: the index follows the last one.
void MakeCdTrack(std::string_view line, PlaylistEntry& spare) {
    spare.IsCdTrack = kFlagOn;
    std::string drive = CsvField(line, 2);
    std::string track = CsvField(line, 3);
    const std::size_t driveStart = kCdMarker.size() + 1;
    const std::size_t lastComma = line.rfind(',');
    const bool letterDrive = drive.size() == 2 && drive[1] == ':';
    if (!letterDrive && lastComma != std::string_view::npos && lastComma > driveStart &&
        line[driveStart - 1] == ',') {
        drive = line.substr(driveStart, lastComma - driveStart);
        track = line.substr(lastComma + 1);
    }
    spare.CdDrive = drive;
    spare.Path = drive;
    spare.CdTrack = ToInt32(Val(track));
}

// Walks the lines of one playlist file.
class PlaylistReader {
public:
    PlaylistReader(std::string_view bytes, const std::string& folder, PlaylistState& playlist)
        : m_lines(SplitLines(bytes)), m_folder(folder), m_playlist(playlist) {
        if (!m_lines.empty() && m_lines.front().starts_with(kUtf8Bom))
            m_lines.front().erase(0, kUtf8Bom.size());
    }

    bool Run() {
        while (m_next < m_lines.size()) {
            const std::string line = NextLine();
            if (line.starts_with(kExt2Marker)) {
                if (!ReadMember(std::string_view(line).substr(kExt2Marker.size())))
                    return false;
            } else if (line.starts_with(kExtMarker)) {
                ApplyExtLine(std::string_view(line).substr(kExtMarker.size()), m_playlist.Spare());
            } else if (!line.starts_with('#')) {
                ReadLocation(line);
            }
        }
        return true;
    }

private:
    std::string NextLine() { return LegacyToUtf8(m_lines[m_next++]); }

    void ReadLocation(const std::string& line) {
        PlaylistEntry& spare = m_playlist.Spare();
        if (auto path = m_resolver.Resolve(line, m_folder)) {
            spare.Path = std::move(*path);
        } else if (line.starts_with(kCdMarker)) {
            MakeCdTrack(line, spare);
        } else {
            // The pending title and length stay for the next entry.
            return;
        }
        m_playlist.AppendSpare();
    }

    // The member line is always followed by the archive's location line.
    bool ReadMember(std::string_view rest) {
        if (!ApplyExt2Line(rest, m_playlist.Spare()) || m_next >= m_lines.size())
            return false;
        if (auto path = m_resolver.Resolve(NextLine(), m_folder)) {
            m_playlist.Spare().Path = std::move(*path);
            m_playlist.AppendSpare();
        } else {
            m_playlist.Spare() = PlaylistEntry{};
        }
        return true;
    }

    std::vector<std::string> m_lines;
    std::size_t m_next = 0;
    const std::string& m_folder;
    PlaylistState& m_playlist;
    LocationResolver m_resolver;
};

std::string LocationText(const PlaylistEntry& entry, const std::string& folder) {
    if (entry.IsCdTrack != kFlagOff)
        return "AudioCD," + entry.CdDrive + "," + std::to_string(entry.CdTrack);
    if (!folder.empty() && entry.Path.starts_with(folder))
        return entry.Path.substr(folder.size());
    return entry.Path;
}

} // namespace

bool ReadPlaylistText(std::string_view bytes, const std::string& folder, PlaylistState& playlist) {
    if (playlist.Playlist.empty())
        playlist.GrowSpare();
    return PlaylistReader(bytes, EnsureTrailingSlash(folder), playlist).Run();
}

bool ReadListedText(int extension, std::string_view bytes, const std::string& folder,
                    PlaylistState& playlist) {
    ListedTrackAppender append(folder, playlist);
    switch (extension) {
    case kM3u8Extension:
        ReadM3u8Text(bytes, append);
        return true;
    case kPlsExtension:
        ReadPlsText(bytes, append);
        return true;
    case kXspfExtension:
        return ReadXspfText(bytes, append);
    default:
        return false;
    }
}

bool LoadPlaylistFile(const std::string& path, PlaylistState& playlist) {
    const int extension = MatchPlayableExtension(path);
    const bool listed = extension >= kM3u8Extension;
    const auto bytes =
        ReadFileBytes(ShortPath(path), 0, listed ? kLargestListedFile + 1 : SIZE_MAX);
    if (!bytes || (listed && bytes->size() > kLargestListedFile))
        return false;
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    if (listed)
        return ReadListedText(extension, text, FolderOf(path), playlist);
    return ReadPlaylistText(text, FolderOf(path), playlist);
}

std::string FormatPlaylistText(const PlaylistState& playlist, const std::string& folder) {
    std::string text;
    for (std::int32_t i = 0; i < playlist.EntryCount(); ++i) {
        const auto& entry = playlist.Playlist[static_cast<std::size_t>(i)];
        const auto length = FormatStoredLength(entry.LengthMs);
        const auto title = EscapeLineBreaks(entry.Title);
        text += std::string(kExtMarker) + length + "," + title + "\r\n";
        if (entry.IsZipMember()) {
            text += std::string(kExt2Marker) + std::to_string(Utf8Length(entry.MemberName)) + "," +
                    entry.MemberName + "," + std::to_string(entry.MemberStart) + "," +
                    std::to_string(entry.MemberEnd) + "," + length + "," + title + "\r\n";
        }
        text += LocationText(entry, folder) + "\r\n";
    }
    return text;
}

bool SavePlaylistFile(const std::string& path, const PlaylistState& playlist) {
    return WriteFileAtomically(path, FormatPlaylistText(playlist, FolderOf(path)));
}

std::int32_t LoadDefaultPlaylist(const std::string& path, PlaylistState& playlist) {
    playlist.ResetToSpare();
    if (FileExists(path))
        LoadPlaylistFile(path, playlist);
    if (playlist.HasEntries == 1)
        playlist.TrimSpare();
    else
        playlist.Playlist.clear();
    return playlist.EntryCount();
}

bool SaveDefaultPlaylist(const std::string& path, const PlaylistState& playlist) {
    return playlist.HasEntries == 1 ? SavePlaylistFile(path, playlist)
                                    : WriteFileAtomically(path, "");
}

} // namespace vantor
