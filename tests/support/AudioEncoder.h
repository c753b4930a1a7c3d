// Encodes a generated sine tone into a real audio file through FFmpeg's
// encoders and muxers (MP3 CBR or VBR, MP2, Ogg Vorbis, WMA, PCM of any
// width in WAV or AIFF, FLAC, Opus, AAC, ALAC, WavPack), with metadata.
// Test fixtures only; this is the one support file that links FFmpeg.
#pragma once

#include <map>
#include <string>

namespace vantor::test {

struct ToneSpec {
    // FFmpeg encoder name: "libmp3lame", "mp2", "libvorbis", "wmav2", "pcm_s24le"...
    std::string encoder{};
    // FFmpeg muxer name: "mp3", "mp2", "ogg", "asf", "wav", "aiff".
    std::string container{};
    int sampleRate = 44100;
    int channels = 2;
    // 24 asks a lossless encoder for 24-bit samples; 0 takes its first format.
    int bitsPerSample = 0;
    // Bits per second for a constant bit rate; ignored when vbrQuality >= 0.
    int bitrate = 128000;
    // libmp3lame / libvorbis quality for variable bit rate, or -1.
    int vbrQuality = -1;
    double seconds = 1.0;
    // The sine tone written on every channel.
    double frequency = 440.0;
    double amplitude = 0.3;
    std::map<std::string, std::string> metadata{};
    // ID3v2 version the MP3 muxer writes (3 or 4).
    int id3v2Version = 4;
};

// Writes the file; false (with a reason in `error`) when FFmpeg refuses.
bool EncodeTone(const std::string& path, const ToneSpec& spec, std::string* error = nullptr);

} // namespace vantor::test
