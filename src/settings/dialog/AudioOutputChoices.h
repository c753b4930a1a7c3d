// The lists of the audio-output page and how their entries map to the
// stored values: output kinds, mixers and mixing rates.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vantor {

// OutputType 0, 1 and 2 are this build's three sound back-ends.
inline constexpr std::array<std::string_view, 3> kOutputCaptions{"ALSA", "PipeWire / PulseAudio",
                                                                 "JACK"};

// MixerType is the list index + kMixerTypeOffset.
inline constexpr std::array<std::string_view, 4> kMixerCaptions{
    "Autodetect", "Interpolation/Volume Ramping - FPU",
    "Interpolation/Volume Ramping - Pentium MMX", "Interpolation/Volume Ramping - P6/P2/P3+MMX"};
inline constexpr std::int32_t kMixerTypeOffset = 4;

inline constexpr std::array<std::string_view, 5> kRateCaptions{"48000Hz", "44100Hz", "22050Hz",
                                                               "11025Hz", "8000Hz"};
inline constexpr std::array<std::int32_t, 5> kOutputRates{48000, 44100, 22050, 11025, 8000};

// The list entry that shows a stored value; -1 (no entry selected) for a
// value the list does not offer.
int OutputIndexOf(std::int32_t outputType);
int MixerIndexOf(std::int32_t mixerType);
int RateIndexOf(std::int32_t outputRate);

} // namespace vantor
