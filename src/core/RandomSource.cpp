#include "core/RandomSource.h"

#include <chrono>

namespace vantor {

ClockSeededRandom::ClockSeededRandom()
    : m_engine(static_cast<std::uint64_t>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

double ClockSeededRandom::Uniform() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
}

} // namespace vantor
