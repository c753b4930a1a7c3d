// Measures rendered float stereo in tests: the pitch of a tone by its zero
// crossings, and loudness. Test-only; pure functions.
#pragma once

#include <cstddef>
#include <span>

namespace vantor::test {

// Frequency of the tone in one channel (0 left, 1 right) of interleaved
// stereo, from its rising zero crossings; 0 for silence.
double ZeroCrossingFrequency(std::span<const float> stereo, int sampleRate, int channel = 0);
// Root mean square of one channel.
double ChannelRms(std::span<const float> stereo, int channel);

} // namespace vantor::test
