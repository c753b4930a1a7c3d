#include "engine/output/ThreadOutput.h"

#include <chrono>

namespace vantor::engine {

ThreadOutput::ThreadOutput(Pace pace, std::string wavPath, std::function<void()> onThreadStart)
    : m_pace(pace), m_wavPath(std::move(wavPath)), m_onThreadStart(std::move(onThreadStart)) {}

ThreadOutput::~ThreadOutput() {
    Stop();
}

bool ThreadOutput::Start(Mixer& mixer) {
    Stop();
    if (!m_wavPath.empty() && !m_writer.Open(m_wavPath, mixer.Rate())) {
        return false;
    }
    m_blockFrames = mixer.BlockFrames();
    m_buffer.assign(2 * m_blockFrames, 0.0f);
    m_stop = false;
    m_thread = std::thread([this, &mixer] { Run(mixer); });
    return true;
}

void ThreadOutput::Stop() {
    if (m_thread.joinable()) {
        m_stop = true;
        m_thread.join();
    }
    m_writer.Close();
}

void ThreadOutput::Run(Mixer& mixer) {
    if (m_onThreadStart) {
        m_onThreadStart();
    }
    using Clock = std::chrono::steady_clock;
    const auto blockTime = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(static_cast<double>(m_blockFrames) / mixer.Rate()));
    auto next = Clock::now();
    while (!m_stop.load()) {
        if (m_pace == Pace::AsFastAsPossible && !mixer.AnyAudible()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        mixer.Render(m_buffer.data(), m_blockFrames);
        m_writer.Write(m_buffer.data(), m_blockFrames);
        if (m_pace == Pace::RealTime) {
            next += blockTime;
            std::this_thread::sleep_until(next);
        }
    }
}

} // namespace vantor::engine
