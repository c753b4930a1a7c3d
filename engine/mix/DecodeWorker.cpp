#include "engine/mix/DecodeWorker.h"

#include <algorithm>
#include <chrono>

namespace vantor::engine {

namespace {

using Clock = std::chrono::steady_clock;

// Frames decoded per voice and round, so one slow voice cannot starve others.
constexpr std::size_t kFramesPerRound = 4096;
// Rounds come often enough that no ring is less than half full when the
// worker returns, and rarely enough that it decodes in bulk instead of
// waking the processor for a few frames each time.
constexpr Clock::duration kShortestRound = std::chrono::milliseconds(5);
constexpr Clock::duration kLongestRound = std::chrono::milliseconds(50);
constexpr double kEmptiedShareAtReturn = 0.5;

// The wait before the next round, from how far the fastest-draining ring
// emptied during the `since` that passed since the rings were last filled.
Clock::duration NextRound(Clock::duration since, double emptiedShare) {
    if (emptiedShare <= 0.0) {
        return kLongestRound;
    }
    const auto scaled =
        std::chrono::duration_cast<Clock::duration>(since * (kEmptiedShareAtReturn / emptiedShare));
    return std::clamp(scaled, kShortestRound, kLongestRound);
}

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
    Clock::time_point filledAt = Clock::now();
    while (!m_stop) {
        double emptiedShare = 0.0;
        bool busy = false;
        for (Voice* voice : m_voices) {
            if (voice->NeedsData()) {
                emptiedShare = std::max(emptiedShare, voice->EmptiedShare());
                busy = voice->Pump(kFramesPerRound) == kFramesPerRound || busy;
            }
        }
        if (busy) {
            continue;
        }
        const Clock::duration round = NextRound(Clock::now() - filledAt, emptiedShare);
        filledAt = Clock::now();
        const bool decoding = std::any_of(m_voices.begin(), m_voices.end(),
                                          [](const Voice* voice) { return voice->NeedsData(); });
        // With every source at its end there is nothing to do until a voice
        // is added, seeks or starts again, and each of those wakes the worker.
        const auto woken = [this] { return m_stop || m_woken; };
        if (decoding) {
            m_wake.wait_for(lock, round, woken);
        } else {
            m_wake.wait(lock, woken);
        }
        m_woken = false;
    }
}

} // namespace vantor::engine
