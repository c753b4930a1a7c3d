// Where the samples of a WAV or AIFF file lie and how they are stored, read
// from its chunks. Only plain PCM in one or two channels is described; the
// rest (compressed, surround, RF64) is left to FFmpeg. Used by one thread.
#pragma once

#include "engine/stream/FileRange.h"

#include <cstdint>
#include <optional>

namespace vantor::engine {

struct PcmLayout {
    enum class Coding { Unsigned8, SignedInteger, Float32 };
    Coding coding = Coding::SignedInteger;
    int bits = 16; // 8, 16, 24 or 32
    int channels = 2;
    int rate = 44100;
    bool bigEndian = false;
    std::int64_t dataOffset = 0; // within the range
    std::int64_t frames = 0;

    int FrameBytes() const { return channels * bits / 8; }
};

// Reads the layout of a RIFF WAVE or an AIFF/AIFC file from the start of
// `range`; nullopt when it is neither or not plain PCM. A data chunk that
// claims more than the range holds is cut to what is there.
std::optional<PcmLayout> ReadPcmLayout(FileRange& range);

} // namespace vantor::engine
