// ID3v1 and ID3v2 (2.2, 2.3, 2.4) tags read from the bytes of a file or of a
// ZIP member. Readers never go past the bytes they are given and return the
// fields read before any damage. Pure functions; any thread.
#pragma once

#include "media/ReplayGainTags.h"
#include "media/SongInfo.h"

#include <cstdint>
#include <span>
#include <string>

namespace vantor {

struct Id3v2Header {
    std::uint8_t MajorVersion = 0;
    std::uint8_t Revision = 0;
    std::uint8_t Flags = 0;
    std::array<std::uint8_t, 4> SizeBytes{};
    // Length of the file or inspected range: an upper bound for the tag.
    std::int64_t FileLength = 0;
};

struct Id3v2Tag {
    Id3v2Header Header;
    TagTextFields Fields;
    // Loudness values from TXXX frames.
    ReplayGainTags ReplayGain;
    // NUL bytes skipped before "ID3"; the audio starts after them and the tag.
    std::size_t LeadingNuls = 0;
    // True when the range holds an "ID3" header at all.
    bool Present = false;
    // True when a frame read is a picture ("APIC", or "PIC" in version 2.2).
    bool HoldsPicture = false;
};

// Reads the tag at the start of `range` (after any NUL bytes). A range that
// holds no "ID3" header gives an empty tag.
Id3v2Tag ReadId3v2(std::span<const std::uint8_t> range);

// The whole tag's size in bytes (header, frames, and a footer when any flag
// is set), or 0 when that is more than the file holds.
std::int64_t TagTotalSize(const Id3v2Header& header);

// Fills the seven texts of `song` from the ID3v1 block whose title starts at
// `position` of `range` (right after "TAG"). False when the block is cut
// short; fields before the cut are filled.
bool ReadId3v1(std::span<const std::uint8_t> range, std::size_t position, SongInfo& song);

std::string StripNulsLeft(std::string text);
std::string StripNulsRight(std::string text);

// A track text with at least two digits when it is a whole number ("7" ->
// "07"); any other text stays as it is.
std::string FormatTrackNumber(const std::string& text);

} // namespace vantor
