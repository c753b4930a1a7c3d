// Encodes a sine tone into the stream formats the sound library plays, with
// FFmpeg's own encoders, so tests decode real files they made themselves.
// Test-only; any thread.
#pragma once

#include <string>

namespace vantor::test {

enum class ToneFormat { Mp3, Mp2, Ogg, Wav, Aiff, Wma };

struct ToneSpec {
    double frequency = 440.0;
    int sampleRate = 44100;
    int channels = 2;
    double seconds = 1.0;
    double amplitude = 0.5; // of full scale
};

// Writes the tone to `path`; false (with `error` set) when encoding failed.
bool WriteTone(const std::string& path, ToneFormat format, const ToneSpec& spec, std::string& error);

// The usual file extension of a format (".mp3" ...).
std::string ToneExtension(ToneFormat format);

} // namespace vantor::test
