// The sound device output through SDL's audio callback. The callback only
// calls Mixer::Render, which neither allocates nor locks. Start and Stop on
// the UI thread, after InitSdlAudio.
#pragma once

#include "engine/output/AudioOutput.h"

#include <cstdint>
#include <string>

namespace vantor::engine {

class SdlOutput : public AudioOutput {
public:
    // `device` empty: the driver's default device.
    explicit SdlOutput(std::string device) : m_device(std::move(device)) {}
    ~SdlOutput() override;

    bool Start(Mixer& mixer) override;
    void Stop() override;
    std::size_t BufferFrames() const override { return m_bufferFrames; }

private:
    static void Callback(void* mixer, std::uint8_t* stream, int bytes);

    std::string m_device;
    std::uint32_t m_deviceId = 0;
    std::size_t m_bufferFrames = 0;
};

} // namespace vantor::engine
