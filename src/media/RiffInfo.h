// The INFO list of a RIFF file (WAVE or RMP3): the texts of its chunks and
// where an embedded ID3v1 block lies. Pure function over bytes; any thread.
#pragma once

#include "media/SongInfo.h"

#include <cstdint>
#include <span>

namespace vantor {

struct RiffInfo {
    TagTextFields Slots;
    std::int16_t HasId3Chunk = 0;
    // Offset within the range of the ID3v1 title, right after "TAG".
    std::int32_t Id3ChunkPosition = 0;
};

// Searches the bytes of `range` after the data chunk (which starts at
// `dataStart` and holds `dataSize` bytes) for the INFO chunk identifiers.
RiffInfo ReadRiffInfo(std::span<const std::uint8_t> range, std::uint32_t dataSize,
                      std::uint64_t dataStart);

// The little-endian 32-bit value of bytes i..i+3 (a chunk identifier); 0
// when the bytes run out.
std::uint32_t FourCcAt(std::span<const std::uint8_t> bytes, std::size_t i);

// Replaces the seven texts of `song` by the INFO slots: the title falls back
// to the subject; the track stays empty.
void ApplyRiffInfo(const RiffInfo& info, SongInfo& song);

} // namespace vantor
