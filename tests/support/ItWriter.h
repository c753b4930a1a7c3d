// Writes small Impulse Tracker modules for tests (sample mode, no
// instruments): one channel playing a looped sine sample, the low tone in
// pattern 0 and the octave above in pattern 1, orders alternating. Test-only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantor::test {

// C-5 plays the sample at 8363 Hz; one sine cycle is 32 samples; each
// pattern lasts 64 rows of 40 ms.
inline constexpr double kItLowToneHz = 8363.0 / 32.0;
inline constexpr int kItPatternMs = 2560;

std::vector<std::uint8_t> WriteToneIt(const std::string& title, int orders);

} // namespace vantor::test
