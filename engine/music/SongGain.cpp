#include "engine/music/SongGain.h"

#include "engine/music/MusicSong.h"

#include <algorithm>

namespace vantor::engine {

int ClampMasterVolume(int volume) {
    return std::clamp(volume, 0, kMaxMasterVolume);
}

void FinishBlock(float* stereo, std::size_t produced, std::size_t frames, int volume) {
    if (volume != kMaxMasterVolume) {
        const float gain = static_cast<float>(volume) / static_cast<float>(kMaxMasterVolume);
        std::for_each(stereo, stereo + produced * 2, [gain](float& sample) { sample *= gain; });
    }
    std::fill(stereo + produced * 2, stereo + frames * 2, 0.0f);
}

} // namespace vantor::engine
