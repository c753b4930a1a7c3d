// Track files read: tags and technical data of an MPEG audio file, a RIFF
// WAVE or RMP3 file, or such a file stored in a ZIP archive. It reads bytes
// only, never decodes audio. Returns plain values; any thread.
#pragma once

#include "media/SongInfo.h"

#include <cstdint>
#include <span>
#include <string>

namespace vantor {

// The length value that means "to the end of the file"; it is also what a
// playlist entry's two zero member offsets give (end - start + 1).
inline constexpr std::int64_t kWholeFile = 1;

struct InspectOptions {
    // Counts every frame of a constant-bit-rate stream (the MpegAccurate setting).
    bool mpegAccurate = false;
};

// Inspects `length` bytes of `path` from `start` (kWholeFile: to the end). A
// file that cannot be opened gives an empty SongInfo; a damaged one gives
// the fields read before the damage.
SongInfo InspectFile(const std::string& path, std::int64_t start = 0,
                     std::int64_t length = kWholeFile, InspectOptions options = {});

// The same over a file's bytes already in memory.
SongInfo InspectBytes(std::span<const std::uint8_t> file, std::int64_t start, std::int64_t length,
                      InspectOptions options = {});

} // namespace vantor
