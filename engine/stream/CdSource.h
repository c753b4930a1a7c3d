// One CD track as a voice's source: 16-bit audio at 44.1 kHz, which the mixer
// steps to its own rate.
#pragma once

#include "engine/cd/CdAudioStream.h"
#include "engine/stream/AudioSource.h"

namespace vantor::engine {

class CdSource : public AudioSource {
public:
    CdSource(std::shared_ptr<CdDevice> device, int track) : m_stream(std::move(device)) {
        m_stream.SelectTrack(track);
    }

    int SampleRate() const override { return kCdSampleRate; }
    int NativeRate() const override { return kCdSampleRate; }
    std::size_t Read(float* stereo, std::size_t frames) override {
        return m_stream.IsFinished() ? 0 : m_stream.Render(stereo, frames);
    }
    std::int64_t SeekMs(std::int64_t ms) override {
        m_stream.SeekFrames(ms * kCdSampleRate / 1000);
        return m_stream.PositionFrames() * 1000 / kCdSampleRate;
    }
    std::int64_t LengthMs() const override { return m_stream.LengthMs(); }
    std::int64_t LengthBytes() const { return m_stream.LengthBytes(); }

private:
    CdAudioStream m_stream;
};

} // namespace vantor::engine
