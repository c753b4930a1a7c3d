#include "support/ToneMeasure.h"

#include <cmath>

namespace vantor::test {

double ZeroCrossingFrequency(std::span<const float> stereo, int sampleRate, int channel) {
    const std::size_t frames = stereo.size() / 2;
    std::size_t first = 0;
    std::size_t last = 0;
    std::size_t crossings = 0;
    for (std::size_t i = 1; i < frames; ++i) {
        if (stereo[(i - 1) * 2 + channel] < 0.0f && stereo[i * 2 + channel] >= 0.0f) {
            if (crossings == 0)
                first = i;
            last = i;
            ++crossings;
        }
    }
    if (crossings < 2)
        return 0.0;
    return static_cast<double>(crossings - 1) * sampleRate / static_cast<double>(last - first);
}

double ChannelRms(std::span<const float> stereo, int channel) {
    const std::size_t frames = stereo.size() / 2;
    if (frames == 0)
        return 0.0;
    double sum = 0.0;
    for (std::size_t i = 0; i < frames; ++i)
        sum += double{stereo[i * 2 + channel]} * stereo[i * 2 + channel];
    return std::sqrt(sum / static_cast<double>(frames));
}

} // namespace vantor::test
