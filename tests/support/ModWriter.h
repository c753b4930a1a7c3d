// Writes 4-channel ProTracker modules ("M.K.") for tests: one generated,
// looped sample and patterns of notes given by Amiga period. Test-only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantor::test {

struct ModNote {
    int row = 0;
    int channel = 0;
    int period = 0; // 0: no note
    int effect = 0;
    int param = 0;
};

struct ModSpec {
    std::string title;
    // Pattern numbers in play order; its size is the module's order count.
    std::vector<int> orders;
    std::vector<std::vector<ModNote>> patterns;
    // Signed 8-bit sample 1, looped whole; notes play it.
    std::vector<std::int8_t> sample;
};

// Amiga periods of the two tones the tone modules play.
inline constexpr int kModPeriodLow = 428;
inline constexpr int kModPeriodHigh = 214;
// The PAL Amiga clock: a period P plays samples at kModClock / P per second.
inline constexpr double kModClock = 3546895.0;
inline constexpr int kModCycleSamples = 32;

std::vector<std::uint8_t> WriteMod(const ModSpec& spec);

// A sine cycle of kModCycleSamples samples repeated `cycles` times.
std::vector<std::int8_t> SineCycles(int cycles);

// A module of `orders` orders alternating pattern 0 (the low tone on
// channel 0) and pattern 1 (the high tone); each pattern sets speed 2 and
// lasts 64 rows of 40 ms.
ModSpec ToneModSpec(const std::string& title, int orders);
inline constexpr int kToneModPatternMs = 2560;

} // namespace vantor::test
