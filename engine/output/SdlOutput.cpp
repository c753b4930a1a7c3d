#include "engine/output/SdlOutput.h"

#include <SDL2/SDL.h>

#include <chrono>

namespace vantor::engine {

namespace {
// Long enough for an echo or reverb to ring out after the last sound, and
// for a pause between two tracks or a short break to keep the device.
constexpr auto kIdleBeforeClosing = std::chrono::seconds(3);
// How often the watcher looks while the device is open.
constexpr auto kWatchPeriod = std::chrono::milliseconds(500);
// Mixer blocks per device period. Each period wakes the audio thread, and
// at one block (about 23 ms) those wake-ups cost more than the mixing; four
// keep commands audible within about a tenth of a second, and the displays
// still follow each block as it sounds.
constexpr std::size_t kBlocksPerPeriod = 4;
} // namespace

SdlOutput::~SdlOutput() {
    Stop();
}

bool SdlOutput::Start(Mixer& mixer) {
    Stop();
    std::lock_guard lock(m_mutex);
    m_mixer = &mixer;
    if (!OpenDevice()) {
        return false;
    }
    m_stopping = false;
    m_watcher = std::thread([this] { WatchIdleness(); });
    return true;
}

void SdlOutput::Stop() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    if (m_watcher.joinable()) {
        m_watcher.join();
    }
    std::lock_guard lock(m_mutex);
    CloseDevice();
}

void SdlOutput::Wake() {
    {
        std::lock_guard lock(m_mutex);
        if (m_deviceId != 0 || m_mixer == nullptr || m_stopping) {
            return;
        }
        // Opened here rather than by the watcher, so that the first frames
        // are on their way when the caller returns.
        OpenDevice();
    }
    m_changed.notify_all();
}

bool SdlOutput::OpenDevice() {
    SDL_AudioSpec want{};
    want.freq = m_mixer->Rate();
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = static_cast<Uint16>(kBlocksPerPeriod * m_mixer->BlockFrames());
    want.callback = &SdlOutput::Callback;
    want.userdata = m_mixer;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts to whatever the device needs.
    m_deviceId =
        SDL_OpenAudioDevice(m_device.empty() ? nullptr : m_device.c_str(), 0, &want, &have, 0);
    if (m_deviceId == 0) {
        return false;
    }
    m_bufferFrames = have.samples;
    SDL_PauseAudioDevice(m_deviceId, 0);
    return true;
}

void SdlOutput::CloseDevice() {
    if (m_deviceId != 0) {
        SDL_CloseAudioDevice(m_deviceId);
        m_deviceId = 0;
    }
}

void SdlOutput::WatchIdleness() {
    using Clock = std::chrono::steady_clock;
    std::unique_lock lock(m_mutex);
    Clock::time_point lastAudible = Clock::now();
    std::uint64_t blocksPlayed = m_mixer->BlocksPlayed();
    while (!m_stopping) {
        if (m_deviceId == 0) {
            // Closed: nothing to watch until Wake opens the device again.
            m_changed.wait(lock, [this] { return m_stopping || m_deviceId != 0; });
            lastAudible = Clock::now();
            continue;
        }
        if (const std::uint64_t played = m_mixer->BlocksPlayed(); played != blocksPlayed) {
            blocksPlayed = played;
            lastAudible = Clock::now();
        } else if (Clock::now() - lastAudible >= kIdleBeforeClosing) {
            CloseDevice();
            continue;
        }
        m_changed.wait_for(lock, kWatchPeriod);
    }
}

void SdlOutput::Callback(void* mixer, std::uint8_t* stream, int bytes) {
    static_cast<Mixer*>(mixer)->Render(reinterpret_cast<float*>(stream),
                                       static_cast<std::size_t>(bytes) / (2 * sizeof(float)));
}

} // namespace vantor::engine
