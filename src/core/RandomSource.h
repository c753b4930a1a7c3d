// The random numbers of the random play order. The player owns one source
// seeded from the clock; tests script the numbers. UI thread only.
#pragma once

#include <cstdint>
#include <random>

namespace vantor {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform number in [0, 1).
    virtual double Uniform() = 0;
};

// Seeded from the clock once, so picks in quick succession still differ.
class ClockSeededRandom : public RandomSource {
public:
    ClockSeededRandom();
    double Uniform() override;

private:
    std::mt19937_64 m_engine;
};

} // namespace vantor
