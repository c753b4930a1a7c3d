// Writes small Scream Tracker 3 modules for tests: one channel playing a
// looped sine sample, the low tone in pattern 0 and the octave above in
// pattern 1, orders alternating between them. Test-only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantor::test {

// Middle C plays the sample at its C2 rate of 8363 Hz; one sine cycle is 32
// samples, and each pattern lasts 64 rows of 40 ms like the MOD fixtures.
inline constexpr double kS3mLowToneHz = 8363.0 / 32.0;
inline constexpr double kS3mHighToneHz = 2.0 * kS3mLowToneHz;
inline constexpr int kS3mPatternMs = 2560;

std::vector<std::uint8_t> WriteToneS3m(const std::string& title, int orders);

} // namespace vantor::test
