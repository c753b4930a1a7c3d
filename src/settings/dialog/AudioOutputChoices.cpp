#include "settings/dialog/AudioOutputChoices.h"

namespace vantor {

int OutputIndexOf(std::int32_t outputType) {
    const auto count = static_cast<std::int32_t>(kOutputCaptions.size());
    return outputType >= 0 && outputType < count ? outputType : -1;
}

int MixerIndexOf(std::int32_t mixerType) {
    const std::int32_t index = mixerType - kMixerTypeOffset;
    const auto count = static_cast<std::int32_t>(kMixerCaptions.size());
    return index >= 0 && index < count ? index : -1;
}

int RateIndexOf(std::int32_t outputRate) {
    for (std::size_t i = 0; i < kOutputRates.size(); ++i) {
        if (kOutputRates[i] == outputRate)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace vantor
