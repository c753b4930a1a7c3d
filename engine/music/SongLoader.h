// Opens a song file as the right kind of song by its content (and, for the
// refused SGT segments, its extension). Returns an owned song or the sound
// library's error code. Any thread; the SoundFont is loaded on first MIDI use.
#pragma once

#include "engine/music/MusicSong.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace vantor::engine {

// The sound library's error codes a song load can end with.
enum class SongLoadError : int {
    None = 0,
    FileNotFound = 9,
    UnknownFormat = 10,
    BadFile = 11,
};

struct SongLoadResult {
    std::unique_ptr<MusicSong> song;
    SongLoadError error = SongLoadError::None;
};

// `name` is the file name a MIDI song reports; modules report their title.
SongLoadResult LoadSongFromMemory(std::span<const std::uint8_t> bytes, const std::string& name,
                                  int sampleRate);
SongLoadResult LoadSongFile(const std::string& path, int sampleRate);

} // namespace vantor::engine
