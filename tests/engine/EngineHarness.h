// Drives a SoundEngine with the pull output in tests: renders block by block
// while something plays, and writes tone files. Test-only.
#pragma once

#include "engine/SoundEngine.h"
#include "support/AudioEncoder.h"
#include "support/TempDir.h"

#include <functional>
#include <string>
#include <vector>

namespace vantor::engine::test {

inline constexpr int kRate = 44100;
inline constexpr std::size_t kBlock = 1024;

struct ToneFile {
    const char* encoder;
    const char* container;
    const char* extension;
};

// MP3, MP2, Ogg Vorbis, WAV, AIFF, WMA.
const std::vector<ToneFile>& StreamFormats();

// Writes a tone file; fails the test when FFmpeg cannot.
std::string WriteToneFile(const vantor::test::TempDir& dir, const ToneFile& format,
                          double frequency, double seconds, const std::string& name = "tone");

class PullEngine {
public:
    explicit PullEngine(int rate = kRate);
    SoundEngine& operator*() { return m_engine; }
    SoundEngine* operator->() { return &m_engine; }

    // Renders blocks while `playing` holds, at most `maxSeconds`.
    std::vector<float> RenderWhile(const std::function<bool()>& playing, double maxSeconds = 20.0);
    std::vector<float> RenderSeconds(double seconds);
    // Whole mixer blocks: after it, a change is heard from the next frame on.
    std::vector<float> RenderBlocks(std::size_t blocks);
    // Plays out the block mixed before a change, so what follows hears it.
    void Settle() { RenderSeconds(static_cast<double>(kBlock) / m_rate); }
    // Opens a whole file as a stream (the test fails if it cannot).
    StreamHandle Open(const std::string& path);
    // Opens and plays a stream; returns its channel (the test fails if not).
    std::int32_t Play(StreamHandle stream);
    // Plays a stream from where it is to its end; returns what was heard.
    std::vector<float> PlayToEnd(StreamHandle stream);

private:
    SoundEngine m_engine;
    int m_rate;
};

// Magnitude of one frequency in one channel (Goertzel), amplitude-scaled:
// a sine of amplitude A gives about A.
double ToneLevel(const std::vector<float>& stereo, int rate, double frequency, int channel = 0);
// Frames before the first and after the last sample louder than `floor`.
std::size_t AudibleFrames(const std::vector<float>& stereo, float floor = 0.01f);
float Peak(const std::vector<float>& stereo);

} // namespace vantor::engine::test
