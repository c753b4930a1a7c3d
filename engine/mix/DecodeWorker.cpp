#include "engine/mix/DecodeWorker.h"

#include <algorithm>
#include <chrono>

namespace vantor::engine {

namespace {
// Frames decoded per voice and round, so one slow voice cannot starve others.
constexpr std::size_t kFramesPerRound = 4096;
constexpr auto kRoundInterval = std::chrono::milliseconds(5);
} // namespace

DecodeWorker::DecodeWorker() : m_thread([this] { Run(); }) {}

DecodeWorker::~DecodeWorker() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void DecodeWorker::Add(Voice* voice) {
    {
        std::lock_guard lock(m_mutex);
        m_voices.push_back(voice);
        m_woken = true;
    }
    m_wake.notify_all();
}

void DecodeWorker::Remove(Voice* voice) {
    std::lock_guard lock(m_mutex);
    m_voices.erase(std::remove(m_voices.begin(), m_voices.end(), voice), m_voices.end());
}

void DecodeWorker::Wake() {
    {
        std::lock_guard lock(m_mutex);
        m_woken = true;
    }
    m_wake.notify_all();
}

void DecodeWorker::Run() {
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        bool busy = false;
        for (Voice* voice : m_voices) {
            if (voice->NeedsData()) {
                busy = voice->Pump(kFramesPerRound) == kFramesPerRound || busy;
            }
        }
        if (!busy) {
            m_wake.wait_for(lock, kRoundInterval, [this] { return m_stop || m_woken; });
            m_woken = false;
        }
    }
}

} // namespace vantor::engine
