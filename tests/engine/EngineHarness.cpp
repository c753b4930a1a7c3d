#include "EngineHarness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace vantor::engine::test {

const std::vector<ToneFile>& StreamFormats() {
    static const std::vector<ToneFile> formats{
        {"libmp3lame", "mp3", ".mp3"}, {"mp2", "mp2", ".mp2"},         {"libvorbis", "ogg", ".ogg"},
        {"pcm_s16le", "wav", ".wav"},  {"pcm_s16be", "aiff", ".aiff"}, {"wmav2", "asf", ".wma"},
    };
    return formats;
}

std::string WriteToneFile(const vantor::test::TempDir& dir, const ToneFile& format,
                          double frequency, double seconds, const std::string& name) {
    vantor::test::ToneSpec spec;
    spec.encoder = format.encoder;
    spec.container = format.container;
    spec.frequency = frequency;
    spec.seconds = seconds;
    spec.amplitude = 0.5;
    std::string path = dir.File(name + format.extension);
    std::string error;
    EXPECT_TRUE(vantor::test::EncodeTone(path, spec, &error)) << error;
    return path;
}

PullEngine::PullEngine(int rate)
    : m_engine(EngineOptions{OutputKind::Pull, "", nullptr}), m_rate(rate) {
    EXPECT_TRUE(m_engine.FSOUND_Init(rate, 128, 0));
}

std::vector<float> PullEngine::RenderWhile(const std::function<bool()>& playing,
                                           double maxSeconds) {
    std::vector<float> out;
    auto maxFrames = static_cast<std::size_t>(maxSeconds * m_rate);
    while (playing() && out.size() / 2 < maxFrames) {
        std::size_t at = out.size();
        out.resize(at + 2 * kBlock);
        m_engine.Render(out.data() + at, kBlock);
    }
    return out;
}

std::vector<float> PullEngine::RenderSeconds(double seconds) {
    std::vector<float> out(2 * static_cast<std::size_t>(seconds * m_rate));
    m_engine.Render(out.data(), out.size() / 2);
    return out;
}

std::vector<float> PullEngine::RenderBlocks(std::size_t blocks) {
    std::vector<float> out(2 * blocks * kBlock);
    m_engine.Render(out.data(), blocks * kBlock);
    return out;
}

std::int32_t PullEngine::Play(StreamHandle stream) {
    EXPECT_NE(stream, 0) << "error " << m_engine.FSOUND_GetError();
    std::int32_t channel = m_engine.FSOUND_Stream_PlayEx(FSOUND_FREE, stream, 0, false);
    EXPECT_GE(channel, 0);
    return channel;
}

StreamHandle PullEngine::Open(const std::string& path) {
    const StreamHandle stream = m_engine.FSOUND_Stream_Open(path, kStreamModeFile, 0, 0);
    EXPECT_NE(stream, 0) << path << ": error " << m_engine.FSOUND_GetError();
    return stream;
}

std::vector<float> PullEngine::PlayToEnd(StreamHandle stream) {
    const std::int32_t channel = Play(stream);
    return RenderWhile([&] { return m_engine.FSOUND_IsPlaying(channel); });
}

double ToneLevel(const std::vector<float>& stereo, int rate, double frequency, int channel) {
    std::size_t frames = stereo.size() / 2;
    if (frames == 0) {
        return 0.0;
    }
    double w = 2.0 * std::numbers::pi * frequency / rate;
    double coefficient = 2.0 * std::cos(w);
    double s1 = 0.0;
    double s2 = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        double s = stereo[2 * i + static_cast<std::size_t>(channel)] + coefficient * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
    return 2.0 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(frames);
}

std::size_t AudibleFrames(const std::vector<float>& stereo, float floor) {
    std::size_t frames = stereo.size() / 2;
    std::size_t first = frames;
    std::size_t last = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        if (std::fabs(stereo[2 * i]) > floor || std::fabs(stereo[2 * i + 1]) > floor) {
            first = std::min(first, i);
            last = i;
        }
    }
    return first == frames ? 0 : last - first + 1;
}

float Peak(const std::vector<float>& stereo) {
    float peak = 0.0f;
    for (float v : stereo) {
        peak = std::max(peak, std::fabs(v));
    }
    return peak;
}

} // namespace vantor::engine::test
