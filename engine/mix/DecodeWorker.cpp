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
// waking the processor for a few frames each time. The longest round leaves
// the shortest ring being filled three quarters full at the normal rate, so
// that a channel sped up to three times its rate meanwhile still does not
// run dry: 100 ms for the shortest ring of all, 400 ms, and 250 ms for the
// usual one of a second.
constexpr Clock::duration kShortestRound = std::chrono::milliseconds(5);
constexpr Clock::duration kLongestRoundOfAll = std::chrono::milliseconds(250);
constexpr int kRingShareOfLongestRound = 4;
constexpr double kEmptiedShareAtReturn = 0.5;
// No ring drained for this long, many output periods: nothing plays, and
// the worker looks only rarely (whatever may start a voice wakes it).
constexpr Clock::duration kIdleAfter = std::chrono::milliseconds(500);
constexpr Clock::duration kIdleRound = std::chrono::seconds(1);

// The wait before the next round, from how far the fastest-draining ring
// emptied during the `since` that passed since the rings were last filled,
// and no longer than `longest`.
Clock::duration NextRound(Clock::duration since, double emptiedShare, Clock::duration longest) {
    if (emptiedShare <= 0.0) {
        return longest;
    }
    const auto scaled =
        std::chrono::duration_cast<Clock::duration>(since * (kEmptiedShareAtReturn / emptiedShare));
    return std::clamp(scaled, kShortestRound, longest);
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
    Clock::time_point drainedAt = filledAt;
    while (!m_stop) {
        double emptiedShare = 0.0;
        Clock::duration longest = kLongestRoundOfAll;
        bool busy = false;
        for (Voice* voice : m_voices) {
            if (voice->NeedsData()) {
                emptiedShare = std::max(emptiedShare, voice->EmptiedShare());
                longest = std::min<Clock::duration>(
                    longest, std::max<Clock::duration>(
                                 kShortestRound, voice->RingLength() / kRingShareOfLongestRound));
                busy = voice->Pump(kFramesPerRound) == kFramesPerRound || busy;
            }
        }
        if (emptiedShare > 0.0) {
            drainedAt = Clock::now();
        }
        if (busy) {
            continue;
        }
        const Clock::duration round = NextRound(Clock::now() - filledAt, emptiedShare, longest);
        filledAt = Clock::now();
        const bool decoding = std::any_of(m_voices.begin(), m_voices.end(),
                                          [](const Voice* voice) { return voice->NeedsData(); });
        // With every source at its end there is nothing to do until a voice
        // is added, seeks or starts again, and each of those wakes the
        // worker; with no ring drained for a while (stopped or paused
        // voices) little is, until one starts, resumes or changes its rate.
        const auto wake = [this] { return m_stop || m_woken; };
        if (!decoding) {
            m_wake.wait(lock, wake);
        } else {
            m_wake.wait_for(lock, filledAt - drainedAt < kIdleAfter ? round : kIdleRound, wake);
        }
        if (m_woken) {
            drainedAt = Clock::now();
        }
        m_woken = false;
    }
}

} // namespace vantor::engine
