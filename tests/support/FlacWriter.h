// Writes a FLAC file byte by byte: STREAMINFO and frames of verbatim 16-bit
// samples, a sine tone on every channel, with the frame checksums computed.
// For tests that must not link an encoder (the player without FFmpeg).
#pragma once

#include "ByteBuilder.h"

namespace vantor::test {

struct FlacToneSpec {
    int sampleRate = 44100;
    int channels = 2;
    double seconds = 1.0;
    double frequency = 440.0;
    double amplitude = 0.3;
};

Bytes FlacTone(const FlacToneSpec& spec);

} // namespace vantor::test
