// The format of a bare AAC stream (ADTS) from its first frames, which
// follow an ID3v2 tag when the file has one: TagLib has no reader for it.
// Pure functions of the bytes given.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace vantor {

struct AdtsFormat {
    int sampleRate = 0;
    int channels = 0;
    // The average over the frames read.
    int bitrateKbps = 0;
};

// Where the audio of a file starting with `head` (at least its first ten
// bytes) begins: after an ID3v2 tag, else at 0.
std::uint64_t AdtsAudioStart(std::span<const std::uint8_t> head);

// The format told by the first frame found in `audio` that is followed by
// another where it ends, or that ends exactly with `audio`; nothing without
// one.
std::optional<AdtsFormat> ReadAdtsFormat(std::span<const std::uint8_t> audio);

} // namespace vantor
