#include "core/StepPacer.h"

#include <algorithm>

namespace vantor {

StepPacer::StepPacer(std::int32_t tickMs) : m_tickMs(std::max(tickMs, 1)) {}

void StepPacer::Start(std::int32_t intervalMs) {
    m_intervalMs = std::max(intervalMs, 1);
    m_creditMs = m_tickMs / 2;
}

void StepPacer::Stop() {
    m_intervalMs = 0;
}

int StepPacer::Advance(std::int32_t elapsedMs) {
    if (!IsRunning())
        return 0;
    m_creditMs += std::max(elapsedMs, 0);
    const int steps = m_creditMs / m_intervalMs;
    m_creditMs %= m_intervalMs;
    return steps;
}

} // namespace vantor
