// Master volume applied to rendered frames, shared by every kind of song.
// Pure functions; any thread.
#pragma once

#include <cstddef>

namespace vantor::engine {

int ClampMasterVolume(int volume);

// Scales `frames` stereo frames by volume / kMaxMasterVolume and silences
// the frames from `produced` to `frames`.
void FinishBlock(float* stereo, std::size_t produced, std::size_t frames, int volume);

} // namespace vantor::engine
