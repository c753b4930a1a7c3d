#include "engine/music/SongLoader.h"

#include "base/ByteReader.h"
#include "base/Paths.h"
#include "base/StringUtil.h"
#include "engine/music/MidiSong.h"
#include "engine/music/MidiTimeline.h"
#include "engine/music/TrackerSong.h"

#include <filesystem>

namespace vantor::engine {

namespace {

// The biggest song file read into memory; modules with large samples stay
// far below it, anything beyond is not a song.
constexpr std::size_t kMaxSongBytes = 256u << 20;

// DirectMusic segments are RIFF files of form "DMSG".
bool IsSegment(std::span<const std::uint8_t> bytes, const std::string& name) {
    ByteReader reader(bytes);
    if (reader.Matches("RIFF") && reader.Skip(8) && reader.Matches("DMSG"))
        return true;
    return EqualsIgnoreCase(ExtensionOf(name), "sgt");
}

SongLoadResult Loaded(std::unique_ptr<MusicSong> song, SongLoadError failure) {
    if (!song)
        return {nullptr, failure};
    return {std::move(song), SongLoadError::None};
}

} // namespace

SongLoadResult LoadSongFromMemory(std::span<const std::uint8_t> bytes, const std::string& name,
                                  int sampleRate) {
    if (IsSegment(bytes, name))
        return {nullptr, SongLoadError::UnknownFormat};
    if (LooksLikeMidi(bytes))
        return Loaded(MidiSong::Load(bytes, name, sampleRate), SongLoadError::BadFile);
    return Loaded(TrackerSong::Load(bytes, sampleRate), SongLoadError::UnknownFormat);
}

SongLoadResult LoadSongFile(const std::string& path, int sampleRate) {
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return {nullptr, SongLoadError::FileNotFound};
    const auto size = FileSize(path);
    if (!size || !std::filesystem::is_regular_file(path, error) || *size > kMaxSongBytes)
        return {nullptr, SongLoadError::BadFile};
    const auto bytes = ReadFileBytes(path);
    if (!bytes || bytes->size() != *size)
        return {nullptr, SongLoadError::BadFile};
    return LoadSongFromMemory(*bytes, FileNameOf(path), sampleRate);
}

} // namespace vantor::engine
