// The sound device output through SDL's audio callback. The callback only
// calls Mixer::Render, which neither allocates nor locks. While nothing has
// been audible for a while, a watching thread closes the device, so that an
// idle player costs no device thread and no wake-ups; Wake opens it again.
// Start, Stop and Wake on the UI thread, after InitSdlAudio.
#pragma once

#include "engine/output/AudioOutput.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace vantor::engine {

class SdlOutput : public AudioOutput {
public:
    // `device` empty: the driver's default device.
    explicit SdlOutput(std::string device) : m_device(std::move(device)) {}
    ~SdlOutput() override;

    bool Start(Mixer& mixer) override;
    void Stop() override;
    void Wake() override;
    std::size_t BufferFrames() const override { return m_bufferFrames; }

private:
    static void Callback(void* mixer, std::uint8_t* stream, int bytes);
    // With m_mutex held.
    bool OpenDevice();
    void CloseDevice();
    void WatchIdleness();

    std::string m_device;
    Mixer* m_mixer = nullptr;
    std::size_t m_bufferFrames = 0;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::uint32_t m_deviceId = 0;
    bool m_stopping = false;
    std::thread m_watcher;
};

} // namespace vantor::engine
