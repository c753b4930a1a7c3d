// A periodic step (an analyzer frame, a scroll of the song-information line)
// run from the playback tick instead of a timer of its own, so that one
// wake-up serves the tick and every step due with it. It only counts; the
// caller runs the steps. Owned by the Player; UI thread only.
#pragma once

#include <cstdint>

namespace vantor {

class StepPacer {
public:
    // `tickMs` is the usual time between calls of Advance().
    explicit StepPacer(std::int32_t tickMs);

    // Steps every `intervalMs` (below 1 counts as 1), the first one interval
    // from now; a running pacer starts over.
    void Start(std::int32_t intervalMs);
    void Stop();
    bool IsRunning() const { return m_intervalMs > 0; }
    // The interval between steps; 0 while stopped.
    std::int32_t IntervalMs() const { return m_intervalMs; }

    // Advances the pacer by `elapsedMs`, the time since the last call (a tick,
    // or a longer wait in which nothing but these steps could change), and
    // returns how many steps fell due in it. Each step runs with the call
    // nearest to its time, so the steps keep their own rate on average and an
    // interval that is a multiple of the tick gives evenly spaced steps. An
    // interval shorter than the time passed gives several steps at once.
    int Advance(std::int32_t elapsedMs);

private:
    std::int32_t m_tickMs;
    std::int32_t m_intervalMs = 0;
    // Time run up towards the next step. It starts at half a tick, so that a
    // step falls due at the tick nearest its time rather than the one after.
    std::int32_t m_creditMs = 0;
};

} // namespace vantor
