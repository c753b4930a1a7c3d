// Writes small FastTracker 2 modules for tests: one channel playing a looped
// sine sample, the low tone in pattern 0 and the octave above in pattern 1,
// orders alternating between them. Test-only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantor::test {

// With linear frequencies, C-4 plays the sample at 8363 Hz; one sine cycle
// is 32 samples; each pattern lasts 64 rows of 40 ms.
inline constexpr double kXmLowToneHz = 8363.0 / 32.0;
inline constexpr double kXmHighToneHz = 2.0 * kXmLowToneHz;
inline constexpr int kXmPatternMs = 2560;

std::vector<std::uint8_t> WriteToneXm(const std::string& title, int orders);

} // namespace vantor::test
